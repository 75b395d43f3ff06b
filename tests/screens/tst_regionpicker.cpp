#include "ScreenHarness.h"
#include "TestEnvironment.h"
#include "screens/CountryListModel.h"
#include "store/LocalizationManager.h"

#include <QAbstractItemModel>

class tst_RegionPicker : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScreenHarness> screen;

    QAbstractItemModel *rows() const
    {
        return screen->item("countryList")->property("model").value<QAbstractItemModel *>();
    }
    QStringList shown(int role) const
    {
        QStringList values;
        for (int row = 0; row < rows()->rowCount(); ++row)
            values.append(rows()->index(row, 0).data(role).toString());
        return values;
    }
    QString region() const
    {
        return screen->viewModel()->property("selectedCountryCode").toString();
    }

    void openPicker()
    {
        QVERIFY(screen->click("regionButton"));
        QVERIFY(screen->waitForPopup(QStringLiteral("countryListView"), true));
    }

private slots:
    void init()
    {
        LocalizationManager::shared()->setCurrentLanguageRawValue(QStringLiteral("en"));
        screen = std::make_unique<ScreenHarness>();
        QVERIFY(screen->window());
    }

    void cleanup() { screen.reset(); }

    void filtersOnNameOrCode_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<QStringList>("dropped");
        const auto codes = [](const char *list) {
            return QString::fromLatin1(list).split(u' ', Qt::SkipEmptyParts);
        };
        const QString en = QStringLiteral("en");
        QTest::newRow("code") << en << "cn" << codes("CN") << codes("US JP");
        QTest::newRow("upper case") << en << "US" << codes("US AU BY") << codes("CN");
        QTest::newRow("lower case") << en << "us" << codes("US AU BY") << codes("CN");
        QTest::newRow("one space") << en << " " << codes("US GB") << codes("CN AU");
        QTest::newRow("no match") << en << "qqq" << QStringList() << codes("CN US");
        QTest::newRow("chinese name")
            << QStringLiteral("zh-Hans") << "美国" << codes("US") << codes("CN");
    }

    void filtersOnNameOrCode()
    {
        QFETCH(QString, language);
        QFETCH(QString, text);
        QFETCH(QStringList, kept);
        QFETCH(QStringList, dropped);
        if (language != LocalizationManager::shared()->currentLanguageRawValue()) {
            LocalizationManager::shared()->setCurrentLanguageRawValue(language);
            QVERIFY(ScreenHarness::waitFor([&] { return screen->viewModel() != nullptr; }));
        }
        openPicker();
        screen->typeText(text);
        QCOMPARE(screen->item("countryFilterField")->property("text").toString(), text);

        const QStringList codes = shown(CountryListModel::CodeRole);
        const QStringList names = shown(CountryListModel::NameRole);
        for (const QString &code : kept)
            QVERIFY2(codes.contains(code), qPrintable(code));
        for (const QString &code : dropped)
            QVERIFY2(!codes.contains(code), qPrintable(code));
        for (int i = 0; i < codes.size(); ++i)
            QVERIFY2(codes[i].contains(text, Qt::CaseInsensitive)
                    || names[i].contains(text, Qt::CaseInsensitive),
                qPrintable(names[i]));
        QCOMPARE(codes.isEmpty(), kept.isEmpty());
        QVERIFY(screen->find(QStringLiteral("countryListView"))->property("opened").toBool());
    }

    void closesWithOrWithoutAChoice_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("expected");
        const QString jap = QStringLiteral("jap");
        QTest::newRow("another region") << jap << "countryRow_JP"
                                        << "JP";
        QTest::newRow("done") << jap << "countryListViewDoneButton"
                              << "CN";
        QTest::newRow("escape") << jap << QString() << "CN";
    }

    void closesWithOrWithoutAChoice()
    {
        QFETCH(QString, filter);
        QFETCH(QString, target);
        QFETCH(QString, expected);
        openPicker();
        screen->typeText(filter);
        if (target.isEmpty())
            screen->pressKey(Qt::Key_Escape);
        else
            QVERIFY(ScreenHarness::waitFor([&] { return screen->click(target); }));
        QVERIFY(screen->waitForPopup(QStringLiteral("countryListView"), false));
        QCOMPARE(region(), expected);

        openPicker();
        QCOMPARE(screen->item("countryFilterField")->property("text").toString(), QString());
        QCOMPARE(rows()->rowCount(), 235);
    }
};

VELLUMAR_TEST_MAIN(tst_RegionPicker)
#include "tst_regionpicker.moc"
