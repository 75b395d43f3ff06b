#include "StoreTesting.h"
#include "store/KeyValueStore.h"

#include <csignal>
#include <sys/resource.h>

using Value = KeyValueStore::Value;
Q_DECLARE_METATYPE(Value)

namespace {

using namespace StoreTesting;

struct Setter
{
    KeyValueStore &store;
    const QString &key;
    bool operator()(bool value) { return store.setBool(key, value); }
    bool operator()(const QString &value) { return store.setString(key, value); }
    bool operator()(const QStringList &value) { return store.setStringArray(key, value); }
    bool operator()(const QByteArray &value) { return store.setData(key, value); }
};

// What the four typed reads find: a value at most, of the kind asked for.
QList<Value> reads(const KeyValueStore &store, const QString &key = QStringLiteral("key"))
{
    QList<Value> found;
    if (store.boolForKey(key))
        found.append(true);
    for (const std::optional<Value> &value : { std::optional<Value>(store.stringForKey(key)),
             std::optional<Value>(store.stringArrayForKey(key)),
             std::optional<Value>(store.dataForKey(key)) })
        if (value)
            found.append(*value);
    return found;
}

} // namespace

class tst_KeyValueStore : public QObject
{
    Q_OBJECT

    const QString key = QStringLiteral("key");

private slots:
    void init() { captureConsole(); }

    void typedValues_data()
    {
        QTest::addColumn<Value>("value");
        QTest::newRow("bool") << Value(true);
        QTest::newRow("string") << Value(QStringLiteral("a") + QChar(0) + "b “引号”,\n\\ 😀");
        QTest::newRow("empty string") << Value(QString(""));
        QTest::newRow("list") << Value(QStringList { "", "a,b", "\"]", QString(QChar(0)), "😀" });
        QTest::newRow("empty list") << Value(QStringList());
        QTest::newRow("bytes") << Value(QByteArray("\0\xff[\"", 4));
        QTest::newRow("empty bytes") << Value(QByteArray(""));
    }

    // Each value replaces one of another kind, in a read-modify-write or set
    // plainly, is read only as its own kind, survives a restart, and is gone
    // after removal.
    void typedValues()
    {
        QFETCH(Value, value);
        const QString path = freshPath();
        {
            KeyValueStore store(path);
            const Value previous
                = value.index() == 2 ? Value(QString("old")) : Value(QStringList());
            QVERIFY(std::visit(Setter { store, key }, previous));
            std::optional<Value> seen;
            QVERIFY(store.update(key, [&](std::optional<Value> &current) {
                seen = std::exchange(current, value);
                return true;
            }));
            QCOMPARE(seen, previous);
            QCOMPARE(reads(store), QList { value });
            QVERIFY(std::visit(Setter { store, key }, value));
        }
        KeyValueStore restarted(path);
        QCOMPARE(reads(restarted), QList { value });
        QVERIFY(restarted.update(key, [](std::optional<Value> &current) {
            current.reset();
            return true;
        }));
        QCOMPARE(reads(KeyValueStore(path)), QList<Value>());
        QVERIFY(console.isEmpty());
    }

    void damagedValues_data()
    {
        QTest::addColumn<QByteArray>("row"); // kind and value, as SQL
        // Written by an older build: a list of pieces, each claiming 4 GiB.
        QTest::newRow("split value")
            << "5, x'" + QByteArray("0100000000000000ffffffff").repeated(1000) + "'";
        QTest::newRow("unknown kind") << QByteArray("99, 'x'");
        QTest::newRow("bool as text") << QByteArray("1, 'true'");
        QTest::newRow("string as bytes") << QByteArray("2, x'41'");
        QTest::newRow("string, bad UTF-8") << QByteArray("2, CAST(x'61ff' AS TEXT)");
        QTest::newRow("list, not JSON") << QByteArray("3, '[\"a\"'");
        QTest::newRow("list of numbers") << QByteArray("3, '[\"a\",1]'");
        QTest::newRow("list, bad UTF-8") << QByteArray("3, CAST(x'5b2261ff225d' AS TEXT)");
        QTest::newRow("bytes as number") << QByteArray("4, 12");
    }

    // A row that does not decode reads as absent to every read, and a write replaces it.
    void damagedValues()
    {
        QFETCH(QByteArray, row);
        const QString path = freshPath();
        KeyValueStore store(path);
        QCOMPARE(query(path, "INSERT INTO entries VALUES ('key', " + row + ")"), QByteArray());
        QCOMPARE(reads(store), QList<Value>());
        QVERIFY(store.setString(key, "new"));
        QCOMPARE(reads(store), QList<Value> { QString("new") });
    }

    // A value an earlier build split into pieces is joined back at open; one
    // whose pieces do not add up stays unread, and the pieces stay with it.
    void oldPiecesJoined()
    {
        const QString path = freshPath();
        KeyValueStore(path).setBool(key, true);
        const auto record = [](int id, int length) {
            return QByteArray::number(id, 16).rightJustified(2, '0') + "00000000000000"
                + QByteArray::number(length, 16).rightJustified(2, '0') + "000000";
        };
        for (const QByteArray &sql : { QByteArray("CREATE TABLE chunks (id INTEGER PRIMARY KEY, "
                                                  "bytes BLOB NOT NULL)"),
                 QByteArray("INSERT INTO chunks VALUES (1, x'6869'), (2, x'21')"),
                 "INSERT INTO entries VALUES ('whole', 5, x'" + record(1, 2) + record(2, 1) + "')",
                 "INSERT INTO entries VALUES ('short', 5, x'" + record(2, 9) + "')" })
            QCOMPARE(query(path, sql), QByteArray());
        KeyValueStore store(path);
        QCOMPARE(store.dataForKey("whole"), QByteArray("hi!"));
        QCOMPARE(store.dataForKey("short"), std::nullopt);
        QCOMPARE(query(path, "SELECT count(*) FROM chunks"), QByteArray("2"));
        QVERIFY(console.isEmpty());
    }

    void damagedFile_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("garbage") << QByteArray("not a database\n").repeated(600);
        const QString source = freshPath(); // a real store whose table page is overwritten
        QVERIFY(KeyValueStore(source).setString(key, QStringLiteral("value")));
        QFile file(source);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTest::newRow("damaged page") << file.readAll().replace(4096, 100, QByteArray(100, 'Z'));
    }

    // A damaged file is kept aside byte for byte and the store starts empty.
    void damagedFile()
    {
        QFETCH(QByteArray, contents);
        const QString path = freshPath();
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
        file.close();
        KeyValueStore store(path);
        QCOMPARE(console.size(), 1);
        QVERIFY2(console[0].contains(QRegularExpression("^存储文件 .*已损坏.*已移到 "
                     + QRegularExpression::escape(path) + "\\.damaged-\\d{8}-\\d{6}")),
            qPrintable(console[0]));
        QFile copy(console[0].section("已移到 ", 1).section("，", 0, 0));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), contents);
        QCOMPARE(reads(store), QList<Value>());
        QVERIFY(store.setString(key, QStringLiteral("new")));
        QCOMPARE(KeyValueStore(path).stringForKey(key), QStringLiteral("new"));
    }

    void unwritable_data()
    {
        QTest::addColumn<bool>("readOnlyFolder"); // otherwise the disk is full
        QTest::newRow("read-only folder") << true;
        QTest::newRow("full disk") << false;
    }

    // Every value still reads; each write fails with one console line and
    // leaves the previous value.
    void unwritable()
    {
        QFETCH(bool, readOnlyFolder);
        const QString path = freshPath(), folder = QFileInfo(path).absolutePath();
        QVERIFY(KeyValueStore(path).setString(key, QStringLiteral("old")));
        rlimit saved {};
        getrlimit(RLIMIT_FSIZE, &saved);
        if (readOnlyFolder) {
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner)
                && QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner)
                && holdToFileModes(true));
        } else {
            const rlimit limit { 256 * 1024, saved.rlim_max };
            std::signal(SIGXFSZ, SIG_IGN);
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        std::optional<KeyValueStore> store(std::in_place, path);
        const QString read = store->stringForKey(key).value_or("nothing");
        const bool set = store->setData(key, QByteArray(4 << 20, 'x'));
        const bool updated = store->update(key, [](std::optional<Value> &value) {
            value = QByteArray(4 << 20, 'y');
            return true;
        });
        const QString readAgain = store->stringForKey(key).value_or("nothing");
        store.reset();
        holdToFileModes(false);
        setrlimit(RLIMIT_FSIZE, &saved);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(read, "old");
        QVERIFY(!set && !updated);
        QCOMPARE(readAgain, "old");
        QCOMPARE(console.size(), 2);
        QVERIFY(
            console[0].startsWith("无法保存“key”：") && console[1].startsWith("无法保存“key”："));
        QCOMPARE(query(path, "PRAGMA integrity_check"), QByteArray("ok"));
    }
};

VELLUMAR_TEST_MAIN(tst_KeyValueStore)
#include "tst_keyvaluestore.moc"
