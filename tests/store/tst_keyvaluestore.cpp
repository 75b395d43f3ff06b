// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StoreTesting.h"
#include "store/KeyValueStore.h"

#include <QtEndian>

using Value = KeyValueStore::Value;
using Row = std::tuple<QByteArray, QByteArray, QByteArray>;
using namespace StoreTesting;

namespace {

const QString key = QStringLiteral("key");

// What the four typed reads find: a value at most, of the kind asked for.
QList<Value> reads(const KeyValueStore &store)
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

// A 12-byte record of an earlier build's split value: piece id and length, little-endian.
QByteArray piece(qint64 id, quint32 length)
{
    QByteArray record(12, 0);
    qToLittleEndian(id, record.data());
    qToLittleEndian(length, record.data() + 8);
    return record.toHex();
}

} // namespace

class tst_KeyValueStore : public QObject
{
    Q_OBJECT

private slots:
    void init() { captureConsole(); }

    // A value replaces one of another kind, reads only as its own kind and
    // survives a restart.
    void typedValues()
    {
        for (const Value &value :
            { Value(true), Value(QString("a") + QChar(0) + "b “引号”,\n\\ 😀"), Value(QString("")),
                Value(QStringList { "", "a,b", "\"]", QString(QChar(0)), "😀" }),
                Value(QStringList()), Value(QByteArray("\0\xff[\"", 4)), Value(QByteArray("")) }) {
            const QString path = freshPath();
            KeyValueStore store(path);
            QVERIFY(
                value.index() == 2 ? store.setString(key, "old") : store.setStringArray(key, {}));
            QVERIFY(store.update(key, [&](std::optional<Value> &current) {
                current = value;
                return true;
            }));
            QCOMPARE(reads(store), QList { value });
            QCOMPARE(reads(KeyValueStore(path)), QList { value }); // as a restart finds it
        }
        QVERIFY(console.isEmpty());
    }

    void storedRows_data()
    {
        // Kind and value, as SQL; what reads as bytes, or "-" for nothing; the old pieces left.
        QTest::addColumn<Row>("row");
        const auto row = [](const char *name, const QByteArray &sql, const QByteArray &read = "-",
                             const QByteArray &pieces = "no such table: chunks") {
            QTest::newRow(name) << Row { sql, read, pieces };
        };
        // An earlier build's split value (pieces "hi" and "!") is joined at open.
        row("old pieces", "5, x'" + piece(1, 2) + piece(2, 1) + "'", "hi!");
        row("old pieces, short", "5, x'" + piece(2, 9) + "'", "-", "2");
        row("old pieces, one named twice", "5, x'" + piece(1, 2).repeated(2) + "'", "-", "2");
        row("old pieces, 4 GiB each", "5, x'" + piece(1, 0xffffffff).repeated(1000) + "'", "-",
            "2");
        row("unknown kind", "99, 'x'");
        row("string, bad UTF-8", "2, CAST(x'61ff' AS TEXT)");
        row("list, not JSON", "3, '[\"a\"'");
        row("bytes as number", "4, 12");
    }

    // A row that does not decode reads as absent to every read, and a write replaces it.
    void storedRows()
    {
        QFETCH(Row, row);
        const auto &[sql, read, pieces] = row;
        const QString path = freshPath();
        QVERIFY(KeyValueStore(path).setBool("other", true));
        for (const QByteArray &statement :
            { QByteArray("CREATE TABLE chunks (id INTEGER PRIMARY KEY, bytes BLOB NOT NULL)"),
                QByteArray("INSERT INTO chunks VALUES (1, x'6869'), (2, x'21')"),
                "INSERT INTO entries VALUES ('key', " + sql + ")" })
            QCOMPARE(query(path, statement), QByteArray());
        KeyValueStore store(path);
        QCOMPARE(reads(store), read == "-" ? QList<Value>() : QList<Value> { read });
        QCOMPARE(query(path, "SELECT count(*) FROM chunks"), pieces);
        QVERIFY(store.setString(key, "new"));
        QCOMPARE(reads(store), QList<Value> { QString("new") });
        QVERIFY(console.isEmpty());
    }

    void damagedFile_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("garbage") << QByteArray("not a database\n").repeated(600);
        const QString source = freshPath(); // a real store whose table page is overwritten
        QVERIFY(KeyValueStore(source).setString(key, QStringLiteral("value")));
        QTest::newRow("damaged page") << readFile(source).replace(4096, 100, QByteArray(100, 'Z'));
    }

    // A damaged file is kept aside byte for byte and the store starts empty.
    void damagedFile()
    {
        QFETCH(QByteArray, contents);
        const QString path = freshPath();
        QVERIFY(writeFile(path, contents));
        KeyValueStore store(path);
        QCOMPARE(console.size(), 1);
        QVERIFY2(console[0].contains(QRegularExpression("^the store .* is damaged.* moved to "
                     + QRegularExpression::escape(path) + "\\.damaged-\\d{8}-\\d{6};")),
            qPrintable(console[0]));
        QCOMPARE(readFile(console[0].section(" moved to ", 1).section(";", 0, 0)), contents);
        QCOMPARE(reads(store), QList<Value>());
        QVERIFY(store.setString(key, QStringLiteral("new")));
        QCOMPARE(KeyValueStore(path).stringForKey(key), QStringLiteral("new"));
    }

    // In a read-only folder every value still reads; each write fails with one
    // console line and leaves the previous value.
    void unwritable()
    {
        const QString path = freshPath(), folder = QFileInfo(path).absolutePath();
        QVERIFY(KeyValueStore(path).setString(key, QStringLiteral("old")));
        const auto restore = qScopeGuard([&] { setReadOnly(folder, false); });
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner) && setReadOnly(folder, true));
        KeyValueStore store(path);
        QCOMPARE(store.stringForKey(key), "old");
        QVERIFY(!store.setData(key, QByteArray(4 << 20, 'x')));
        QVERIFY(!store.update(key, [](std::optional<Value> &value) {
            value = QByteArray(4 << 20, 'y');
            return true;
        }));
        QCOMPARE(store.stringForKey(key), "old");
        QCOMPARE(console.replaceInStrings(QRegularExpression(": .*"), ":"),
            QStringList(2, "cannot save \"key\" in " + path + ":"));
    }
};

VELLUMAR_TEST_MAIN(tst_KeyValueStore)
#include "tst_keyvaluestore.moc"
