#include "TestEnvironment.h"
#include "store/Country.h"

#include <QSet>

class tst_Country : public QObject
{
    Q_OBJECT

private slots:
    void tableRows_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("nameKey");
        QTest::newRow("first") << 1 << "AF"
                               << "country_name_af";
        QTest::newRow("China") << 44 << "CN"
                               << "country_name_cn";
        QTest::newRow("United Kingdom") << 223 << "GB"
                                        << "country_name_gb";
        QTest::newRow("United States") << 224 << "US"
                                       << "country_name_us";
        QTest::newRow("last") << 235 << "ZW"
                              << "country_name_zw";
    }

    void tableRows()
    {
        QFETCH(int, row);
        QFETCH(QString, code);
        QFETCH(QString, nameKey);
        QCOMPARE(allCountries().size(), 235);
        const Country &country = allCountries().at(row - 1);
        QCOMPARE(country.code, code);
        QCOMPARE(country.nameKey, nameKey);
        QCOMPARE(countryForCode(code), country);
    }

    void codesAndIdsAreDistinct()
    {
        QSet<QString> codes;
        QSet<QUuid> ids;
        for (const Country &country : allCountries()) {
            QVERIFY2(country.nameKey == QStringLiteral("country_name_") + country.code.toLower(),
                qPrintable(country.code));
            QVERIFY(!country.id.isNull());
            codes.insert(country.code);
            ids.insert(country.id);
        }
        QCOMPARE(codes.size(), 235);
        QCOMPARE(ids.size(), 235);
        QVERIFY(!countryForCode(QStringLiteral("cn")));
        QVERIFY(!countryForCode(QStringLiteral("XX")));

        // Same code and key with another id (another launch) is another row.
        Country again = allCountries().at(43);
        again.id = QUuid::createUuid();
        QVERIFY(again != allCountries().at(43));
    }

    void flags_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QList<uint>>("scalars");
        QTest::newRow("US") << "US" << QList<uint> { 0x1F1FA, 0x1F1F8 };
        QTest::newRow("AX") << "AX" << QList<uint> { 0x1F1E6, 0x1F1FD };
        QTest::newRow("CN") << "CN" << QList<uint> { 0x1F1E8, 0x1F1F3 };
    }

    void flags()
    {
        QFETCH(QString, code);
        QFETCH(QList<uint>, scalars);
        QCOMPARE(countryForCode(code)->flag().toUcs4(), scalars);
    }
};

VELLUMAR_TEST_MAIN(tst_Country)
#include "tst_country.moc"
