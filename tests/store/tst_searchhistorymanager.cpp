#include "TestEnvironment.h"
#include "store/KeyValueStore.h"
#include "store/SearchHistoryManager.h"

class tst_SearchHistoryManager : public QObject
{
    Q_OBJECT

    int m_stores = 0;
    QString freshStorePath()
    {
        return TestEnvironment::home() + QStringLiteral("/t%1.sqlite").arg(++m_stores);
    }
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
        QTest::newRow("first") << QStringList() << "a" << QStringList { "a" };
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
        QTest::newRow("NFC replaces NFD")
            << QStringList { nfd, "x" } << nfc << QStringList { nfc, "x" };
        QTest::newRow("NFD replaces NFC") << QStringList { nfc } << nfd << QStringList { nfd };
        QTest::newRow("eleventh") << numbered(1, 10) << "t0" << numbered(0, 9);
        QTest::newRow("12 stored, new") << numbered(1, 12) << "t0" << numbered(0, 11);
        QTest::newRow("12 stored, known")
            << numbered(1, 12) << "t5" << QStringList { "t5" } + numbered(1, 4) + numbered(6, 11);
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
                store.setStringArray(key, stored);
            SearchHistoryManager terms(store);
            QCOMPARE(terms.loadSearchHistory(), stored);
            terms.addSearchTerm(term);
        }
        KeyValueStore store(path);
        QCOMPARE(SearchHistoryManager(store).loadSearchHistory(), expected);
    }

    void otherTypesReadAsEmptyAndClearRemovesTheKey()
    {
        KeyValueStore store(freshStorePath());
        SearchHistoryManager terms(store);
        store.setString(key, QStringLiteral("a,b"));
        QVERIFY(terms.loadSearchHistory().isEmpty());
        terms.addSearchTerm(QStringLiteral("c"));
        QCOMPARE(terms.loadSearchHistory(), QStringList { "c" });

        terms.clearAllHistory();
        // Removed, not emptied: no read of any kind finds it.
        QVERIFY(
            !store.stringArrayForKey(key) && !store.stringForKey(key) && !store.dataForKey(key));
    }
};

VELLUMAR_TEST_MAIN(tst_SearchHistoryManager)
#include "tst_searchhistorymanager.moc"
