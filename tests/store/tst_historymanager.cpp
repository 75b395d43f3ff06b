#include "TestEnvironment.h"
#include "store/HistoryManager.h"
#include "store/KeyValueStore.h"
#include "store/TemporaryDirectory.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <unistd.h>

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

QList<qint64> ids(const QList<AppItem> &items)
{
    QList<qint64> result;
    for (const AppItem &entry : items)
        result.append(entry.trackId);
    return result;
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
        const std::optional<AppItem> item = AppItem::fromJson(value.toObject());
        if (!value.isObject() || !item)
            return std::nullopt;
        items.append(*item);
    }
    return items;
}

void writeFile(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("x") == 1);
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
        auto store = std::make_unique<KeyValueStore>(path);
        auto history = std::make_unique<HistoryManager>(*store);
        QVERIFY(history->loadHistory().isEmpty());
        for (qint64 id : { 1, 2, 3 })
            history->addHistory(item(id));
        const QByteArray before = *store->dataForKey(key);
        history->addHistory(item(2, "Renamed")); // a known trackId: nothing is written
        QCOMPARE(*store->dataForKey(key), before);
        AppItem noRegion = item(4);
        noRegion.countryCode.reset();
        history->addHistory(noRegion);

        history.reset();
        store = std::make_unique<KeyValueStore>(path); // restart
        history = std::make_unique<HistoryManager>(*store);
        QCOMPARE(history->loadHistory(), (QList<AppItem> { noRegion, item(3), item(2), item(1) }));
        history->removeHistory(item(99));
        QCOMPARE(ids(history->loadHistory()), (QList<qint64> { 4, 3, 2, 1 }));
        QCOMPARE(console, QStringList());

        // Another writer stores id 7 twice, pretty-printed: an add keeps its
        // entries, a removal takes every 7.
        KeyValueStore other(path);
        other.setData(key,
            QJsonDocument(QJsonArray { item(7).toJson(), item(8).toJson(), item(7).toJson() })
                .toJson());
        history->addHistory(item(9));
        QCOMPARE(ids(HistoryManager(other).loadHistory()), (QList<qint64> { 9, 7, 8, 7 }));
        history->removeHistory(item(7));
        QCOMPARE(ids(history->loadHistory()), (QList<qint64> { 9, 8 }));
        history->clearAllHistory();
        QCOMPARE(*other.dataForKey(key), QByteArray("[]"));
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
        QTest::newRow("lone surrogate escape") << entry("\"\\ud800x\"");
        QTest::newRow("unknown escape") << entry("\"\\q\"");
        QTest::newRow("raw UTF-8") << entry("\"照片 😀\"");
        QTest::newRow("noncharacter") << entry("\"\xef\xbf\xbe\"");
        QTest::newRow("invalid UTF-8") << entry("\"a\xff\"");
        QTest::newRow("overlong UTF-8") << entry("\"\xc0\xaf\"");
        QTest::newRow("encoded surrogate") << entry("\"\xed\xa0\x80\"");
        QTest::newRow("cut UTF-8 sequence") << entry("\"\xe4\xb8\"");
        QTest::newRow("control character") << entry("\"a\x01\"");
        QTest::newRow("region null") << entry("\"A\"", "1", R"(,"countryCode":null)");
        QTest::newRow("region empty") << entry("\"A\"", "1", R"(,"countryCode":"")");
        QTest::newRow("region number") << entry("\"A\"", "1", R"(,"countryCode":5)");
        QTest::newRow("largest id") << entry("\"A\"", "9223372036854775807");
        QTest::newRow("smallest id") << entry("\"A\"", "-9223372036854775808");
        QTest::newRow("id beyond 64 bits") << entry("\"A\"", "9223372036854775808");
        QTest::newRow("id 12.0") << entry("\"A\"", "12.0");
        QTest::newRow("id 1e3") << entry("\"A\"", "1e3");
        QTest::newRow("id with leading zero") << entry("\"A\"", "012");
        QTest::newRow("id as text") << entry("\"A\"", "\"1\"");
        QTest::newRow("name missing")
            << QByteArray(R"([{"trackId":1,"artworkUrl100":"a","artworkUrl512":"b"}])");
        QTest::newRow("extra key") << entry("\"A\"", "1", R"(,"extra":[1,{"a":null}])");
        QTest::newRow("key twice") << entry("\"A\"", "1", R"(,"trackId":2)");
        QTest::newRow("other order, spaces") << QByteArray(
            " [ {\n\t\"artworkUrl512\" : \"b\" ,\r\n \"trackName\":\"A\", \"trackId\" : -3 ,"
            " \"artworkUrl100\":\"a\"} ,{\"trackId\":0,\"trackName\":\"\",\"artworkUrl100\":\"\","
            "\"artworkUrl512\":\"\"}]\n");
        QTest::newRow("empty array") << QByteArray(" [ ] ");
        QTest::newRow("empty object") << QByteArray("[{}]");
        QTest::newRow("nested array") << QByteArray("[[]]");
        QTest::newRow("trailing comma") << entry("\"A\"").replace("}]", "},]");
        QTest::newRow("garbage after") << QByteArray("[] x");
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

    // Adds and removals on a document written by someone else copy every other
    // entry's text as it was: any JSON reader still gets the same list.
    void editsKeepTheDocumentReadable()
    {
        KeyValueStore store(freshStorePath());
        AppItem quoted = item(8, QStringLiteral("a \"b\" \\ 照片\n"));
        quoted.countryCode.reset();
        QJsonArray written;
        for (const AppItem &entry : { item(7), quoted, item(9), item(7) })
            written.append(entry.toJson());
        store.setData(key, QJsonDocument(written).toJson(QJsonDocument::Indented));
        HistoryManager history(store);
        history.addHistory(item(10));
        history.removeHistory(item(7));
        history.addHistory(item(11));
        history.removeHistory(item(11));
        const QList<AppItem> expected { item(10), quoted, item(9) };
        QCOMPARE(history.loadHistory(), expected);
        QCOMPARE(reference(*store.dataForKey(key)), expected);
        QCOMPARE(HistoryManager(store).loadHistory(), expected);
        QCOMPARE(console, QStringList());
    }

    void keepsACopyOfAnUnreadableDocument_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("not JSON") << QByteArray("\xff\xfe not json");
        QTest::newRow("not an array") << QByteArray(R"({"trackId":1})");
        QTest::newRow("wrong type") << QByteArray(
            R"([{"trackId":"1","trackName":"A","artworkUrl100":"","artworkUrl512":""}])");
    }

    void keepsACopyOfAnUnreadableDocument()
    {
        QFETCH(QByteArray, stored);
        const QString path = freshStorePath();
        KeyValueStore store(path);
        store.setData(key, stored);
        HistoryManager history(store);
        QVERIFY(history.loadHistory().isEmpty());
        QCOMPARE(console.size(), 1);
        QVERIFY(console.at(0).startsWith("加载历史失败: "));
        QCOMPARE(*store.dataForKey(key), stored); // reading leaves it alone

        history.addHistory(item(5));
        QCOMPARE(ids(history.loadHistory()), QList<qint64> { 5 });
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
        QCOMPARE(folder, QDir::tempPath() + QStringLiteral("/vellumar-%1").arg(::getuid()));
        QCOMPARE(QFile::permissions(folder) & 0x77,
            QFileDevice::Permissions()); // nothing for group and others
        const QString beside = QDir::tempPath() + "/other-program.txt";
        const QString linked = QDir::tempPath() + "/other-folder/keep.txt";
        for (const QString &path :
            { beside, linked, folder + "/a.png", folder + "/.hidden", folder + "/sub/b/c.jpg" })
            writeFile(path);
        QVERIFY(QFile::link(QFileInfo(linked).absolutePath(), folder + "/link"));

        KeyValueStore store(freshStorePath());
        HistoryManager(store).clearAllHistory();
        QCOMPARE(console,
            (QStringList { "--- 找到了 4 个临时文件，准备清空...", "--- 临时文件夹清空成功 ---" }));
        QVERIFY(QDir(folder).isEmpty(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
        QVERIFY(QFile::exists(beside) && QFile::exists(linked));
    }

    // A link planted under the folder's name is refused, not followed; the
    // history is cleared all the same.
    void refusesAFolderThatIsALink()
    {
        const QString folder = applicationTemporaryDirectory().value();
        const QString elsewhere = QDir::tempPath() + "/elsewhere/precious.txt";
        writeFile(elsewhere);
        QVERIFY(QDir(folder).removeRecursively()
            && QFile::link(QFileInfo(elsewhere).absolutePath(), folder));

        KeyValueStore store(freshStorePath());
        HistoryManager history(store);
        history.addHistory(item(1));
        history.clearAllHistory();
        QCOMPARE(console.size(), 1);
        QVERIFY(
            console.at(0).startsWith("--- 清空临时文件夹失败: ") && console.at(0).endsWith(" ---"));
        QVERIFY(QFile::exists(elsewhere) && history.loadHistory().isEmpty());
        QVERIFY(QFile::remove(folder));
    }
};

VELLUMAR_TEST_MAIN(tst_HistoryManager)
#include "tst_historymanager.moc"
