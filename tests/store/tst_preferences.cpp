#include "TestEnvironment.h"
#include "store/Country.h"
#include "store/KeyValueStore.h"
#include "store/LocalizationManager.h"
#include "store/SettingsManager.h"

#include <QQmlEngine>
#include <QRegularExpression>
#include <QTranslator>

using Row = std::tuple<QString, QString, QString, QStringList, QString>;
Q_DECLARE_METATYPE(Row)

// The options and the language of the Settings screen. Before a change an option's key
// holds "-", which reads as absent for a boolean: a snapshot of the store then shows what
// was written, and in what order. Both string tables must hold every key, and C++ and QML
// lookups both follow a switch of language.
class tst_Preferences : public QObject
{
    Q_OBJECT

    const QString languageKey = QStringLiteral("selectedLanguage");
    const QStringList keys { "saveAsRounded", "saveAsSlightlyRounded", "saveAsOriginalJPEG",
        "iconResolution" };

    QString snapshot(const KeyValueStore &store) const
    {
        QStringList parts;
        for (const QString &key : keys)
            parts.append(store.stringForKey(key).value_or(store.boolForKey(key) ? "1" : "0"));
        return parts.join(' ');
    }

    static QString state(const SettingsManager &m)
    {
        return QString::asprintf("%d %d %d %s", m.saveAsRounded(), m.saveAsSlightlyRounded(),
            m.saveAsOriginalJPEG(), qPrintable(m.selectedResolutionRawValue()));
    }

    // stored and written: one text per key, "1"/"0" a boolean; log: a snapshot
    // at each change signal.
    static void row(const char *name, const QString &stored, const QString &loaded,
        const QString &assignment, const QString &log, const QString &written)
    {
        QTest::newRow(name) << Row { stored, loaded, assignment, log.split('|', Qt::SkipEmptyParts),
            written };
    }

private slots:
    void rules_data()
    {
        QTest::addColumn<Row>("row");
        row("fresh; equal value still notifies and writes", "- - - -", "0 0 0 1024x1024",
            "saveAsRounded=0", "saveAsRounded: - - - -", "0 - - -");
        row("jpeg on clears both, in order", "1 - - -", "1 0 0 1024x1024", "saveAsOriginalJPEG=1",
            "saveAsOriginalJPEG: 1 - - -|saveAsRounded: 1 - 1 -|saveAsSlightlyRounded: 0 - 1 -",
            "0 0 1 -");
        row("both loaded on; rounded turns slightly off", "1 1 - -", "1 1 0 1024x1024",
            "saveAsRounded=1", "saveAsRounded: 1 1 - -|saveAsSlightlyRounded: 1 1 - -", "1 0 - -");
        row("slightly turns rounded off", "1 - - -", "1 0 0 1024x1024", "saveAsSlightlyRounded=1",
            "saveAsSlightlyRounded: 1 - - -|saveAsRounded: 1 1 - -", "0 1 - -");
        row("rounding leaves jpeg on", "- - 1 -", "0 0 1 1024x1024", "saveAsRounded=1",
            "saveAsRounded: - - 1 -", "1 - 1 -");
        row("512 loads; resolution written as raw value", "- - - 512x512", "0 0 0 512x512",
            "selectedResolution=256x256", "selectedResolution: - - - 512x512", "- - - 256x256");
        row("other case loads 1024; unknown raw value refused", "- - - 512X512", "0 0 0 1024x1024",
            "selectedResolution=huge", "", "- - - 512X512");
        row("non-text resolution loads 1024", "- - - 1", "0 0 0 1024x1024",
            "saveAsSlightlyRounded=0", "saveAsSlightlyRounded: - - - 1", "- 0 - 1");
    }

    void rules()
    {
        QFETCH(Row, row);
        const auto &[stored, loaded, assignment, log, written] = row;
        const QString path = TestEnvironment::home() + '/' + QTest::currentDataTag() + ".sqlite";
        auto store = std::make_unique<KeyValueStore>(path);
        const QStringList values = stored.split(' ');
        for (qsizetype n = 0; n < keys.size(); ++n)
            QVERIFY(values[n] == "1" || values[n] == "0" ? store->setBool(keys[n], values[n] == "1")
                                                         : store->setString(keys[n], values[n]));
        SettingsManager settings(*store);
        QCOMPARE(state(settings), loaded);
        QCOMPARE(snapshot(*store), stored); // loading applies no rule and writes nothing

        QStringList seen;
        const auto watch = [&](auto signal, const char *property) {
            connect(&settings, signal, this,
                [&, property] { seen.append(QString(property) + ": " + snapshot(*store)); });
        };
        watch(&SettingsManager::saveAsRoundedChanged, "saveAsRounded");
        watch(&SettingsManager::saveAsSlightlyRoundedChanged, "saveAsSlightlyRounded");
        watch(&SettingsManager::saveAsOriginalJPEGChanged, "saveAsOriginalJPEG");
        watch(&SettingsManager::selectedResolutionChanged, "selectedResolution");
        const QString name = assignment.section('=', 0, 0), value = assignment.section('=', 1);
        if (value == "huge")
            QTest::ignoreMessage(QtInfoMsg, "未知的图标分辨率: huge");
        // Through the Qt property, as QML assigns it.
        QVERIFY(settings.setProperty(name.toLatin1(),
            name == "selectedResolution" ? QVariant(value) : QVariant(value == "1")));
        QCOMPARE(seen, log);

        store.reset();
        KeyValueStore reopened(path); // a restart finds exactly these writes, and the same options
        QCOMPARE(snapshot(reopened), written);
        QCOMPARE(state(SettingsManager(reopened)), state(settings));
    }

    // What a stored platform loads as (an unknown one as iPhone, with a console
    // line), and what a change writes.
    void platforms()
    {
        const std::pair<QString, Platform> cases[] = { { "mac", Platform::Mac },
            { "ipad", Platform::IPad }, { "watch", Platform::IPhone } };
        for (const auto &[stored, loaded] : cases) {
            KeyValueStore store(TestEnvironment::home() + "/platform-" + stored + ".sqlite");
            store.setString("Platform", stored);
            if (stored == "watch")
                QTest::ignoreMessage(QtInfoMsg, "未知的平台，改用 iPhone: watch");
            SettingsManager settings(store);
            QCOMPARE(settings.platform(), loaded);
            QVERIFY(settings.setProperty("platform", QVariant::fromValue(Platform::IPad)));
            QCOMPARE(store.stringForKey("Platform"), "ipad");
        }
    }

    void regions()
    {
        QCOMPARE(allCountries().size(), 235);
        const QList<std::tuple<int, QString, QString>> rows { { 1, "AF", "🇦🇫" }, { 2, "AX", "🇦🇽" },
            { 44, "CN", "🇨🇳" }, { 224, "US", "🇺🇸" }, { 235, "ZW", "🇿🇼" } };
        for (const auto &[row, code, flag] : rows) {
            const Country &country = allCountries().at(row - 1);
            QCOMPARE(country.code, code);
            QCOMPARE(country.nameKey, "country_name_" + code.toLower());
            QCOMPARE(country.flag(), flag);
            QCOMPARE(countryForCode(code), country);
        }
    }

    void tablesHoldEveryKey()
    {
        // clang-format off
        QStringList keys = QString(R"(
            search history navigation_title_vellumar search_placeholder searching search_history
            no_search_history ok initial_search_message url_found_message url_failure_message
            search_error_message search_no_results_message url_invalid app_not_found success error
            save_success_message_icon save_success_message_original download_fail_message_icon
            download_fail_message_original save_fail_message permission_denied_message
            image_data_error save_fail_generic detail_load_failed section_header_information
            section_header_version_history section_header_description section_header_screenshots
            save_icon label_track_id label_bundle_id label_version label_min_os label_release_notes
            label_appstore_link navigation_title_screenshot screenshot_url_invalid
            download_fail_message_screenshot save_success_message_screenshot
            navigation_title_download_history history_search_placeholder no_download_history clear
            clear_history_alert_title clear_history_alert_message clear_all_button cancel
            navigation_title_select_region country_search_prompt done settings
            section_header_save_options toggle_save_as_jpeg toggle_save_as_rounded
            toggle_save_as_slightly_rounded picker_label_resolution section_header_language
            Language about save_success_message_mac batch_save_summary batch_save_failure
        )").split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
        // clang-format on
        for (const Country &country : allCountries())
            keys.append(country.nameKey);
        QCOMPARE(keys.size(), 299);

        const QHash<QString, QStringList> formats { { "url_failure_message", { "%1" } },
            { "search_error_message", { "%1" } }, { "save_fail_message", { "%1" } },
            { "search_no_results_message", { "%1", "%2" } },
            { "batch_save_summary", { "%1", "%2" } }, { "batch_save_failure", { "%1", "%2" } } };
        QTranslator zh, en;
        QVERIFY(zh.load(":/i18n/vellumar_zh_CN.qm") && en.load(":/i18n/vellumar_en.qm"));
        for (const QString &key : std::as_const(keys)) {
            for (const QTranslator *table : { &zh, &en }) {
                const QString text = table->translate(nullptr, key.toUtf8().constData());
                QVERIFY2(!text.trimmed().isEmpty() && text != key,
                    qPrintable(table->language() + ' ' + key));
                const QStringList expected = formats.value(key);
                QCOMPARE(text.count(QRegularExpression("%\\d")), expected.size());
                for (const QString &placeholder : expected)
                    QVERIFY2(text.contains(placeholder), qPrintable(key));
            }
        }
    }

    void startsFromTheStoredChoice()
    {
        // What is stored (null: nothing), and the language it starts in.
        const QList<std::pair<QString, QString>> cases { { QString(), "zh-Hans" }, { "en", "en" },
            { "zh-Hans", "zh-Hans" }, { "fr", "zh-Hans" }, { "EN", "zh-Hans" } };
        for (const auto &[stored, language] : cases) {
            KeyValueStore store(TestEnvironment::home() + "/start-" + stored + ".sqlite");
            if (!stored.isNull())
                store.setString(languageKey, stored);
            LocalizationManager manager(store);
            QCOMPARE(manager.currentLanguageRawValue(), language);
            QCOMPARE(qtTrId("search"), language == "en" ? "Search" : "搜索");
            // Start-up writes nothing; an unknown value stays until the user picks.
            QCOMPARE(store.stringForKey(languageKey),
                stored.isNull() ? std::nullopt : std::optional(stored));
        }
    }

    void bothLookupPathsFollowASwitch()
    {
        KeyValueStore store(TestEnvironment::home() + "/switch.sqlite");
        LocalizationManager manager(store);
        QSignalSpy changed(&manager, &LocalizationManager::currentLanguageChanged);
        QQmlEngine engine;
        const auto texts = [&] {
            engine.retranslate();
            return QStringList { qtTrId("search"), engine.evaluate("qsTrId('search')").toString(),
                allCountries().at(43).localizedName() };
        };
        QCOMPARE(texts(), (QStringList { "搜索", "搜索", "中国" }));
        manager.setProperty("currentLanguage", "en");
        QCOMPARE(texts(), (QStringList { "Search", "Search", "China" }));
        QCOMPARE(store.stringForKey(languageKey), "en");
        store.setString(languageKey, "-");
        // The language in effect: notified and written again.
        manager.setCurrentLanguage(Language::english);
        QCOMPARE(changed.size(), 2);
        QCOMPARE(store.stringForKey(languageKey), "en");
        QTest::ignoreMessage(QtInfoMsg, "未知的语言: de");
        manager.setProperty("currentLanguage", "de");
        QCOMPARE(changed.size(), 2);
        manager.setCurrentLanguage(Language::chinese);
        QCOMPARE(texts(), (QStringList { "搜索", "搜索", "中国" }));
        QCOMPARE(store.stringForKey(languageKey), "zh-Hans");
    }
};

VELLUMAR_TEST_MAIN(tst_Preferences)
#include "tst_preferences.moc"
