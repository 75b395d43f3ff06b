#include "TestEnvironment.h"
#include "workflow/AppStoreURLParser.h"

class tst_AppStoreURLParser : public QObject
{
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("id"); // empty: not a store link
        QTest::addColumn<QString>("country"); // "-" when absent

        const auto row = [](const char *name, const char *text, const char *id = "",
                             const char *country = "-") {
            QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(id)
                                << QString::fromUtf8(country);
        };
        row("with region", "https://apps.apple.com/cn/app/wechat/id414478124", "414478124", "cn");
        row("no region", "https://apps.apple.com/app/id414478124", "414478124");
        row("older host, query", "https://itunes.apple.com/us/app/x/id42?mt=8", "42", "us");
        row("any case", "HTTPS://APPS.APPLE.COM/JP/APP/NAME/ID123", "123", "JP");
        row("last /id wins", "apps.apple.com/app/id1/more/id2", "2");
        row("three-letter region", "https://apps.apple.com/usa/app/x/id5");
        row("no app segment", "https://apps.apple.com/cn/developer/id5");
        row("other host", "https://example.com/app/id5");
        row("dot is literal", "https://appsXapple.com/app/id5");
        row("plain word", "Maps");
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, id);
        QFETCH(QString, country);

        const auto link = AppStoreURLParser::parse(text);
        QCOMPARE(link.has_value(), !id.isEmpty());
        if (!link)
            return;
        QCOMPARE(link->id, id);
        QCOMPARE(link->country.value_or(QStringLiteral("-")), country);
    }
};

VELLUMAR_TEST_MAIN(tst_AppStoreURLParser)
#include "tst_appstoreurlparser.moc"
