#include "StoreTesting.h"
#include "TestEnvironment.h"
#include "store/KeyValueStore.h"
#include "store/SearchHistoryManager.h"

class tst_SearchHistoryManager : public QObject
{
    Q_OBJECT

    const QString key = QStringLiteral("SearchTermHistory");

    static QStringList numbered(int from, int to)
    {
        QStringList terms;
        for (int i = from; i <= to; ++i)
            terms.append(QStringLiteral("t%1").arg(i));
        return terms;
    }

private slots:
    void addSearchTerm_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("term");
        QTest::addColumn<QStringList>("expected");
        const QString nfc = QStringLiteral("Caf\u00e9"), nfd = QStringLiteral("Cafe\u0301");
        QTest::newRow("nothing stored") << QStringList() << "a" << QStringList { "a" };
        QTest::newRow("already first")
            << QStringList { "a", "b" } << "a" << QStringList { "a", "b" };
        QTest::newRow("moves to front")
            << QStringList { "c", "b", "a" } << "a" << QStringList { "a", "c", "b" };
        QTest::newRow("case matters")
            << QStringList { "maps" } << "Maps" << QStringList { "Maps", "maps" };
        QTest::newRow("empty term") << QStringList { "a" } << "" << QStringList { "", "a" };
        QTest::newRow("NFC replaces NFD")
            << QStringList { nfd, "x" } << nfc << QStringList { nfc, "x" };
        QTest::newRow("ten at most") << numbered(1, 10) << "t0" << numbered(0, 9);
        QTest::newRow("12 stored, new") << numbered(1, 12) << "t0" << numbered(0, 11);
        QTest::newRow("12 stored, known")
            << numbered(1, 12) << "t5" << QStringList { "t5" } + numbered(1, 4) + numbered(6, 11);
    }

    // The list after one added term, as a restart reads it; a clear removes the key.
    void addSearchTerm()
    {
        QFETCH(QStringList, stored);
        QFETCH(QString, term);
        QFETCH(QStringList, expected);
        const QString path = TestEnvironment::home() + '/' + QTest::currentDataTag() + ".sqlite";
        {
            KeyValueStore store(path);
            if (!stored.isEmpty())
                store.setStringArray(key, stored);
            SearchHistoryManager(store).addSearchTerm(term);
        }
        KeyValueStore store(path);
        SearchHistoryManager history(store);
        QCOMPARE(history.loadSearchHistory(), expected);
        history.clearAllHistory();
        QVERIFY(history.loadSearchHistory().isEmpty());
        QCOMPARE(StoreTesting::query(path, "SELECT count(*) FROM entries"), QByteArray("0"));
    }
};

VELLUMAR_TEST_MAIN(tst_SearchHistoryManager)
#include "tst_searchhistorymanager.moc"
