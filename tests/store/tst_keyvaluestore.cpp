#include "TestEnvironment.h"
#include "store/KeyValueStore.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <sqlite3.h>
#include <sys/resource.h>

namespace {

bool write(KeyValueStore &store, const QString &key, const QVariant &value)
{
    const int kind = value.typeId();
    return kind == QMetaType::Bool       ? store.setBool(key, value.toBool())
        : kind == QMetaType::QString     ? store.setString(key, value.toString())
        : kind == QMetaType::QStringList ? store.setStringArray(key, value.toStringList())
                                         : store.setData(key, value.toByteArray());
}

// All four typed reads of a key; an absent value is an invalid QVariant.
QVariantList readAll(const KeyValueStore &store, const QString &key)
{
    const auto wrap = [](const auto &value) {
        return value ? QVariant(*value) : QVariant();
    };
    return { store.boolForKey(key), wrap(store.stringForKey(key)),
        wrap(store.stringArrayForKey(key)), wrap(store.dataForKey(key)) };
}

// What readAll() gives for a key holding value (or nothing).
QVariantList expectedReads(const QVariant &value)
{
    QVariantList reads { false, QVariant(), QVariant(), QVariant() };
    const QList<int> kinds { QMetaType::Bool, QMetaType::QString, QMetaType::QStringList,
        QMetaType::QByteArray };
    if (value.isValid())
        reads[kinds.indexOf(value.typeId())] = value;
    return reads;
}

// Every kind in turn, and bytes of varying size so that a kill often lands
// in the middle of a write.
QVariant valueAt(int seq)
{
    const QVariant values[] { true, QStringLiteral("值 %1 \"\n").arg(seq).repeated(seq % 50 + 1),
        QStringList { QString::number(seq), QString(), QStringLiteral("a,\"b\"]") },
        QByteArray(qint64(seq) * 7919 % 300000, char(seq)) };
    return values[seq % 4];
}

// Bytes that do not repeat, like compressed or encoded data.
QByteArray noise(qsizetype size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

// The large value every step edits: its number inserted somewhere.
QByteArray bigAt(int seq)
{
    static const QByteArray base = noise(300000, 9);
    return QByteArray(base).insert(seq * 7919 % base.size(), QByteArray::number(seq));
}

// Child: writes count steps from first, each followed by an edit of "big",
// and prints the step number once all calls have returned.
int runWriter(const QString &path, int first, int count)
{
    KeyValueStore store(path);
    for (int seq = first; seq < first + count; ++seq) {
        if (!write(store, QString::number(seq), valueAt(seq))
            || !store.setData(QStringLiteral("big"), bigAt(seq)))
            return 1;
        std::printf("%d\n", seq);
        std::fflush(stdout);
    }
    return 0;
}

// Runs one statement on the file behind the store's back: the first column
// of the first row, or the error text.
QByteArray query(const QString &path, const QByteArray &sql)
{
    sqlite3 *db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_stmt *statement = nullptr;
    const QByteArray result
        = sqlite3_prepare_v2(db, sql.constData(), -1, &statement, nullptr) == SQLITE_OK
            && sqlite3_step(statement) == SQLITE_ROW
        ? reinterpret_cast<const char *>(sqlite3_column_text(statement, 0))
        : sqlite3_errmsg(db);
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return result;
}

const QByteArray integrityCheck = "PRAGMA integrity_check";
const QByteArray chunkBytes = "SELECT coalesce(sum(length(bytes)), 0) FROM chunks";

QString freshPath()
{
    static int n = 0;
    return TestEnvironment::home() + QStringLiteral("/store%1/store.sqlite").arg(++n);
}

} // namespace

class TestKeyValueStore : public QObject
{
    Q_OBJECT

private slots:
    void typedValues_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::newRow("bool") << QVariant(true);
        QTest::newRow("string") << QVariant(
            QStringLiteral("a") + QChar(0) + QStringLiteral("b “引号”,\n\\ 😀"));
        QTest::newRow("empty string") << QVariant(QString(""));
        QTest::newRow("string list")
            << QVariant(QStringList { "", "a,b", "\"]", "\\", "\n", QString(QChar(0)), "😀" });
        QTest::newRow("empty list") << QVariant(QStringList());
        QTest::newRow("bytes") << QVariant(QByteArray("\0\xff[\"", 4));
    }

    // Each value replaces one of another kind, is read back only as its own
    // kind, survives a restart, and is gone after removal.
    void typedValues()
    {
        QFETCH(QVariant, value);
        const QString path = freshPath();
        const QString key = QStringLiteral("key");
        {
            KeyValueStore store(path);
            const QVariant previous = value.typeId() == QMetaType::QStringList
                ? QVariant(QStringLiteral("old"))
                : QVariant(QStringList { "old" });
            QVERIFY(write(store, key, previous) && write(store, key, value));
            QCOMPARE(readAll(store, key), expectedReads(value));
        }
        KeyValueStore restarted(path);
        QCOMPARE(readAll(restarted, key), expectedReads(value));
        QVERIFY(restarted.removeObject(key));
        QCOMPARE(readAll(KeyValueStore(path), key), expectedReads(QVariant()));
    }

    void largeValueEdits_data()
    {
        QTest::addColumn<QByteArray>("edited");
        const QByteArray base = noise(1 << 20, 1);
        const QByteArray patch = noise(300, 2);
        QTest::newRow("insert at front") << QByteArray(base).insert(1, patch);
        QTest::newRow("replace in the middle")
            << QByteArray(base).replace(base.size() / 2, 50, patch);
        QTest::newRow("cut the end") << base.chopped(777);
    }

    // A large value edited anywhere reads back exactly, here and after a
    // restart, and no chunk outlives its use.
    void largeValueEdits()
    {
        QFETCH(QByteArray, edited);
        const QString path = freshPath();
        const QString key = QStringLiteral("big");
        KeyValueStore store(path);
        QVERIFY(store.setData(key, noise(1 << 20, 1)));
        QVERIFY(store.setData(key, edited));
        QCOMPARE(query(path, chunkBytes).toLongLong(), edited.size());
        QCOMPARE(store.dataForKey(key), edited);
        QCOMPARE(KeyValueStore(path).dataForKey(key), edited);
        QCOMPARE(query(path, integrityCheck), QByteArray("ok"));
        QVERIFY(store.setString(key, QStringLiteral("small")));
        QCOMPARE(query(path, chunkBytes), QByteArray("0"));
    }

    // Pairs of writers at once, killed at random moments, then a pair run to
    // its end: every acknowledged write is there.
    void writersLoseNothing()
    {
        const QString path = freshPath();
        // Read before the writers run: what this process has seen must not hide their values.
        KeyValueStore store(path);
        QCOMPARE(store.dataForKey(QStringLiteral("1000003")), std::nullopt);
        QList<int> acknowledged, lastSteps;
        QElapsedTimer clock;
        clock.start();
        for (int round = 1; lastSteps.isEmpty(); ++round) {
            const bool last = round == 40 || clock.elapsed() > 25000;
            QProcess writers[2];
            for (int n = 0; n < 2; ++n)
                writers[n].start(QCoreApplication::applicationFilePath(),
                    { "--writer", path, QString::number(round * 1000000 + n * 500000),
                        last ? "150" : "100000" });
            QThread::msleep(QRandomGenerator::global()->bounded(20, 300));
            for (QProcess &writer : writers) {
                if (last) {
                    QVERIFY(writer.waitForFinished(120000));
                    QVERIFY2(writer.exitStatus() == QProcess::NormalExit && writer.exitCode() == 0,
                        writer.readAllStandardError());
                } else {
                    QVERIFY(writer.waitForStarted());
                    QVERIFY2(writer.state() == QProcess::Running, writer.readAllStandardError());
                    writer.kill();
                    QVERIFY(writer.waitForFinished());
                }
                // The last piece is an unfinished line or empty.
                const QList<QByteArray> lines = writer.readAllStandardOutput().split('\n');
                for (qsizetype n = 0; n + 1 < lines.size(); ++n)
                    acknowledged.append(lines[n].toInt());
                if (last)
                    lastSteps.append(acknowledged.last());
            }
        }
        QCOMPARE(query(path, integrityCheck), QByteArray("ok"));
        for (int seq : acknowledged)
            QCOMPARE(readAll(store, QString::number(seq)), expectedReads(valueAt(seq)));
        // The last pair edited one large value, each on top of what the other stored.
        const QByteArray big = store.dataForKey(QStringLiteral("big")).value_or(QByteArray());
        QVERIFY(big == bigAt(lastSteps[0]) || big == bigAt(lastSteps[1]));
    }

    void damagedFile_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("garbage") << QByteArray("not a database\n").repeated(600);
        // A real store whose table page is overwritten.
        const QString source = freshPath();
        QVERIFY(KeyValueStore(source).setString(QStringLiteral("key"), QStringLiteral("value")));
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
        QTest::ignoreMessage(QtInfoMsg,
            QRegularExpression(QStringLiteral("^存储文件 .*已损坏.*已移到 ")
                + QRegularExpression::escape(path) + QStringLiteral("\\.damaged-\\d{8}-\\d{6}")));
        KeyValueStore store(path);
        const QDir dir = QFileInfo(path).dir();
        const QStringList copies = dir.entryList({ QFileInfo(path).fileName() + ".damaged-*" });
        QVERIFY(!copies.isEmpty()); // the file first, then any log beside it
        QFile copy(dir.filePath(copies.first()));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), contents);
        QCOMPARE(store.stringForKey(QStringLiteral("key")), std::nullopt);
        QVERIFY(store.setString(QStringLiteral("key"), QStringLiteral("new")));
        QCOMPARE(KeyValueStore(path).stringForKey(QStringLiteral("key")), QStringLiteral("new"));
    }

    // A write that hits the file size limit fails, says so and keeps the old value.
    void failedWriteKeepsPreviousValue()
    {
        const QString path = freshPath();
        KeyValueStore store(path);
        QVERIFY(store.setData(QStringLiteral("blob"), "old"));
        rlimit saved {};
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit limit { 256 * 1024, saved.rlim_max };
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression(QStringLiteral("^无法保存“blob”：")));
        const bool stored = store.setData(QStringLiteral("blob"), QByteArray(4 << 20, 'x'));
        setrlimit(RLIMIT_FSIZE, &saved);
        QVERIFY(!stored);
        QCOMPARE(store.dataForKey(QStringLiteral("blob")), QByteArray("old"));
        QCOMPARE(KeyValueStore(path).dataForKey(QStringLiteral("blob")), QByteArray("old"));
        QCOMPARE(query(path, integrityCheck), QByteArray("ok"));
    }
};

int main(int argc, char *argv[])
{
    // The test starts copies of itself as writers; they need no application object.
    if (argc == 5 && qstrcmp(argv[1], "--writer") == 0)
        return runWriter(QString::fromLocal8Bit(argv[2]), atoi(argv[3]), atoi(argv[4]));
    TestEnvironment::isolate();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vellumar"));
    TestKeyValueStore test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_keyvaluestore.moc"
