#include "TestEnvironment.h"
#include "store/Country.h"
#include "store/KeyValueStore.h"
#include "store/LocalizationManager.h"

#include <QQmlEngine>
#include <QRegularExpression>
#include <QTranslator>

// The language choice, the two embedded string tables, that C++ and QML
// lookups both follow a switch of language, and the region table.
class tst_Localization : public QObject
{
    Q_OBJECT

    const QString key = QStringLiteral("selectedLanguage");

private slots:
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
            Language about
        )").split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
        // clang-format on
        for (const Country &country : allCountries())
            keys.append(country.nameKey);
        QCOMPARE(keys.size(), 296);

        const QHash<QString, QStringList> formats { { "url_failure_message", { "%1" } },
            { "search_error_message", { "%1" } }, { "save_fail_message", { "%1" } },
            { "search_no_results_message", { "%1", "%2" } } };
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
                store.setString(key, stored);
            LocalizationManager manager(store);
            QCOMPARE(manager.currentLanguageRawValue(), language);
            QCOMPARE(qtTrId("search"), language == "en" ? "Search" : "搜索");
            // Start-up writes nothing; an unknown value stays until the user picks.
            QCOMPARE(
                store.stringForKey(key), stored.isNull() ? std::nullopt : std::optional(stored));
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
        QCOMPARE(store.stringForKey(key), "en");
        store.setString(key, "-");
        // The language in effect: notified and written again.
        manager.setCurrentLanguage(Language::english);
        QCOMPARE(changed.size(), 2);
        QCOMPARE(store.stringForKey(key), "en");
        QTest::ignoreMessage(QtInfoMsg, "未知的语言: de");
        manager.setProperty("currentLanguage", "de");
        QCOMPARE(changed.size(), 2);
        manager.setCurrentLanguage(Language::chinese);
        QCOMPARE(texts(), (QStringList { "搜索", "搜索", "中国" }));
        QCOMPARE(store.stringForKey(key), "zh-Hans");
    }
};

VELLUMAR_TEST_MAIN(tst_Localization)
#include "tst_localization.moc"
