#include "StoreTesting.h"
#include "store/KeyValueStore.h"
#include "store/SearchHistoryManager.h"

class tst_SearchHistoryManager : public QObject
{
    Q_OBJECT

private slots:
    void addSearchTerm_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("term");
        QTest::addColumn<QStringList>("expected");
        const auto terms = [](int from, int to) {
            QStringList list;
            for (int i = from; i <= to; ++i)
                list.append(QStringLiteral("t%1").arg(i));
            return list;
        };
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
        QTest::newRow("ten at most") << terms(1, 10) << "t0" << terms(0, 9);
        QTest::newRow("12 stored, new") << terms(1, 12) << "t0" << terms(0, 11);
        QTest::newRow("12 stored, known")
            << terms(1, 12) << "t5" << QStringList { "t5" } + terms(1, 4) + terms(6, 11);
    }

    // The list after one added term, as a restart reads it; a clear removes the key.
    void addSearchTerm()
    {
        QFETCH(QStringList, stored);
        QFETCH(QString, term);
        QFETCH(QStringList, expected);
        const QString path = StoreTesting::freshPath();
        {
            KeyValueStore store(path);
            if (!stored.isEmpty())
                store.setStringArray(QStringLiteral("SearchTermHistory"), stored);
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
