#include "StoreTesting.h"
#include "store/HistoryManager.h"
#include "store/KeyValueStore.h"
#include "store/SearchHistoryManager.h"
#include "store/TemporaryDirectory.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRandomGenerator>

#include <cstdio>

using namespace StoreTesting;

static AppItem item(qint64 id, const QString &name = QStringLiteral("App"))
{
    const QString art = QStringLiteral("https://a.invalid/%1/").arg(id);
    return AppItem { id, name, art + "100x100bb.jpg", art + "512x512bb.jpg", QStringLiteral("US") };
}

class tst_Histories : public QObject
{
    Q_OBJECT

    const QString key = QStringLiteral("DownloadHistory");

private slots:
    void init() { captureConsole(); }

    void operations()
    {
        const QString path = freshPath();
        KeyValueStore store(path);
        HistoryManager history(store);
        QVERIFY(history.loadHistory().isEmpty());
        AppItem regionless = item(4);
        regionless.countryCode.reset();
        for (const AppItem &entry : { item(1), item(2), item(3), item(2, "Renamed"), regionless })
            history.addHistory(entry);
        KeyValueStore restarted(path);
        QCOMPARE(HistoryManager(restarted).loadHistory(),
            (QList<AppItem> { regionless, item(3), item(2), item(1) }));

        // Another writer's document, with 7 twice: adding a known trackId writes
        // nothing, a removal rewrites it even when nothing goes, and takes every 7.
        const QJsonDocument other(
            QJsonArray { item(7).toJson(), item(8).toJson(), item(7).toJson() });
        store.setData(key, other.toJson(QJsonDocument::Indented));
        history.addHistory(item(8, "Renamed"));
        QCOMPARE(store.dataForKey(key), other.toJson(QJsonDocument::Indented));
        history.removeHistory(item(9));
        QCOMPARE(store.dataForKey(key), other.toJson(QJsonDocument::Compact));
        history.removeHistory(item(7));
        QCOMPARE(history.loadHistory(), QList<AppItem> { item(8) });
        history.clearAllHistory();
        QCOMPARE(store.dataForKey(key), QByteArray("[]"));
        QVERIFY(history.loadHistory().isEmpty());
        QCOMPARE(console,
            (QStringList { "--- 找到了 0 个临时文件，准备清空...", "--- 临时文件夹清空成功 ---" }));
    }

    // A document that does not decode reads as empty after one line and stays
    // until a copy of it is safe beside the store; then an add replaces it.
    void unreadable()
    {
        const QByteArray entry
            = R"([{"trackId":1,"trackName":"A","artworkUrl100":"","artworkUrl512":""}])";
        // Not JSON, not an array, an array of numbers, a trackId as text; no room for a copy.
        for (const auto &[stored, copyFails] : { std::pair { QByteArray("\0\xff[", 3), false },
                 { entry.sliced(1).chopped(1), false }, { QByteArray("[1]"), false },
                 { QByteArray(entry).replace(":1,", ":\"1\","), false },
                 { entry.chopped(1), true } }) {
            captureConsole();
            const QString path = freshPath(), folder = QFileInfo(path).absolutePath();
            KeyValueStore store(path);
            store.setData(key, stored);
            HistoryManager history(store);
            QVERIFY(history.loadHistory().isEmpty());
            QCOMPARE(console.replaceInStrings(QRegularExpression(": .*"), ": "),
                QStringList { "加载历史失败: " });
            QVERIFY(!copyFails || setReadOnly(folder, true));
            history.addHistory(item(5));
            setReadOnly(folder, false);
            const QFileInfoList copies = QDir(folder).entryInfoList({ "DownloadHistory-*.bak" });
            QCOMPARE(copies.size(), copyFails ? 0 : 1);
            if (copyFails) {
                QVERIFY(console.last().startsWith("保存历史失败: "));
                QCOMPARE(store.dataForKey(key), stored);
                continue;
            }
            QFile copy(copies.first().filePath());
            QVERIFY(copy.open(QIODevice::ReadOnly));
            QCOMPARE(copy.readAll(), stored);
            QCOMPARE(console.last(), "无法读取的下载历史已另存为: " + copy.fileName());
            QCOMPARE(history.loadHistory(), QList<AppItem> { item(5) });
        }
    }

    // Only the application's folder is emptied, in name order, up to the first
    // entry that cannot go: a file beside it and the target of a link inside stay.
    void clearing()
    {
        for (const bool secondFails : { false, true }) {
            captureConsole();
            const QString folder = applicationTemporaryDirectory().value();
            const QString beside = QDir::tempPath() + "/other-program.txt";
            const QString linked = QDir::tempPath() + "/other-folder/keep.txt";
            for (const QString &path :
                { beside, linked, folder + "/1.png", folder + "/2/b/c.jpg", folder + "/3.png" })
                QVERIFY(writeFile(path, "x"));
            QVERIFY(QFile::link(QFileInfo(linked).absolutePath(), folder + "/4-link"));
            QVERIFY(!secondFails || setReadOnly(folder + "/2/b", true));
            KeyValueStore store(freshPath());
            HistoryManager(store).clearAllHistory();
            setReadOnly(folder + "/2/b", false);
            QCOMPARE(console.replaceInStrings(QRegularExpression("/2: .*"), "/2: "),
                QStringList({ "--- 找到了 4 个临时文件，准备清空...",
                    secondFails ? "--- 清空临时文件夹失败: " + folder + "/2: "
                                : "--- 临时文件夹清空成功 ---" }));
            QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                secondFails ? QStringList({ "2", "3.png", "4-link" }) : QStringList());
            QVERIFY(QFile::exists(beside) && QFile::exists(linked));
            QDir(folder + "/2").removeRecursively();
        }
    }

    void addSearchTerm_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("term");
        QTest::addColumn<QStringList>("expected");
        using L = QStringList;
        const L t = QString("t0 t1 t2 t3 t4 t5 t6 t7 t8 t9 t10 t11 t12").split(' ');
        const QString nfc = QStringLiteral("Caf\u00e9"), nfd = QStringLiteral("Cafe\u0301");
        QTest::newRow("nothing stored") << L() << "a" << L { "a" };
        QTest::newRow("already first") << L { "a", "b" } << "a" << L { "a", "b" };
        QTest::newRow("moves to front") << L { "c", "b", "a" } << "a" << L { "a", "c", "b" };
        QTest::newRow("case matters") << L { "maps" } << "Maps" << L { "Maps", "maps" };
        QTest::newRow("empty term") << L { "a" } << "" << L { "", "a" };
        QTest::newRow("NFC replaces NFD") << L { nfd, "x" } << nfc << L { nfc, "x" };
        QTest::newRow("ten at most") << t.mid(1, 10) << "t0" << t.mid(0, 10);
        QTest::newRow("12 stored, new") << t.mid(1) << "t0" << t.mid(0, 12);
        QTest::newRow("12 stored, known")
            << t.mid(1) << "t5" << L { "t5" } + t.mid(1, 4) + t.mid(6, 6);
    }

    // The list after one added term, as a restart reads it; a clear removes the key.
    void addSearchTerm()
    {
        QFETCH(QStringList, stored);
        QFETCH(QString, term);
        QFETCH(QStringList, expected);
        const QString path = freshPath();
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
        QCOMPARE(query(path, "SELECT count(*) FROM entries"), QByteArray("0"));
    }

    // Pairs of writers adding at once, killed at random moments, then a pair
    // adding 150 each to their end: every entry a writer saw added is there.
    void writersLoseNothing()
    {
        const QString path = freshPath();
        KeyValueStore store(path);
        HistoryManager history(store);
        QVERIFY(history.loadHistory().isEmpty()); // what this process read must not hide theirs
        QList<qint64> added;
        for (int round = 1; round <= 6; ++round) {
            const bool last = round == 6;
            QProcess writers[2];
            for (int n = 0; n < 2; ++n)
                writers[n].start(QCoreApplication::applicationFilePath(),
                    { "--writer", path, QString::number(round * 100000 + n * 10000),
                        last ? "150" : "10000" });
            for (QProcess &writer : writers) {
                QByteArray lines;
                const int before = QRandomGenerator::global()->bounded(1, 40);
                while (!last && lines.count('\n') < before && writer.waitForReadyRead(60000))
                    lines += writer.readAllStandardOutput();
                if (!last)
                    writer.kill();
                QVERIFY(writer.waitForFinished(120000));
                QVERIFY2(!last || writer.exitCode() == 0, writer.readAllStandardError());
                lines += writer.readAllStandardOutput();
                lines.truncate(lines.lastIndexOf('\n') + 1); // the last line may be cut short
                for (const QByteArray &line : lines.split('\n'))
                    if (!line.isEmpty())
                        added.append(line.toLongLong());
            }
        }
        QCOMPARE(query(path, "PRAGMA integrity_check"), QByteArray("ok"));
        QList<qint64> stored;
        for (const AppItem &entry : history.loadHistory())
            stored.append(entry.trackId);
        const QSet<qint64> unique(stored.cbegin(), stored.cend());
        QCOMPARE(unique.size(), stored.size());
        QCOMPARE(QSet<qint64>(added.cbegin(), added.cend()) - unique, QSet<qint64>());
        QCOMPARE(std::ranges::count_if(added, [](qint64 id) { return id >= 600000; }), 300);
    }
};

int main(int argc, char *argv[])
{
    // The test starts copies of itself as writers: each adds <count> items from
    // <first> on, printing each trackId once added.
    if (argc == 5 && qstrcmp(argv[1], "--writer") == 0) {
        KeyValueStore store(QString::fromLocal8Bit(argv[2]));
        HistoryManager history(store);
        for (qint64 id = atoll(argv[3]), end = id + atoll(argv[4]); id < end; ++id) {
            history.addHistory(item(id));
            std::printf("%lld\n", id);
            std::fflush(stdout);
        }
        return 0;
    }
    TestEnvironment::isolate();
    QCoreApplication app(argc, argv);
    tst_Histories test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_histories.moc"
