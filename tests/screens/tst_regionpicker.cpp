#include "ScreenHarness.h"
#include "screens/CountryListModel.h"
#include "store/LocalizationManager.h"

#include <QAbstractItemModel>

class tst_RegionPicker : public ScreenTest
{
    Q_OBJECT

    QAbstractItemModel *rows() const
    {
        return screen->item("countryList")->property("model").value<QAbstractItemModel *>();
    }
    void openPicker()
    {
        QVERIFY(screen->click("regionButton"));
        QVERIFY(screen->waitForPopup("countryListView", true));
    }

private slots:
    void init()
    {
        LocalizationManager::shared()->setCurrentLanguageRawValue(QStringLiteral("en"));
        ScreenTest::init();
    }

    void filtersOnNameOrCode_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("kept"); // some of the rows that must stay
        const QString en = QStringLiteral("en");
        QTest::newRow("code") << en << "cn" << QStringList { "CN" };
        QTest::newRow("upper case") << en << "US" << QStringList { "US", "AU", "BY" };
        QTest::newRow("lower case") << en << "us" << QStringList { "US", "AU", "BY" };
        QTest::newRow("one space") << en << " " << QStringList { "US", "GB" };
        QTest::newRow("no match") << en << "qqq" << QStringList();
        QTest::newRow("chinese name")
            << QStringLiteral("zh-Hans") << "美国" << QStringList { "US" };
    }

    // Every shown row matches on code or in-app name, ignoring case.
    void filtersOnNameOrCode()
    {
        QFETCH(QString, language);
        QFETCH(QString, text);
        QFETCH(QStringList, kept);
        if (language != LocalizationManager::shared()->currentLanguageRawValue()) {
            LocalizationManager::shared()->setCurrentLanguageRawValue(language);
            QVERIFY(ScreenHarness::waitFor([&] { return screen->viewModel() != nullptr; }));
        }
        openPicker();
        screen->typeText(text);
        QCOMPARE(screen->shownText("countryFilterField"), text);

        QStringList codes;
        for (int row = 0; row < rows()->rowCount(); ++row) {
            const QModelIndex index = rows()->index(row, 0);
            const QString code = index.data(CountryListModel::CodeRole).toString();
            const QString name = index.data(CountryListModel::NameRole).toString();
            QVERIFY2(code.contains(text, Qt::CaseInsensitive)
                    || name.contains(text, Qt::CaseInsensitive),
                qPrintable(name));
            codes.append(code);
        }
        for (const QString &code : kept)
            QVERIFY2(codes.contains(code), qPrintable(code));
        QCOMPARE(codes.isEmpty(), kept.isEmpty());
        QVERIFY(screen->find("countryListView")->property("opened").toBool());
    }

    void closesWithOrWithoutAChoice_data()
    {
        QTest::addColumn<QString>("target"); // none: Escape
        QTest::addColumn<QString>("expected");
        QTest::newRow("another region") << "countryRow_JP"
                                        << "JP";
        QTest::newRow("done") << "countryListViewDoneButton"
                              << "CN";
        QTest::newRow("escape") << QString() << "CN";
    }

    // The sheet closes, the region button and the next search follow the
    // choice, and the sheet opens again unfiltered.
    void closesWithOrWithoutAChoice()
    {
        QFETCH(QString, target);
        QFETCH(QString, expected);
        openPicker();
        screen->typeText("jap");
        if (target.isEmpty())
            screen->pressKey(Qt::Key_Escape);
        else
            QVERIFY(ScreenHarness::waitFor([&] { return screen->click(target); }));
        QVERIFY(screen->waitForPopup("countryListView", false));
        QCOMPARE(screen->shownText("regionCode"), expected);
        QCOMPARE(screen->shownText("regionFlag"), expected == "JP" ? "🇯🇵" : "🇨🇳");
        QVERIFY(screen->submit("harbor"));
        QCOMPARE(requestsContaining("GET /search?term=harbor&country=" + expected.toLatin1()), 1);

        openPicker();
        QCOMPARE(screen->shownText("countryFilterField"), QString());
        QCOMPARE(rows()->rowCount(), 235);
    }
};

VELLUMAR_TEST_MAIN(tst_RegionPicker)
#include "tst_regionpicker.moc"
