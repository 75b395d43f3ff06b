#include "TestEnvironment.h"
#include "store/KeyValueStore.h"

#include <QProcess>
#include <QRandomGenerator>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <sqlite3.h>
#include <sys/resource.h>
#include <thread>

namespace {

bool write(KeyValueStore &store, const QString &key, const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return store.setBool(key, value.toBool());
    case QMetaType::QString:
        return store.setString(key, value.toString());
    case QMetaType::QStringList:
        return store.setStringArray(key, value.toStringList());
    default:
        return store.setData(key, value.toByteArray());
    }
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

// The value the writers store at one step: every kind in turn, and bytes of
// varying size so that a kill often lands in the middle of a write.
QVariant valueAt(int seq)
{
    switch (seq % 4) {
    case 0:
        return true;
    case 1:
        return QStringLiteral("值 %1 \"\n").arg(seq).repeated(seq % 50 + 1);
    case 2:
        return QStringList { QString::number(seq), QString(), QStringLiteral("a,\"b\"]") };
    default:
        return QByteArray(qint64(seq) * 7919 % 300000, char(seq));
    }
}

QString keyAt(int seq)
{
    return QStringLiteral("k%1").arg(seq);
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

// Child: writes count steps from first, each followed by "big" and "latest",
// and prints the step number once all calls have returned.
int runWriter(const QString &path, int first, int count)
{
    KeyValueStore store(path);
    for (int seq = first; seq < first + count; ++seq) {
        if (!write(store, keyAt(seq), valueAt(seq))
            || !store.setData(QStringLiteral("big"), bigAt(seq))
            || !store.setString(QStringLiteral("latest"), QString::number(seq)))
            return 1;
        std::printf("%d\n", seq);
        std::fflush(stdout);
    }
    return 0;
}

// Child: a write that cannot reach the disk must fail cleanly and keep the old value.
int runLimitedWriter(const QString &path)
{
    KeyValueStore store(path);
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit { 256 * 1024, 256 * 1024 };
    setrlimit(RLIMIT_FSIZE, &limit);
    const bool stored = store.setData(QStringLiteral("blob"), QByteArray(4 << 20, 'x'));
    return !stored && store.dataForKey(QStringLiteral("blob")) == QByteArray("old") ? 0 : 1;
}

QByteArray integrityOf(const QString &path)
{
    sqlite3 *db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_stmt *check = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr);
    QByteArray result = sqlite3_step(check) == SQLITE_ROW
        ? reinterpret_cast<const char *>(sqlite3_column_text(check, 0))
        : sqlite3_errmsg(db);
    sqlite3_finalize(check);
    sqlite3_close(db);
    return result;
}

// Runs one statement on the file behind the store's back; the first row's
// columns, or the error text.
QVariantList query(const QString &path, const char *sql)
{
    sqlite3 *db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_stmt *statement = nullptr;
    QVariantList row;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK
        && sqlite3_step(statement) == SQLITE_ROW) {
        for (int n = 0; n < sqlite3_column_count(statement); ++n)
            row.append(sqlite3_column_int64(statement, n));
    } else if (sqlite3_errcode(db) != SQLITE_DONE) {
        row.append(QString::fromUtf8(sqlite3_errmsg(db)));
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return row;
}

// The number of chunks and their total size.
QVariantList chunkTotals(const QString &path)
{
    return query(path, "SELECT count(*), coalesce(sum(length(bytes)), 0) FROM chunks");
}

QStringList damagedCopies(const QString &path)
{
    return QFileInfo(path).dir().entryList(
        { QFileInfo(path).fileName() + QStringLiteral(".damaged-*") });
}

QString freshPath()
{
    static int n = 0;
    return TestEnvironment::home() + QStringLiteral("/store%1/store.sqlite").arg(++n);
}

void startWriter(QProcess &child, const QString &path, int first, int count)
{
    child.start(QCoreApplication::applicationFilePath(),
        { "--writer", path, QString::number(first), QString::number(count) });
}

} // namespace

class TestKeyValueStore : public QObject
{
    Q_OBJECT

private slots:
    void typedValues_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::newRow("true") << QVariant(true);
        QTest::newRow("false") << QVariant(false);
        QTest::newRow("string") << QVariant(
            QStringLiteral("a") + QChar(0) + QStringLiteral("b “引号”,\n\\ 😀"));
        QTest::newRow("empty string") << QVariant(QString(""));
        QTest::newRow("string list")
            << QVariant(QStringList { "", "a,b", "\"]", "\\", "\n", QString(QChar(0)), "😀", "[]" });
        QTest::newRow("empty list") << QVariant(QStringList());
        QTest::newRow("bytes") << QVariant(QByteArray("\0\xff[\"", 4));
        QTest::newRow("empty bytes") << QVariant(QByteArray(""));
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
            QVERIFY(write(store, key, previous));
            QVERIFY(write(store, key, value));
            QCOMPARE(readAll(store, key), expectedReads(value));
        }
        KeyValueStore restarted(path);
        QCOMPARE(readAll(restarted, key), expectedReads(value));
        QVERIFY(restarted.removeObject(key));
        QCOMPARE(readAll(restarted, key), expectedReads(QVariant()));
        QCOMPARE(readAll(KeyValueStore(path), key), expectedReads(QVariant()));
    }

    void largeValueEdits_data()
    {
        QTest::addColumn<QByteArray>("edited");
        QTest::addColumn<int>("maxNewChunks");
        const QByteArray base = noise(1 << 20, 1);
        const QByteArray patch = noise(300, 2);
        const qsizetype middle = base.size() / 2;
        QTest::newRow("unchanged") << base << 0;
        QTest::newRow("insert at front") << QByteArray(base).insert(1, patch) << 3;
        QTest::newRow("replace in the middle") << QByteArray(base).replace(middle, 50, patch) << 3;
        QTest::newRow("remove in the middle") << QByteArray(base).remove(middle, 5000) << 3;
        QTest::newRow("append") << base + patch << 2;
        QTest::newRow("cut the end") << base.chopped(777) << 2;
        QTest::newRow("edits at both ends")
            << QByteArray(base).insert(10, patch).replace(base.size() - 100, 5, "x") << 5;
        QTest::newRow("all new") << noise(base.size(), 3) << 1000;
    }

    // A large value edited anywhere reads back exactly, here and after a
    // restart; the edit adds only the chunks around it and no chunk outlives
    // its use.
    void largeValueEdits()
    {
        QFETCH(QByteArray, edited);
        QFETCH(int, maxNewChunks);
        const QString path = freshPath();
        const QString key = QStringLiteral("big");
        KeyValueStore store(path);
        QVERIFY(store.setData(key, noise(1 << 20, 1)));
        const qint64 lastId = query(path, "SELECT max(id) FROM chunks").value(0).toLongLong();
        QVERIFY(store.setData(key, edited));
        const QByteArray newChunks
            = QByteArray("SELECT count(*) FROM chunks WHERE id > ") + QByteArray::number(lastId);
        QVERIFY(query(path, newChunks).value(0).toInt() <= maxNewChunks);
        QCOMPARE(chunkTotals(path).value(1).toLongLong(), edited.size());
        QCOMPARE(store.dataForKey(key), edited);
        QCOMPARE(KeyValueStore(path).dataForKey(key), edited);
        QCOMPARE(integrityOf(path), QByteArray("ok"));
    }

    // Another connection's write in between, of the same length: the next
    // write builds on what is stored, not on what this connection read before.
    void largeValueEditedByAnotherConnection()
    {
        const QString path = freshPath();
        const QString key = QStringLiteral("big");
        const QByteArray first = noise(500000, 4);
        KeyValueStore store(path);
        QVERIFY(store.setData(key, first));
        QCOMPARE(store.dataForKey(key), first);
        QVERIFY(KeyValueStore(path).setData(key, QByteArray(first).replace(0, 5, "other")));
        const QByteArray mine = first + "mine";
        QVERIFY(store.setData(key, mine));
        QCOMPARE(KeyValueStore(path).dataForKey(key), mine);
        QCOMPARE(chunkTotals(path).value(1).toLongLong(), mine.size());
    }

    // A large value replaced by a small one, another kind or nothing leaves no
    // chunk, and large again reads back exactly.
    void largeValueReplaced_data()
    {
        QTest::addColumn<QVariant>("replacement");
        QTest::newRow("small bytes") << QVariant(QByteArray(100, 's'));
        QTest::newRow("just below the chunked size") << QVariant(noise(64 * 1024 - 1, 5));
        QTest::newRow("string") << QVariant(QStringLiteral("text"));
        QTest::newRow("removed") << QVariant();
    }

    void largeValueReplaced()
    {
        QFETCH(QVariant, replacement);
        const QString path = freshPath();
        const QString key = QStringLiteral("big");
        const QByteArray large = noise(300000, 6);
        KeyValueStore store(path);
        QVERIFY(store.setData(key, large));
        QVERIFY(replacement.isValid() ? write(store, key, replacement) : store.removeObject(key));
        QCOMPARE(chunkTotals(path), (QVariantList { 0, 0 }));
        QCOMPARE(readAll(store, key), expectedReads(replacement));
        QCOMPARE(readAll(KeyValueStore(path), key), expectedReads(replacement));
        QVERIFY(store.setData(key, large));
        QCOMPARE(KeyValueStore(path).dataForKey(key), large);
    }

    // A build that knows no chunks reads the entry as absent and replaces it;
    // the chunks it cannot see are deleted at the next open.
    void chunksLeftByAnOlderBuildAreDeleted()
    {
        const QString path = freshPath();
        QVERIFY(KeyValueStore(path).setData(QStringLiteral("big"), noise(300000, 7)));
        QVERIFY(KeyValueStore(path).setData(QStringLiteral("kept"), noise(200000, 8)));
        QCOMPARE(query(path, "UPDATE entries SET kind = 4, value = x'6f6c64' WHERE key = 'big'"),
            QVariantList());
        KeyValueStore store(path);
        QCOMPARE(store.dataForKey(QStringLiteral("big")), QByteArray("old"));
        QCOMPARE(chunkTotals(path).value(1).toLongLong(), 200000);
        QCOMPARE(store.dataForKey(QStringLiteral("kept")), noise(200000, 8));
    }

    void sharedStoreLivesInAppData()
    {
        KeyValueStore &store = KeyValueStore::shared();
        QCOMPARE(store.filePath(),
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                + QStringLiteral("/store.sqlite"));
        QVERIFY(store.setBool(QStringLiteral("saveAsRounded"), true));
        QVERIFY(QFileInfo::exists(store.filePath()));
    }

    // Kills a writer at random moments: every acknowledged write must be there.
    void killedWriterLosesNothing()
    {
        const QString path = freshPath();
        QList<int> acknowledged;
        // What "latest" may hold: the last acknowledged step, or one that was
        // in flight when a writer died.
        QSet<int> possibleLatest;
        QElapsedTimer clock;
        clock.start();
        for (int round = 0; round < 40 && clock.elapsed() < 30000; ++round) {
            QProcess writer;
            startWriter(writer, path, round * 100000, 100000);
            QVERIFY(writer.waitForStarted());
            std::this_thread::sleep_for(
                std::chrono::milliseconds(QRandomGenerator::global()->bounded(20, 300)));
            QVERIFY2(writer.state() == QProcess::Running, writer.readAllStandardError());
            writer.kill();
            QVERIFY(writer.waitForFinished());
            // The last piece is an unfinished line or empty.
            const QList<QByteArray> lines = writer.readAllStandardOutput().split('\n');
            for (qsizetype n = 0; n + 1 < lines.size(); ++n)
                acknowledged.append(lines[n].toInt());
            if (lines.size() > 1)
                possibleLatest = { acknowledged.last(), acknowledged.last() + 1 };
            else
                possibleLatest.insert(round * 100000);
        }
        QVERIFY(!acknowledged.isEmpty());
        QCOMPARE(integrityOf(path), QByteArray("ok"));
        KeyValueStore store(path);
        for (int seq : acknowledged)
            QCOMPARE(readAll(store, keyAt(seq)), expectedReads(valueAt(seq)));
        const int latest = store.stringForKey(QStringLiteral("latest")).value_or("-1").toInt();
        QVERIFY2(possibleLatest.contains(latest), QByteArray::number(latest));
        const QByteArray big = store.dataForKey(QStringLiteral("big")).value_or(QByteArray());
        QVERIFY(std::any_of(possibleLatest.cbegin(), possibleLatest.cend(),
            [&](int seq) { return big == bigAt(seq); }));
    }

    void concurrentWritersBothSucceed()
    {
        const QString path = freshPath();
        const QList<int> firsts { 1000000, 2000000 };
        const int count = 150;
        // Read before the writers run: what this process has seen must not hide their values.
        KeyValueStore store(path);
        for (int first : firsts)
            QCOMPARE(store.dataForKey(keyAt(first + 3)), std::nullopt);
        QProcess writers[2];
        for (int n = 0; n < 2; ++n)
            startWriter(writers[n], path, firsts[n], count);
        for (QProcess &writer : writers) {
            QVERIFY(writer.waitForFinished(120000));
            QVERIFY2(writer.exitStatus() == QProcess::NormalExit && writer.exitCode() == 0,
                writer.readAllStandardError());
        }
        QCOMPARE(integrityOf(path), QByteArray("ok"));
        for (int first : firsts)
            for (int seq = first; seq < first + count; ++seq)
                QCOMPARE(readAll(store, keyAt(seq)), expectedReads(valueAt(seq)));
        // Both edited one large value, each on top of what the other stored.
        const QByteArray big = store.dataForKey(QStringLiteral("big")).value_or(QByteArray());
        QVERIFY(big == bigAt(firsts[0] + count - 1) || big == bigAt(firsts[1] + count - 1));
    }

    void damagedFile_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("movedAside");
        QTest::newRow("garbage") << QByteArray("not a database\n").repeated(600) << true;
        QTest::newRow("empty file") << QByteArray() << false;
        // A real store whose table page is overwritten.
        const QString source = freshPath();
        {
            KeyValueStore store(source);
            QVERIFY(store.setString(QStringLiteral("key"), QStringLiteral("value")));
        }
        QFile file(source);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray damaged = file.readAll();
        damaged.replace(4096, 100, QByteArray(100, '\x5a'));
        QTest::newRow("damaged page") << damaged << true;
    }

    // A damaged file and its log are kept aside byte for byte and the store starts empty;
    // a healthy (even empty) file stays where it is.
    void damagedFile()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, movedAside);
        const QString path = freshPath();
        QDir().mkpath(QFileInfo(path).absolutePath());
        const QList<QPair<QString, QByteArray>> files { { path, contents },
            { path + "-wal", "log" } };
        for (const auto &[name, bytes] : movedAside ? files : files.mid(0, 1)) {
            QFile file(name);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }
        if (movedAside)
            QTest::ignoreMessage(QtInfoMsg,
                QRegularExpression(QStringLiteral("^存储文件 .*已损坏.*已移到 ")
                    + QRegularExpression::escape(path)
                    + QStringLiteral("\\.damaged-\\d{8}-\\d{6}")));
        KeyValueStore store(path);
        // The copies are named alike, the log keeping its suffix.
        const QStringList copies = damagedCopies(path);
        QCOMPARE(copies.isEmpty(), !movedAside);
        for (qsizetype n = 0; movedAside && n < files.size(); ++n) {
            QFile copy(
                QFileInfo(path).dir().filePath(copies.first() + files[n].first.mid(path.size())));
            QVERIFY(copy.open(QIODevice::ReadOnly));
            QCOMPARE(copy.readAll(), files[n].second);
        }
        QCOMPARE(store.stringForKey(QStringLiteral("key")), std::nullopt);
        QVERIFY(store.setString(QStringLiteral("key"), QStringLiteral("new")));
        QCOMPARE(KeyValueStore(path).stringForKey(QStringLiteral("key")), QStringLiteral("new"));
    }

    void lockedStore_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::newRow("shorter than the busy time-out") << 1;
        QTest::newRow("longer than the busy time-out") << 7;
    }

    // A store locked by another connection is waited for, and if the lock
    // outlasts the wait, opened at the next use; never taken for damaged.
    void lockedStore()
    {
        QFETCH(int, seconds);
        const QString path = freshPath();
        QVERIFY(KeyValueStore(path).setString(QStringLiteral("key"), QStringLiteral("kept")));
        const QByteArray nativePath = QFile::encodeName(path);
        sqlite3 *holder = nullptr;
        sqlite3 *probe = nullptr;
        sqlite3_open(nativePath.constData(), &holder);
        QCOMPARE(sqlite3_exec(holder, "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE", nullptr,
                     nullptr, nullptr),
            SQLITE_OK);
        sqlite3_open(nativePath.constData(), &probe);
        const int probed = sqlite3_exec(probe, "SELECT * FROM entries", nullptr, nullptr, nullptr);
        sqlite3_close(probe);
        QCOMPARE(probed, SQLITE_BUSY);

        std::thread release([holder, seconds] {
            std::this_thread::sleep_for(std::chrono::seconds(seconds));
            sqlite3_exec(holder, "COMMIT", nullptr, nullptr, nullptr);
            sqlite3_close(holder);
        });
        if (seconds > 5)
            QTest::ignoreMessage(
                QtInfoMsg, QRegularExpression(QStringLiteral("^无法打开存储文件 ")));
        KeyValueStore store(path);
        release.join();
        QCOMPARE(store.stringForKey(QStringLiteral("key")), QStringLiteral("kept"));
        QVERIFY(damagedCopies(path).isEmpty());
    }

    // A write that hits the file size limit keeps the old value and says so once.
    void failedWriteKeepsPreviousValue()
    {
        const QString path = freshPath();
        QVERIFY(KeyValueStore(path).setData(QStringLiteral("blob"), "old"));
        QProcess writer;
        writer.start(QCoreApplication::applicationFilePath(), { "--limited-writer", path });
        QVERIFY(writer.waitForFinished());
        const QString console = QString::fromUtf8(writer.readAllStandardError());
        QCOMPARE(writer.exitCode(), 0);
        QCOMPARE(console.count(QLatin1Char('\n')), 1);
        QVERIFY2(console.startsWith(QStringLiteral("无法保存“blob”：")), qPrintable(console));
        QCOMPARE(KeyValueStore(path).dataForKey(QStringLiteral("blob")), QByteArray("old"));
        QCOMPARE(integrityOf(path), QByteArray("ok"));
    }
};

int main(int argc, char *argv[])
{
    // The test starts copies of itself as writers; they need no application object.
    if (argc == 5 && qstrcmp(argv[1], "--writer") == 0)
        return runWriter(QString::fromLocal8Bit(argv[2]), atoi(argv[3]), atoi(argv[4]));
    if (argc == 3 && qstrcmp(argv[1], "--limited-writer") == 0)
        return runLimitedWriter(QString::fromLocal8Bit(argv[2]));
    TestEnvironment::isolate();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vellumar"));
    TestKeyValueStore test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_keyvaluestore.moc"
