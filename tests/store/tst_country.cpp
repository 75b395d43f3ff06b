#include "TestEnvironment.h"
#include "store/Country.h"

class tst_Country : public QObject
{
    Q_OBJECT

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
};

VELLUMAR_TEST_MAIN(tst_Country)
#include "tst_country.moc"
