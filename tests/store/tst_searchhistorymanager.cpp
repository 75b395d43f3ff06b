#include "TestEnvironment.h"
#include "store/KeyValueStore.h"
#include "store/SearchHistoryManager.h"

class tst_SearchHistoryManager : public QObject
{
    Q_OBJECT

    int m_stores = 0;
    QString freshStorePath()
    {
        return TestEnvironment::home() + QStringLiteral("/terms-%1.sqlite").arg(++m_stores);
    }

    static QStringList numbered(int count)
    {
        QStringList terms;
        for (int i = 1; i <= count; ++i)
            terms.append(QStringLiteral("t%1").arg(i));
        return terms;
    }

private slots:
    void addSearchTerm_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("term");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("first term") << QStringList() << "a" << QStringList { "a" };
        QTest::newRow("newest first")
            << QStringList { "b", "a" } << "c" << QStringList { "c", "b", "a" };
        QTest::newRow("moves to front")
            << QStringList { "c", "b", "a" } << "a" << QStringList { "a", "c", "b" };
        QTest::newRow("already first")
            << QStringList { "a", "b" } << "a" << QStringList { "a", "b" };
        QTest::newRow("case matters")
            << QStringList { "maps" } << "Maps" << QStringList { "Maps", "maps" };
        QTest::newRow("not trimmed")
            << QStringList { "maps" } << " maps" << QStringList { " maps", "maps" };
        QTest::newRow("empty term") << QStringList { "a" } << "" << QStringList { "", "a" };
        // "é" as one scalar replaces "e" + combining acute, and is stored as given.
        QTest::newRow("NFC replaces NFD")
            << QStringList { QStringLiteral("Cafe\u0301"), "x" } << QStringLiteral("Caf\u00e9")
            << QStringList { QStringLiteral("Caf\u00e9"), "x" };
        QTest::newRow("NFD replaces NFC")
            << QStringList { QStringLiteral("Caf\u00e9") } << QStringLiteral("Cafe\u0301")
            << QStringList { QStringLiteral("Cafe\u0301") };
        QTest::newRow("eleventh drops oldest")
            << numbered(10) << "new" << (QStringList { "new" } + numbered(9));
        QTest::newRow("twelve stored, one in one out")
            << numbered(12) << "new" << (QStringList { "new" } + numbered(11));
        QTest::newRow("twelve stored, existing term")
            << numbered(12) << "t5"
            << (QStringList { "t5", "t1", "t2", "t3", "t4", "t6", "t7", "t8", "t9", "t10", "t11" });
    }

    void addSearchTerm()
    {
        QFETCH(QStringList, stored);
        QFETCH(QString, term);
        QFETCH(QStringList, expected);
        const QString path = freshStorePath();
        {
            KeyValueStore store(path);
            if (!stored.isEmpty())
                store.setStringArray(QStringLiteral("SearchTermHistory"), stored);
            SearchHistoryManager terms(store);
            QCOMPARE(terms.loadSearchHistory(), stored);
            terms.addSearchTerm(term);
        }
        KeyValueStore store(path);
        QCOMPARE(SearchHistoryManager(store).loadSearchHistory(), expected);
    }

    void otherValueTypesReadAsEmpty()
    {
        KeyValueStore store(freshStorePath());
        SearchHistoryManager terms(store);
        store.setString(QStringLiteral("SearchTermHistory"), QStringLiteral("a,b"));
        QVERIFY(terms.loadSearchHistory().isEmpty());
        terms.addSearchTerm(QStringLiteral("c"));
        QCOMPARE(terms.loadSearchHistory(), QStringList { "c" });
    }

    void clearRemovesTheKey()
    {
        const QString path = freshStorePath();
        {
            KeyValueStore store(path);
            SearchHistoryManager terms(store);
            terms.addSearchTerm(QStringLiteral("a"));
            terms.clearAllHistory();
            QVERIFY(terms.loadSearchHistory().isEmpty());
        }
        KeyValueStore store(path);
        QVERIFY(!store.stringArrayForKey(QStringLiteral("SearchTermHistory")));
        QVERIFY(!store.stringForKey(QStringLiteral("SearchTermHistory")));
        QVERIFY(!store.dataForKey(QStringLiteral("SearchTermHistory")));
        QVERIFY(!store.boolForKey(QStringLiteral("SearchTermHistory")));
    }
};

VELLUMAR_TEST_MAIN(tst_SearchHistoryManager)
#include "tst_searchhistorymanager.moc"
