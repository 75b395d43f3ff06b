#include "TestEnvironment.h"
#include "store/Country.h"

class tst_Country : public QObject
{
    Q_OBJECT

private slots:
    void rows_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QList<uint>>("flag");
        QTest::newRow("first") << 1 << "AF" << QList<uint> { 0x1F1E6, 0x1F1EB };
        QTest::newRow("second") << 2 << "AX" << QList<uint> { 0x1F1E6, 0x1F1FD };
        QTest::newRow("China") << 44 << "CN" << QList<uint> { 0x1F1E8, 0x1F1F3 };
        QTest::newRow("US") << 224 << "US" << QList<uint> { 0x1F1FA, 0x1F1F8 };
        QTest::newRow("last") << 235 << "ZW" << QList<uint> { 0x1F1FF, 0x1F1FC };
    }

    void rows()
    {
        QFETCH(int, row);
        QFETCH(QString, code);
        QFETCH(QList<uint>, flag);
        QCOMPARE(allCountries().size(), 235);
        const Country &country = allCountries().at(row - 1);
        QCOMPARE(country.code, code);
        QCOMPARE(country.nameKey, "country_name_" + code.toLower());
        QCOMPARE(country.flag().toUcs4(), flag);
        QCOMPARE(countryForCode(code), country);
    }

    void codesAndIdsAreDistinct()
    {
        QSet<QString> codes;
        QSet<QUuid> ids { QUuid() };
        for (const Country &country : allCountries()) {
            codes.insert(country.code);
            ids.insert(country.id);
        }
        QCOMPARE(codes.size(), 235);
        QCOMPARE(ids.size(), 236); // all distinct, none null
        QVERIFY(!countryForCode("cn") && !countryForCode("XX"));
        Country again = allCountries().at(43); // the same row as another launch would build it
        again.id = QUuid::createUuid();
        QVERIFY(again != allCountries().at(43));
    }
};

VELLUMAR_TEST_MAIN(tst_Country)
#include "tst_country.moc"
