// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StoreTesting.h"
#include "store/HistoryManager.h"
#include "store/KeyValueStore.h"
#include "store/SearchHistoryManager.h"
#include "store/SettingsManager.h"
#include "store/TemporaryDirectory.h"
#include "workflow/ApplicationContext.h"
#include "workflow/ContentViewModel.h"
#include "workflow/HistoryViewModel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRandomGenerator>

#include <cstdio>

using namespace StoreTesting;
using Terms = std::tuple<QStringList, QString, QStringList>;

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
        const AppItem regionless { 4, QStringLiteral("App"), {}, {}, std::nullopt };
        for (const AppItem &entry : { item(1), item(2), item(3), item(2, "Renamed"), regionless })
            history.addHistory(entry);
        KeyValueStore restarted(path);
        QCOMPARE(HistoryManager(restarted).loadHistory(),
            (QList<AppItem> { regionless, item(3), item(2), item(1) }));

        // Another writer's document, with 7 twice: a known trackId is not added
        // again, and a removal takes every 7.
        store.setData(key,
            QJsonDocument(QJsonArray { item(7).toJson(), item(8).toJson(), item(7).toJson() })
                .toJson());
        history.addHistory(item(8, "Renamed"));
        history.removeHistory(item(7));
        QCOMPARE(history.loadHistory(), QList<AppItem> { item(8) });

        // Removed entries go back to their places, except one saved again meanwhile.
        store.setData(key, QByteArray());
        for (const int id : { 5, 4, 3, 2, 1 })
            history.addHistory(item(id));
        const auto removed = history.removeHistory(QList { item(2), item(4), item(5) });
        QVERIFY(removed && removed->size() == 3);
        history.addHistory(item(4, "Again"));
        QVERIFY(history.restoreHistory(removed.value()));
        QCOMPARE(history.loadHistory(),
            (QList<AppItem> { item(4, "Again"), item(1), item(2), item(3), item(5) }));
        history.clearAllHistory();
        QCOMPARE(store.dataForKey(key), QByteArray("[]"));
        QVERIFY(history.loadHistory().isEmpty());
    }

    // A document that does not decode reads as empty after one line and stays
    // until a copy of it is safe beside the store; then an add replaces it.
    void unreadable()
    {
        const QByteArray entry
            = R"([{"trackId":1,"trackName":"A","artworkUrl100":"","artworkUrl512":""}])";
        // Not JSON, a trackId as text; no room for a copy.
        for (const auto &[stored, copyFails] : { std::pair { QByteArray("\0\xff[", 3), false },
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
            QCOMPARE(readFile(copies.first().filePath()), stored);
            QCOMPARE(console.last(), "无法读取的下载历史已另存为: " + copies.first().filePath());
            QCOMPARE(history.loadHistory(), QList<AppItem> { item(5) });
        }
    }

    // Only the application's folder is emptied: a file beside it and the target
    // of a link inside stay.
    void clearing()
    {
        const QString folder = applicationTemporaryDirectory().value();
        const QString beside = QDir::tempPath() + "/other-program.txt";
        const QString linked = QDir::tempPath() + "/other-folder/keep.txt";
        for (const QString &path :
            { beside, linked, folder + "/1.png", folder + "/2/b/c.jpg", folder + "/3.png" })
            QVERIFY(writeFile(path, "x"));
        QVERIFY(QFile::link(QFileInfo(linked).absolutePath(), folder + "/4-link"));
        KeyValueStore store(freshPath());
        HistoryManager(store).clearAllHistory();
        QCOMPARE(console,
            QStringList({ "--- 找到了 4 个临时文件，准备清空...", "--- 临时文件夹清空成功 ---" }));
        QVERIFY(QDir(folder).isEmpty(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot));
        QVERIFY(QFile::exists(beside) && QFile::exists(linked));
    }

    // A store that cannot be written keeps what it holds; a setting holds for the run; the
    // screens' models say so through their context, once a write, in words.
    void unwritableStoresSaySo()
    {
        const QString path = freshPath(), folder = QFileInfo(path).absolutePath();
        {
            KeyValueStore store(path);
            QVERIFY(HistoryManager(store).addHistory(item(1)));
        }
        const auto restore = qScopeGuard([&] { setReadOnly(folder, false); });
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner) && setReadOnly(folder, true));
        ApplicationContext context(path);
        QSignalSpy reported(&context, &ApplicationContext::failureReported);
        context.settings().setPlatform(Platform::Mac);
        HistoryViewModel history(context);
        history.loadHistory();
        history.deleteItems({ 0 });
        ContentViewModel(context).clearSearchHistory();
        QCOMPARE(reported.count(), 3);
        for (const QList<QVariant> &failure : std::as_const(reported))
            QCOMPARE(failure.value(0).toString(),
                (Error { {}, 0, {}, Error::Kind::writeFailed }.localizedDescription()));
        QCOMPARE(history.historyItems()->items(), QList<AppItem> { item(1) });
        QCOMPARE(context.settings().platform(), Platform::Mac);
    }

    void addSearchTerm_data()
    {
        QTest::addColumn<Terms>("terms"); // stored, added, then read
        using L = QStringList;
        const L t = QString("t0 t1 t2 t3 t4 t5 t6 t7 t8 t9 t10 t11 t12").split(' ');
        const QString nfc = QStringLiteral("Caf\u00e9"), nfd = QStringLiteral("Cafe\u0301");
        QTest::newRow("nothing stored") << Terms { {}, "a", { "a" } };
        QTest::newRow("moves to front") << Terms { { "c", "b", "a" }, "a", { "a", "c", "b" } };
        QTest::newRow("case matters") << Terms { { "maps" }, "Maps", { "Maps", "maps" } };
        QTest::newRow("empty term") << Terms { { "a" }, "", { "", "a" } };
        QTest::newRow("NFC replaces NFD") << Terms { { nfd, "x" }, nfc, { nfc, "x" } };
        QTest::newRow("ten at most") << Terms { t.mid(1, 10), "t0", t.mid(0, 10) };
        QTest::newRow("12 stored, known")
            << Terms { t.mid(1), "t5", L { "t5" } + t.mid(1, 4) + t.mid(6, 6) };
        // A crafted value reads as its first 100 terms, each at most 1,000 characters long.
        const L crafted = L { QString(5000, u'x') } + L(149, "t"), larger = crafted + L(29999, "t");
        QTest::newRow("crafted") << Terms { crafted, "n",
            L { "n", QString(1000, u'x') } + L(98, "t") };
        QTest::newRow("crafted, larger")
            << Terms { larger, "n", L { "n", QString(1000, u'x') } + L(98, "t") };
    }

    // The list after one added term; a clear removes the key.
    void addSearchTerm()
    {
        QFETCH(Terms, terms);
        const auto &[stored, term, expected] = terms;
        const QString path = freshPath();
        KeyValueStore store(path);
        if (!stored.isEmpty())
            store.setStringArray(QStringLiteral("SearchTermHistory"), stored);
        SearchHistoryManager(store).addSearchTerm(term);
        SearchHistoryManager history(store); // as a restart finds it
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
