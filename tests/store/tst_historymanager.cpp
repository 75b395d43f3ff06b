#include "TestEnvironment.h"
#include "store/HistoryManager.h"
#include "store/KeyValueStore.h"
#include "store/TemporaryDirectory.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {
QStringList console; // the console lines of the running test
void capture(QtMsgType, const QMessageLogContext &, const QString &line)
{
    console.append(line);
}

AppItem item(qint64 id, const QString &name = QStringLiteral("App"))
{
    const QString art = QStringLiteral("https://a.invalid/%1/").arg(id);
    return AppItem { id, name, art + "100x100bb.jpg", art + "512x512bb.jpg", QStringLiteral("US") };
}

// The entries as the JSON parser and AppItem's own decoding read them, or
// nothing when the document does not decode.
std::optional<QList<AppItem>> reference(const QByteArray &document)
{
    const QJsonDocument json = QJsonDocument::fromJson(document);
    if (!json.isArray())
        return std::nullopt;
    QList<AppItem> items;
    for (const QJsonValue &value : json.array()) {
        const Result<AppItem> item = AppItem::decode(value.toObject());
        if (!value.isObject() || !item)
            return std::nullopt;
        items.append(item.value());
    }
    return items;
}
} // namespace

class tst_HistoryManager : public QObject
{
    Q_OBJECT

    int m_stores = 0;
    QString freshStorePath()
    {
        return TestEnvironment::home() + QStringLiteral("/h%1/store.sqlite").arg(++m_stores);
    }
    const QString key = QStringLiteral("DownloadHistory");

private slots:
    void init()
    {
        console.clear();
        qInstallMessageHandler(capture);
    }
    void cleanup() { qInstallMessageHandler(nullptr); }

    void newestFirstWithoutDuplicates()
    {
        const QString path = freshStorePath();
        {
            KeyValueStore store(path);
            HistoryManager history(store);
            for (qint64 id : { 1, 2, 3 })
                history.addHistory(item(id));
            history.addHistory(item(2, "Renamed")); // a known trackId is not added again
        }
        KeyValueStore store(path); // restart
        HistoryManager history(store);
        QCOMPARE(history.loadHistory(), (QList<AppItem> { item(3), item(2), item(1) }));

        // Another writer stores id 7 twice, pretty-printed: an add keeps its
        // entries, a removal takes every 7.
        store.setData(key,
            QJsonDocument(QJsonArray { item(7).toJson(), item(8).toJson(), item(7).toJson() })
                .toJson());
        history.addHistory(item(9));
        QCOMPARE(HistoryManager(store).loadHistory(),
            (QList<AppItem> { item(9), item(7), item(8), item(7) }));
        history.removeHistory(item(7));
        QCOMPARE(history.loadHistory(), (QList<AppItem> { item(9), item(8) }));
        QCOMPARE(reference(*store.dataForKey(key)), history.loadHistory());
        history.clearAllHistory();
        QCOMPARE(*KeyValueStore(path).dataForKey(key), QByteArray("[]"));
    }

    void readsDocumentsAsTheJsonParserDoes_data()
    {
        QTest::addColumn<QByteArray>("document");
        // One entry whose name, id and further keys vary.
        const auto entry = [](const char *name, const char *id = "1", const char *more = "") {
            return QByteArray(R"([{"trackId":)") + id + R"(,"trackName":)" + name
                + R"(,"artworkUrl100":"a","artworkUrl512":"b")" + more + "}]";
        };
        // Plain literals: moc misreads a raw string that holds \".
        QTest::newRow("escapes") << entry(
            "\"\\\"q\\\" \\\\ \\/ \\b\\f\\n\\r\\t \\u00e9\\u4E2D \\ud83d\\ude00\"");
        QTest::newRow("invalid UTF-8") << entry("\"a\xff\"");
        QTest::newRow("region null") << entry("\"A\"", "1", R"(,"countryCode":null)");
        QTest::newRow("id beyond 64 bits") << entry("\"A\"", "9223372036854775808");
        QTest::newRow("id 12.0") << entry("\"A\"", "12.0");
        QTest::newRow("trailing comma") << entry("\"A\"").replace("}]", "},]");
        QTest::newRow("byte order mark") << "\xef\xbb\xbf" + entry("\"A\"");
    }

    // Whatever the document holds, the history reads what the JSON parser and
    // the record decoding read, or nothing after one console line.
    void readsDocumentsAsTheJsonParserDoes()
    {
        QFETCH(QByteArray, document);
        const std::optional<QList<AppItem>> expected = reference(document);
        KeyValueStore store(freshStorePath());
        store.setData(key, document);
        QCOMPARE(HistoryManager(store).loadHistory(), expected.value_or(QList<AppItem>()));
        QCOMPARE(console.size(), expected ? 0 : 1);
    }

    // A document that parses but does not decode: reading leaves it alone, the
    // next write keeps a copy of it.
    void keepsACopyOfAnUnreadableDocument()
    {
        const QByteArray stored(
            R"([{"trackId":"1","trackName":"A","artworkUrl100":"","artworkUrl512":""}])");
        const QString path = freshStorePath();
        KeyValueStore store(path);
        store.setData(key, stored);
        HistoryManager history(store);
        QVERIFY(history.loadHistory().isEmpty());
        QCOMPARE(console.size(), 1);
        QVERIFY(console.at(0).startsWith("加载历史失败: "));
        QCOMPARE(*store.dataForKey(key), stored);

        history.addHistory(item(5));
        QCOMPARE(history.loadHistory(), QList<AppItem> { item(5) });
        const QFileInfoList copies = QFileInfo(path).dir().entryInfoList({ "DownloadHistory-*" });
        QCOMPARE(copies.size(), 1);
        QFile copy(copies.first().filePath());
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), stored);
        QVERIFY(console.contains("无法读取的下载历史已另存为: " + copy.fileName()));
    }

    // Only the application's own folder is emptied: a file beside it in
    // TMPDIR and the target of a link inside it survive.
    void clearingEmptiesOnlyTheApplicationFolder()
    {
        const QString folder = applicationTemporaryDirectory().value();
        const QString beside = QDir::tempPath() + "/other-program.txt";
        const QString linked = QDir::tempPath() + "/other-folder/keep.txt";
        for (const QString &path : { beside, linked, folder + "/a.png", folder + "/sub/b/c.jpg" }) {
            QDir().mkpath(QFileInfo(path).absolutePath());
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("x") == 1);
        }
        QVERIFY(QFile::link(QFileInfo(linked).absolutePath(), folder + "/link"));

        KeyValueStore store(freshStorePath());
        HistoryManager(store).clearAllHistory();
        QCOMPARE(console,
            (QStringList { "--- 找到了 3 个临时文件，准备清空...", "--- 临时文件夹清空成功 ---" }));
        QVERIFY(QDir(folder).isEmpty(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
        QVERIFY(QFile::exists(beside) && QFile::exists(linked));
    }
};

VELLUMAR_TEST_MAIN(tst_HistoryManager)
#include "tst_historymanager.moc"
