#include "TestEnvironment.h"

#include "workflow/AppStoreURLParser.h"

class tst_AppStoreURLParser : public QObject
{
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isLink");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("country"); // "-" when absent

        QTest::newRow("with region") << "https://apps.apple.com/cn/app/wechat/id414478124" << true << "414478124" << "cn";
        QTest::newRow("no region") << "https://apps.apple.com/app/id414478124" << true << "414478124" << "-";
        QTest::newRow("older host, query") << "https://itunes.apple.com/us/app/x/id42?mt=8" << true << "42" << "us";
        QTest::newRow("any case") << "HTTPS://APPS.APPLE.COM/JP/APP/NAME/ID123" << true << "123" << "JP";
        QTest::newRow("text around it") << "look at apps.apple.com/gb/app/x/id7 please" << true << "7" << "gb";
        QTest::newRow("last /id wins") << "apps.apple.com/app/id1/more/id2" << true << "2" << "-";
        QTest::newRow("overlong id still parses") << "apps.apple.com/app/id99999999999999999999" << true
                                                  << "99999999999999999999" << "-";
        QTest::newRow("three-letter region") << "https://apps.apple.com/usa/app/x/id5" << false << "" << "";
        QTest::newRow("no app segment") << "https://apps.apple.com/cn/developer/id5" << false << "" << "";
        QTest::newRow("other host") << "https://example.com/app/id5" << false << "" << "";
        QTest::newRow("dot is literal") << "https://appsXapple.com/app/id5" << false << "" << "";
        QTest::newRow("plain word") << "Maps" << false << "" << "";
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(bool, isLink);
        QFETCH(QString, id);
        QFETCH(QString, country);

        const auto link = AppStoreURLParser::parse(text);
        QCOMPARE(link.has_value(), isLink);
        if (!link)
            return;
        QCOMPARE(link->id, id);
        QCOMPARE(link->country.value_or(QStringLiteral("-")), country);
    }
};

VELLUMAR_TEST_MAIN(tst_AppStoreURLParser)
#include "tst_appstoreurlparser.moc"
