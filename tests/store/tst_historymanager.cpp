#include "ConsoleCapture.h"
#include "TestEnvironment.h"
#include "store/HistoryManager.h"
#include "store/KeyValueStore.h"
#include "store/TemporaryDirectory.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

// The download history on the real store, and the clearing of the
// application's temporary folder, in the isolated TMPDIR.
class tst_HistoryManager : public QObject
{
    Q_OBJECT

    int m_stores = 0;
    QString freshStorePath()
    {
        return TestEnvironment::home() + QStringLiteral("/history-%1/store.sqlite").arg(++m_stores);
    }

    static AppItem item(qint64 id, const QString &name = QString())
    {
        AppItem item;
        item.trackId = id;
        item.trackName = name.isEmpty() ? QStringLiteral("App %1").arg(id) : name;
        item.artworkUrl100 = QStringLiteral("https://example.invalid/%1/100x100bb.jpg").arg(id);
        item.artworkUrl512 = QStringLiteral("https://example.invalid/%1/512x512bb.jpg").arg(id);
        item.countryCode = QStringLiteral("US");
        return item;
    }

    static QList<qint64> ids(const QList<AppItem> &items)
    {
        QList<qint64> result;
        for (const AppItem &entry : items)
            result.append(entry.trackId);
        return result;
    }

    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void keepsNewestFirstWithoutDuplicates()
    {
        const QString path = freshStorePath();
        ConsoleCapture console;
        ConsoleCapture::lines().clear();
        {
            KeyValueStore store(path);
            HistoryManager history(store);
            QVERIFY(history.loadHistory().isEmpty());
            QVERIFY(!store.dataForKey(QStringLiteral("DownloadHistory")));

            history.addHistory(item(1));
            history.addHistory(item(2));
            history.addHistory(item(3));
            QCOMPARE(ids(history.loadHistory()), (QList<qint64> { 3, 2, 1 }));

            // Same trackId, newer name: the stored entry and document stay as they were.
            const QByteArray before = *store.dataForKey(QStringLiteral("DownloadHistory"));
            history.addHistory(item(2, QStringLiteral("Renamed")));
            QCOMPARE(*store.dataForKey(QStringLiteral("DownloadHistory")), before);

            AppItem noRegion = item(4);
            noRegion.countryCode.reset();
            history.addHistory(noRegion);
        }
        // After a restart: the same list, field for field.
        KeyValueStore store(path);
        HistoryManager history(store);
        const QList<AppItem> loaded = history.loadHistory();
        QCOMPARE(ids(loaded), (QList<qint64> { 4, 3, 2, 1 }));
        QCOMPARE(loaded.at(2), item(2));
        QVERIFY(!loaded.at(0).countryCode.has_value());

        history.removeHistory(item(99));
        QCOMPARE(ids(history.loadHistory()), (QList<qint64> { 4, 3, 2, 1 }));
        QCOMPARE(ConsoleCapture::lines(), QStringList());
    }

    void removesEveryEntryWithTheId()
    {
        KeyValueStore store(freshStorePath());
        // Written by something else: trackId 7 twice.
        store.setData(QStringLiteral("DownloadHistory"),
            QJsonDocument(QJsonArray { item(7).toJson(), item(8).toJson(),
                              item(7, QStringLiteral("Other")).toJson() })
                .toJson());
        HistoryManager history(store);
        history.removeHistory(item(7));
        QCOMPARE(ids(history.loadHistory()), (QList<qint64> { 8 }));

        history.clearAllHistory();
        QCOMPARE(*store.dataForKey(QStringLiteral("DownloadHistory")), QByteArray("[]"));
        QVERIFY(history.loadHistory().isEmpty());
    }

    void keepsACopyOfAnUnreadableDocument_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("not JSON") << QByteArray("\xff\xfe not json at all");
        QTest::newRow("not an array") << QByteArray("{\"trackId\":1}");
        QTest::newRow("a record with a wrong type")
            << QByteArray("[{\"trackId\":\"1\",\"trackName\":\"A\",\"artworkUrl100\":\"x\","
                          "\"artworkUrl512\":\"y\"}]");
    }

    void keepsACopyOfAnUnreadableDocument()
    {
        QFETCH(QByteArray, stored);
        const QString path = freshStorePath();
        KeyValueStore store(path);
        store.setData(QStringLiteral("DownloadHistory"), stored);
        HistoryManager history(store);
        ConsoleCapture console;
        ConsoleCapture::lines().clear();

        QVERIFY(history.loadHistory().isEmpty());
        QCOMPARE(ConsoleCapture::lines().size(), 1);
        QVERIFY(ConsoleCapture::lines().at(0).startsWith(QStringLiteral("加载历史失败: ")));
        QCOMPARE(*store.dataForKey(QStringLiteral("DownloadHistory")),
            stored); // reading changes nothing

        history.addHistory(item(5));
        QCOMPARE(ids(history.loadHistory()), (QList<qint64> { 5 }));
        const QStringList copies
            = QFileInfo(path).dir().entryList({ QStringLiteral("DownloadHistory-*") });
        QCOMPARE(copies.size(), 1);
        const QString copy = QFileInfo(path).dir().filePath(copies.first());
        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), stored);
        QVERIFY(ConsoleCapture::lines().contains(
            QStringLiteral("无法读取的下载历史已另存为: ") + copy));
    }

    // Clearing empties the application's own folder only: a file beside it in
    // TMPDIR and the target of a link inside it survive.
    void clearingEmptiesOnlyTheApplicationFolder()
    {
        const Result<QString> folder = applicationTemporaryDirectory();
        QVERIFY(folder.ok());
        QVERIFY(folder.value().startsWith(QDir::tempPath() + QStringLiteral("/vellumar-")));
        QCOMPARE(QFileInfo(folder.value()).permissions() & 0x0077, QFileDevice::Permissions());

        const QString beside = QDir::tempPath() + QStringLiteral("/other-program.txt");
        const QString linkTarget = QDir::tempPath() + QStringLiteral("/other-folder/keep.txt");
        writeFile(beside, "not ours");
        writeFile(linkTarget, "not ours either");
        writeFile(folder.value() + QStringLiteral("/a.png"), "a");
        writeFile(folder.value() + QStringLiteral("/.hidden"), "h");
        writeFile(folder.value() + QStringLiteral("/sub/deeper/b.jpg"), "b");
        QVERIFY(QFile::link(
            QFileInfo(linkTarget).absolutePath(), folder.value() + QStringLiteral("/link")));

        KeyValueStore store(freshStorePath());
        HistoryManager history(store);
        history.addHistory(item(1));
        ConsoleCapture console;
        ConsoleCapture::lines().clear();
        history.clearAllHistory();

        QCOMPARE(ConsoleCapture::lines(),
            (QStringList { QStringLiteral("--- 找到了 4 个临时文件，准备清空..."),
                QStringLiteral("--- 临时文件夹清空成功 ---") }));
        QVERIFY(
            QDir(folder.value())
                .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
        QVERIFY(QFile::exists(beside));
        QVERIFY(QFile::exists(linkTarget));
        QVERIFY(history.loadHistory().isEmpty());

        // Nothing left: the count is 0 and it still succeeds.
        ConsoleCapture::lines().clear();
        history.clearAllHistory();
        QCOMPARE(ConsoleCapture::lines().first(),
            QStringLiteral("--- 找到了 0 个临时文件，准备清空..."));
    }

    // A link planted under the folder's name is refused, not followed.
    void refusesAFolderThatIsALink()
    {
        const QString folder = applicationTemporaryDirectory().value();
        const QString elsewhere = QDir::tempPath() + QStringLiteral("/elsewhere/precious.txt");
        writeFile(elsewhere, "keep");
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(QFile::link(QFileInfo(elsewhere).absolutePath(), folder));

        KeyValueStore store(freshStorePath());
        HistoryManager history(store);
        history.addHistory(item(1));
        ConsoleCapture console;
        ConsoleCapture::lines().clear();
        history.clearAllHistory();

        QCOMPARE(ConsoleCapture::lines().size(), 1);
        QVERIFY(
            ConsoleCapture::lines().at(0).startsWith(QStringLiteral("--- 清空临时文件夹失败: ")));
        QVERIFY(ConsoleCapture::lines().at(0).endsWith(QStringLiteral(" ---")));
        QVERIFY(QFile::exists(elsewhere));
        QVERIFY(history.loadHistory().isEmpty()); // the history is cleared all the same
        QVERIFY(!applicationTemporaryDirectory().ok());
        QVERIFY(QFile::remove(folder));
    }
};

VELLUMAR_TEST_MAIN(tst_HistoryManager)
#include "tst_historymanager.moc"
