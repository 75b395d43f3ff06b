#include "TestEnvironment.h"
#include "store/Country.h"
#include "store/KeyValueStore.h"
#include "store/LocalizationManager.h"

#include <QQmlEngine>
#include <QRegularExpression>
#include <QTranslator>

// The language choice, the two embedded string tables, and that C++ and QML
// lookups both follow a switch of language.
class tst_Localization : public QObject
{
    Q_OBJECT

    int m_stores = 0;
    QString freshStorePath()
    {
        return TestEnvironment::home() + QStringLiteral("/language-%1.sqlite").arg(++m_stores);
    }

    // Every key of the interface besides the region names.
    const QStringList interfaceKeys = QStringLiteral(
        "search history navigation_title_vellumar search_placeholder searching search_history "
        "no_search_history ok initial_search_message url_found_message url_failure_message "
        "search_error_message search_no_results_message url_invalid app_not_found success error "
        "save_success_message_icon save_success_message_original download_fail_message_icon "
        "download_fail_message_original save_fail_message permission_denied_message "
        "image_data_error save_fail_generic detail_load_failed section_header_information "
        "section_header_version_history section_header_description section_header_screenshots "
        "save_icon label_track_id label_bundle_id label_version label_min_os label_release_notes "
        "label_appstore_link navigation_title_screenshot screenshot_url_invalid "
        "download_fail_message_screenshot save_success_message_screenshot "
        "navigation_title_download_history history_search_placeholder no_download_history clear "
        "clear_history_alert_title clear_history_alert_message clear_all_button cancel "
        "navigation_title_select_region country_search_prompt done settings "
        "section_header_save_options toggle_save_as_jpeg toggle_save_as_rounded "
        "toggle_save_as_slightly_rounded picker_label_resolution section_header_language Language "
        "about")
                                          .split(QLatin1Char(' '));

    static QStringList placeholders(const QString &text)
    {
        QStringList found;
        for (const QRegularExpressionMatch &match :
            QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
            found.append(match.captured());
        found.sort();
        return found;
    }

private slots:
    void tablesHoldEveryKey()
    {
        QCOMPARE(interfaceKeys.size(), 61);
        QStringList keys = interfaceKeys;
        for (const Country &country : allCountries())
            keys.append(country.nameKey);
        QCOMPARE(keys.size(), 296);

        const QHash<QString, QStringList> formats {
            { QStringLiteral("url_failure_message"), { QStringLiteral("%1") } },
            { QStringLiteral("search_error_message"), { QStringLiteral("%1") } },
            { QStringLiteral("save_fail_message"), { QStringLiteral("%1") } },
            { QStringLiteral("search_no_results_message"),
                { QStringLiteral("%1"), QStringLiteral("%2") } },
        };
        QTranslator chinese, english;
        QVERIFY(chinese.load(QStringLiteral(":/i18n/vellumar_zh_CN.qm")));
        QVERIFY(english.load(QStringLiteral(":/i18n/vellumar_en.qm")));
        for (const QString &key : std::as_const(keys)) {
            const QString zh = chinese.translate(nullptr, key.toUtf8().constData());
            const QString en = english.translate(nullptr, key.toUtf8().constData());
            QVERIFY2(!zh.trimmed().isEmpty() && zh != key, qPrintable(key));
            QVERIFY2(!en.trimmed().isEmpty() && en != key, qPrintable(key));
            QVERIFY2(zh != en || key == QLatin1String("navigation_title_vellumar")
                    || key == QLatin1String("label_bundle_id"),
                qPrintable(key + QStringLiteral(" is not translated")));
            QCOMPARE(placeholders(zh), formats.value(key));
            QCOMPARE(placeholders(en), formats.value(key));
        }
    }

    void startsFromTheStoredChoice_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("language");
        QTest::newRow("nothing stored") << QString() << "zh-Hans";
        QTest::newRow("English") << "en"
                                 << "en";
        QTest::newRow("Chinese") << "zh-Hans"
                                 << "zh-Hans";
        QTest::newRow("unknown") << "fr"
                                 << "zh-Hans";
        QTest::newRow("other case") << "EN"
                                    << "zh-Hans";
    }

    void startsFromTheStoredChoice()
    {
        QFETCH(QString, stored);
        QFETCH(QString, language);
        KeyValueStore store(freshStorePath());
        if (!stored.isNull())
            store.setString(QStringLiteral("selectedLanguage"), stored);
        LocalizationManager manager(store);
        QCOMPARE(manager.currentLanguageRawValue(), language);
        QCOMPARE(qtTrId("search"),
            language == QLatin1String("en") ? QStringLiteral("Search") : QStringLiteral("搜索"));
        // Start-up writes nothing; an unknown value stays until the user picks.
        QCOMPARE(store.stringForKey(QStringLiteral("selectedLanguage")),
            stored.isNull() ? std::nullopt : std::optional<QString>(stored));
    }

    void bothLookupPathsFollowASwitch()
    {
        const QString path = freshStorePath();
        auto store = std::make_unique<KeyValueStore>(path);
        auto manager = std::make_unique<LocalizationManager>(*store);
        QSignalSpy changed(manager.get(), &LocalizationManager::currentLanguageChanged);

        // QML's lookup, evaluated in a QML engine (no module import needed).
        QQmlEngine engine;
        const auto texts = [&] {
            return QStringList { qtTrId("search"),
                engine.evaluate(QStringLiteral("qsTrId('search')")).toString(),
                allCountries().at(43).localizedName() };
        };
        QCOMPARE(texts(), (QStringList { "搜索", "搜索", "中国" }));

        manager->setProperty("currentLanguage", QStringLiteral("en"));
        engine.retranslate();
        QCOMPARE(texts(), (QStringList { "Search", "Search", "China" }));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(store->stringForKey(QStringLiteral("selectedLanguage")), QStringLiteral("en"));

        // Picking the language in effect writes again and tells observers again.
        store->setString(QStringLiteral("selectedLanguage"), QStringLiteral("marker"));
        manager->setCurrentLanguage(Language::english);
        QCOMPARE(changed.size(), 2);
        QCOMPARE(store->stringForKey(QStringLiteral("selectedLanguage")), QStringLiteral("en"));

        QTest::ignoreMessage(QtInfoMsg, "未知的语言: de");
        manager->setProperty("currentLanguage", QStringLiteral("de"));
        QCOMPARE(changed.size(), 2);

        // A restart comes back in English.
        manager.reset();
        store.reset();
        KeyValueStore reopened(path);
        LocalizationManager restarted(reopened);
        QCOMPARE(restarted.currentLanguage(), Language::english);
        restarted.setCurrentLanguage(Language::chinese);
        engine.retranslate();
        QCOMPARE(texts(), (QStringList { "搜索", "搜索", "中国" }));
    }

    void formatsFillByPositionOnce()
    {
        KeyValueStore store(freshStorePath());
        LocalizationManager manager(store);
        manager.setCurrentLanguage(Language::english);
        // An argument holding %1 is not substituted again.
        QCOMPARE(qtTrId("search_no_results_message")
                     .arg(QStringLiteral("United States"), QStringLiteral("50%1 off")),
            QStringLiteral("No apps found for “50%1 off” in United States."));
        QCOMPARE(qtTrId("no_such_key"), QStringLiteral("no_such_key"));
        QCOMPARE(
            LocalizationManager::languageDisplayNames(), (QStringList { "简体中文", "English" }));
        QCOMPARE(LocalizationManager::languages(), (QStringList { "zh-Hans", "en" }));
    }
};

VELLUMAR_TEST_MAIN(tst_Localization)
#include "tst_localization.moc"
