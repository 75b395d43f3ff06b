// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestEnvironment.h"
#include "store/Country.h"
#include "store/KeyValueStore.h"
#include "store/LocalizationManager.h"
#include "store/SettingsManager.h"

#include <QDirIterator>
#include <QQmlEngine>
#include <QRawFont>
#include <QRegularExpression>
#include <QTranslator>

using Row = std::tuple<QString, QString, QString, QString>;

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
        return m.saveOptions().shapeName() + ' ' + m.saveOptions().resolutionName();
    }

private slots:
    // Stored and written: one text per key, "1"/"0" a boolean. A shape or size is assigned
    // as QML assigns it: the whole value, read, changed and written back.
    void rules_data()
    {
        QTest::addColumn<Row>("row");
        const auto row = [](const char *name, const QString &stored, const QString &loaded,
                             const QString &assignment, const QString &written) {
            QTest::newRow(name) << Row { stored, loaded, assignment, written };
        };
        row("fresh; equal value still notifies and writes", "- - - -", "square 1024x1024",
            "shape=square", "0 0 0 1024x1024");
        row("original clears both roundings", "1 - - -", "rounded 1024x1024", "shape=original",
            "0 0 1 1024x1024");
        row("both loaded on read as rounded; slightly turns it off", "1 1 - -", "rounded 1024x1024",
            "shape=slightly-rounded", "0 1 0 1024x1024");
        row("original wins over a stored rounding", "1 - 1 -", "original 1024x1024",
            "shape=rounded", "1 0 0 1024x1024");
        row("512 loads; size written as raw value", "- - - 512x512", "square 512x512",
            "resolution=256x256", "0 0 0 256x256");
        row("other case loads 1024; unknown size and shape refused", "- - - 512X512",
            "square 1024x1024", "resolution=huge", "0 0 0 1024x1024");
        row("unknown shape refused", "- 1 - -", "slightly-rounded 1024x1024", "shape=oval",
            "0 1 0 1024x1024");
    }

    void rules()
    {
        QFETCH(Row, row);
        const auto &[stored, loaded, assignment, written] = row;
        KeyValueStore store(TestEnvironment::home() + '/' + QTest::currentDataTag() + ".sqlite");
        const QStringList values = stored.split(' ');
        for (qsizetype n = 0; n < keys.size(); ++n)
            QVERIFY(values[n] == "1" || values[n] == "0" ? store.setBool(keys[n], values[n] == "1")
                                                         : store.setString(keys[n], values[n]));
        SettingsManager settings(store);
        QCOMPARE(state(settings), loaded);
        QCOMPARE(snapshot(store), stored); // loading applies no rule and writes nothing

        QSignalSpy changed(&settings, &SettingsManager::saveOptionsChanged);
        const QString name = assignment.section('=', 0, 0), value = assignment.section('=', 1);
        if (value == "huge")
            QTest::ignoreMessage(QtInfoMsg, "未知的图标分辨率: huge");
        if (value == "oval")
            QTest::ignoreMessage(QtInfoMsg, "unknown icon shape, kept as it was: oval");
        QVariant options = settings.property("saveOptions");
        const QMetaObject &gadget = IconSaveOptions::staticMetaObject;
        QVERIFY(gadget.property(gadget.indexOfProperty(qPrintable(name)))
                    .writeOnGadget(options.data(), value));
        QVERIFY(settings.setProperty("saveOptions", options));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(snapshot(store), written);
        QCOMPARE(state(SettingsManager(store)), state(settings)); // as a restart finds them
    }

    // A stored platform loads (an unknown one as iPhone, with a console line);
    // a change is written.
    void platforms()
    {
        KeyValueStore store(TestEnvironment::home() + "/platform.sqlite");
        store.setString("Platform", "mac");
        QCOMPARE(SettingsManager(store).platform(), Platform::Mac);
        store.setString("Platform", "watch");
        QTest::ignoreMessage(QtInfoMsg, "未知的平台，改用 iPhone: watch");
        SettingsManager settings(store);
        QCOMPARE(settings.platform(), Platform::IPhone);
        QVERIFY(settings.setProperty("platform", QVariant::fromValue(Platform::IPad)));
        QCOMPARE(store.stringForKey("Platform"), "ipad");
    }

    // Every id the code names, as a literal given to qtTrId() or qsTrId() or as any
    // literal shaped like one ("word_word"), and every region's name key.
    void tablesHoldEveryKey()
    {
        static const QRegularExpression id("TrId\\(\"([^\"]+)\"|\"([a-z]+(?:_[a-z0-9]+)+)\"");
        QSet<QString> keys;
        QDirIterator sources(VELLUMAR_SOURCES, { "*.cpp", "*.h", "*.qml", "*.js" }, QDir::Files,
            QDirIterator::Subdirectories);
        while (sources.hasNext()) {
            QFile source(sources.next());
            QVERIFY(source.open(QIODevice::ReadOnly));
            for (const QRegularExpressionMatch &match : id.globalMatch(source.readAll()))
                keys.insert(match.captured(1) + match.captured(2));
        }
        QVERIFY(keys.contains("search") && keys.contains("label_bundle_id")); // both forms found
        for (const Country &country : allCountries())
            keys.insert(country.nameKey);

        // The texts filled in with one argument, and with two.
        const QStringList one { "url_failure_message", "search_error_message", "save_fail_message",
            "delete_from_history", "more_from_developer", "notice_saved", "save_size_description",
            "notice_removed_one", "about_version", "no_history_matches", "no_region_matches",
            "zoom_level", "save_regions_icon", "regions_not_sold_in", "new_icons_gone",
            "new_icons_check_failed", "new_icons_app_gone_line" };
        const QStringList two { "search_no_results_message", "batch_save_summary", "save_icon_of",
            "save_shaped_description", "batch_cancelled_summary", "batch_save_failure",
            "batch_progress", "fact", "navigation_title_screenshot_position",
            "batch_stopped_summary", "regions_progress", "region_lookup_failure", "new_icon_row" };
        QTranslator zh, en;
        QVERIFY(zh.load(":/i18n/vellumar_zh_CN.qm") && en.load(":/i18n/vellumar_en.qm"));
        // The Chinese font cut for the interface (tools/generate_fonts.py) holds all of it.
        const QRawFont cut(
            QStringLiteral(VELLUMAR_SOURCES "/screens/fonts/VellumarChinese-Regular.otf"), 16);
        QVERIFY(cut.isValid());
        for (const QString &key : std::as_const(keys)) {
            const int arguments = one.contains(key) ? 1 : two.contains(key) ? 2 : 0;
            for (const QTranslator *table : { &zh, &en }) {
                const QString text = table->translate(nullptr, key.toUtf8().constData());
                QVERIFY2(!text.trimmed().isEmpty() && text != key,
                    qPrintable(table->language() + ' ' + key));
                QCOMPARE(text.count(QRegularExpression("%\\d")), arguments);
                for (int n = 1; n <= arguments; ++n)
                    QVERIFY2(text.contains('%' + QString::number(n)), qPrintable(key));
                for (const char32_t c : text.toUcs4()) // past every Latin script Roboto covers
                    QVERIFY2(table == &en || c < 0x2e80 || cut.supportsCharacter(c),
                        qPrintable(key + ' ' + QString::number(c, 16)));
            }
        }
    }

    // What is stored (null: nothing), and the language it starts in; start-up writes
    // nothing, and an unknown value stays until the user picks. C++ and QML lookups and
    // region names follow a switch, which is written; an unknown language is refused.
    void followsTheStoredChoice()
    {
        const std::pair<QString, QString> cases[]
            = { { QString(), "zh-Hans" }, { "en", "en" }, { "EN", "zh-Hans" } };
        QQmlEngine engine;
        const auto texts = [&] {
            engine.retranslate();
            return QStringList { qtTrId("search"), engine.evaluate("qsTrId('search')").toString(),
                allCountries().at(43).localizedName() };
        };
        const QStringList english { "Search", "Search", "China" },
            chinese { "搜索", "搜索", "中国" };
        for (const auto &[stored, language] : cases) {
            KeyValueStore store(TestEnvironment::home() + "/start-" + stored + ".sqlite");
            if (!stored.isNull())
                store.setString(languageKey, stored);
            LocalizationManager manager(store);
            QCOMPARE(manager.currentLanguageRawValue(), language);
            QCOMPARE(texts(), language == "en" ? english : chinese);
            QCOMPARE(store.stringForKey(languageKey),
                stored.isNull() ? std::nullopt : std::optional(stored));
            QTest::ignoreMessage(QtInfoMsg, "未知的语言: de");
            manager.setProperty("currentLanguage", "de");
            QCOMPARE(manager.currentLanguageRawValue(), language);
            const QString other = language == "en" ? "zh-Hans" : "en";
            manager.setProperty("currentLanguage", other);
            QCOMPARE(texts(), other == "en" ? english : chinese);
            QCOMPARE(store.stringForKey(languageKey), other);
        }
    }
};

VELLUMAR_TEST_MAIN(tst_Preferences)
#include "tst_preferences.moc"
