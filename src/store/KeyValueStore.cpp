#include "KeyValueStore.h"

#include "ValueChunker.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLockFile>
#include <QSet>
#include <QStandardPaths>
#include <QtEndian>

#include <mutex>
#include <sqlite3.h>
#include <variant>

namespace {

// What a row holds; stored beside the value so that a read of another kind
// finds nothing instead of guessing from SQLite's own column types.
enum class Kind : int {
    Bool = 1,
    String = 2,
    StringArray = 3,
    Data = 4,
    // Bytes of ValueChunker::threshold or more: the row holds the list of
    // their pieces in the chunks table, so that a small edit of a large value
    // writes only the pieces it changed. Readers that predate it find no value.
    ChunkedData = 5,
};

// Another process may hold the write lock for a moment (a commit, a checkpoint).
constexpr int busyTimeoutMs = 5000;

// Database connection settings, applied on every open.
//
// WAL with synchronous=FULL: each commit appends to the log and syncs it once,
// so a write is on disk when the call returns, a crash at any point leaves the
// last committed state, and readers in another process never block the writer.
// A rollback journal would need at least two syncs per commit and copy every
// changed page twice, which matters for the megabyte-sized history blob.
// fullfsync only has an effect on Apple systems, where plain fsync does not
// reach the platter. The page cache is kept at 256 KiB: large values are cached
// whole above it and pass through it only when read afresh, and every page it
// fills is fresh memory (2 MB by default, 8 ms of page faults at start-up on a
// loaded virtual machine).
constexpr const char *connectionPragmas = "PRAGMA synchronous = FULL;"
                                          "PRAGMA fullfsync = ON;"
                                          "PRAGMA journal_size_limit = 8388608;"
                                          "PRAGMA cache_size = -256;";

// A chunk belongs to the one entry whose list names it; writes of that entry
// add and delete its chunks in the same transaction.
constexpr const char *createSchema = "CREATE TABLE IF NOT EXISTS entries ("
                                     " key TEXT PRIMARY KEY NOT NULL,"
                                     " kind INTEGER NOT NULL,"
                                     " value BLOB NOT NULL);"
                                     "CREATE TABLE IF NOT EXISTS chunks ("
                                     " id INTEGER PRIMARY KEY,"
                                     " bytes BLOB NOT NULL)";

// A stored value; the alternatives are in the order of Kind.
using Value = std::variant<bool, QString, QStringList, QByteArray>;

enum class Outcome { Ok, Damaged, Failed };

Outcome outcomeOf(int rc)
{
    switch (rc & 0xff) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE:
        return Outcome::Ok;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return Outcome::Damaged;
    default:
        return Outcome::Failed;
    }
}

// One line on the console; SQLite's own texts (an integrity report) may span several.
void consoleLine(QString line)
{
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    qInfo().noquote() << line;
}

// A list of strings as a JSON array: unambiguous for any text, empty strings
// and empty lists included, and readable with the sqlite3 shell.
QByteArray encodeStringList(const QStringList &list)
{
    return QJsonDocument(QJsonArray::fromStringList(list)).toJson(QJsonDocument::Compact);
}

std::optional<QStringList> decodeStringList(const QByteArray &bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    QStringList list;
    const QJsonArray array = document.array();
    list.reserve(array.size());
    for (const QJsonValue &element : array) {
        if (!element.isString())
            return std::nullopt;
        list.append(element.toString());
    }
    return list;
}

// A chunk list: per piece its id (8 bytes) and length (4 bytes), little-endian.
constexpr qsizetype pieceRecordSize = 12;

QByteArray encodePieces(const QList<ValueChunker::Piece> &pieces)
{
    QByteArray list(pieces.size() * pieceRecordSize, Qt::Uninitialized);
    char *out = list.data();
    for (const ValueChunker::Piece &piece : pieces) {
        qToLittleEndian<qint64>(piece.id, out);
        qToLittleEndian<quint32>(quint32(piece.length), out + 8);
        out += pieceRecordSize;
    }
    return list;
}

std::optional<QList<ValueChunker::Piece>> decodePieces(QByteArrayView list)
{
    if (list.size() % pieceRecordSize != 0)
        return std::nullopt;
    QList<ValueChunker::Piece> pieces;
    pieces.reserve(list.size() / pieceRecordSize);
    for (const char *in = list.data(); in != list.data() + list.size(); in += pieceRecordSize)
        pieces.append({ qFromLittleEndian<qint64>(in), qFromLittleEndian<quint32>(in + 8) });
    return pieces;
}

template<typename T>
std::optional<T> valueAs(const std::optional<Value> &value)
{
    if (value && std::holds_alternative<T>(*value))
        return std::get<T>(*value);
    return std::nullopt;
}

} // namespace

struct KeyValueStore::Private
{
    QString path;
    sqlite3 *db = nullptr;
    sqlite3_stmt *selectEntry = nullptr;
    sqlite3_stmt *upsertEntry = nullptr;
    sqlite3_stmt *deleteEntry = nullptr;
    sqlite3_stmt *insertChunk = nullptr;
    sqlite3_stmt *deleteChunk = nullptr;
    sqlite3_stmt *dataVersion = nullptr;

    // Values already read or written, nothing for a key known to be absent.
    // Reading the megabyte-sized history again then costs no copy at all, and
    // a write compares the new bytes with these to find the pieces it keeps.
    // The cache is dropped whenever another connection has committed since it
    // was last checked.
    QHash<QString, std::optional<Value>> cache;
    qint64 cachedVersion = -1;

    // The stores call from the main thread only; the lock makes a stray call
    // from elsewhere safe, since the statements and the cache are shared.
    std::mutex mutex;

    ~Private() { close(); }

    // Opens the file, moving a damaged one aside first. On failure, *failure
    // says what went wrong, as a console line would. A store that could not be
    // opened tries again on its next read or write, so a file that another
    // process held locked for a while is not given up for the whole session.
    bool open(QString *failure);
    Outcome tryOpen(QString *error);
    QString moveAside();
    void sweepChunks();
    void close();
    // Closes a damaged file without folding its log into it, so that the copy
    // moved aside keeps the bytes as they were found.
    void abandon()
    {
        if (db)
            sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        close();
    }

    QString lastError() const { return QString::fromUtf8(sqlite3_errmsg(db)); }

    // Drops the cache when another connection has committed since the last check.
    void checkVersion();
    std::optional<Value> lookup(const QString &key);
    // The value of the row selectEntry stands on, or nothing when its kind is
    // unknown or its list does not decode. False, with *error, when it cannot be read.
    bool decodeRow(std::optional<Value> *value, QString *error);
    bool readChunks(QByteArrayView list, QByteArray *bytes, QString *error);

    // Stores the value under key, or removes the key when there is none.
    // Returns false, after one console line, when nothing was stored.
    bool write(const QString &key, std::optional<Value> stored);
    // The transaction of write(); false, with *error, at the first failure.
    bool replace(const QString &key, const std::optional<Value> &stored, QString *error);
};

Outcome KeyValueStore::Private::tryOpen(QString *error)
{
    const QByteArray nativePath = QFile::encodeName(path);
    int rc = sqlite3_open_v2(nativePath.constData(), &db,
        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    const auto fail = [&](int code) {
        *error = db ? lastError() : QString::fromUtf8(sqlite3_errstr(code));
        return outcomeOf(code);
    };
    if (rc != SQLITE_OK)
        return fail(rc);
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, busyTimeoutMs);

    // The first statement reads the header: a file that is not a database fails here.
    rc = sqlite3_exec(db, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        return fail(rc);
    rc = sqlite3_exec(db, connectionPragmas, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        return fail(rc);

    // The check reads every page once; the file is small, and a damaged page
    // found now costs nothing, found later it costs a setting.
    sqlite3_stmt *check = nullptr;
    rc = sqlite3_prepare_v2(db, "PRAGMA integrity_check(1)", -1, &check, nullptr);
    if (rc != SQLITE_OK)
        return fail(rc);
    rc = sqlite3_step(check);
    const QString verdict = rc == SQLITE_ROW
        ? QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(check, 0)))
        : QString();
    sqlite3_finalize(check);
    if (rc != SQLITE_ROW)
        return fail(rc);
    if (verdict != QLatin1String("ok")) {
        *error = verdict;
        return Outcome::Damaged;
    }

    rc = sqlite3_exec(db, createSchema, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        return fail(rc);

    const auto prepare = [&](const char *sql, sqlite3_stmt **statement) {
        return sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, statement, nullptr);
    };
    // Plain bytes are read by decodeRow() straight into their final buffer, so
    // the query gives only their length; chunked bytes give their chunk list.
    rc = prepare("SELECT kind, CASE kind WHEN 4 THEN length(value) ELSE value END, rowid"
                 " FROM entries WHERE key = ?1",
        &selectEntry);
    if (rc == SQLITE_OK)
        rc = prepare(
            "INSERT INTO entries (key, kind, value) VALUES (?1, ?2, ?3)"
            " ON CONFLICT (key) DO UPDATE SET kind = excluded.kind, value = excluded.value",
            &upsertEntry);
    if (rc == SQLITE_OK)
        rc = prepare("DELETE FROM entries WHERE key = ?1", &deleteEntry);
    if (rc == SQLITE_OK)
        rc = prepare("INSERT INTO chunks (bytes) VALUES (?1)", &insertChunk);
    if (rc == SQLITE_OK)
        rc = prepare("DELETE FROM chunks WHERE id = ?1", &deleteChunk);
    if (rc == SQLITE_OK)
        rc = prepare("PRAGMA data_version", &dataVersion);
    if (rc != SQLITE_OK)
        return fail(rc);
    return Outcome::Ok;
}

// Moves the file and its companions to one dated name beside it, keeping the
// -wal/-shm/-journal suffixes so the set still opens together. Returns the new
// name, or an empty string when the file could not be moved.
QString KeyValueStore::Private::moveAside()
{
    const QString stem = path + QStringLiteral(".damaged-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = stem;
    for (int n = 2; QFileInfo::exists(target) || QFileInfo::exists(target + QStringLiteral("-wal"));
         ++n)
        target = stem + QLatin1Char('-') + QString::number(n);
    if (!QFile::rename(path, target))
        return {};
    // A leftover journal or log must not be replayed into the new, empty file.
    for (const char *suffix : { "-wal", "-shm", "-journal" }) {
        const QString companion = path + QLatin1String(suffix);
        if (QFileInfo::exists(companion)
            && !QFile::rename(companion, target + QLatin1String(suffix)))
            QFile::remove(companion);
    }
    return target;
}

// A build that does not know chunked values reads one as absent, and writing
// that key leaves its chunks behind. They are found by count, which costs
// little, and deleted. Nothing is deleted unless every list was read; when
// anything fails the chunks simply stay until next time.
void KeyValueStore::Private::sweepChunks()
{
    // Runs sql and hands each row to take; true when every row was taken.
    const auto eachRow = [this](const char *sql, const auto &take) {
        sqlite3_stmt *statement = nullptr;
        int rc = sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
        while (rc == SQLITE_OK && (rc = sqlite3_step(statement)) == SQLITE_ROW)
            rc = take(statement) ? SQLITE_OK : SQLITE_CORRUPT;
        sqlite3_finalize(statement);
        return rc == SQLITE_DONE;
    };
    bool extra = false;
    eachRow("SELECT (SELECT count(*) FROM chunks),"
            " (SELECT coalesce(sum(length(value)), 0) FROM entries WHERE kind = 5)",
        [&](sqlite3_stmt *row) {
            extra = sqlite3_column_int64(row, 0) > sqlite3_column_int64(row, 1) / pieceRecordSize;
            return true;
        });
    if (!extra || sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return;
    QSet<qint64> used;
    QList<qint64> unused;
    bool complete = eachRow("SELECT value FROM entries WHERE kind = 5", [&](sqlite3_stmt *row) {
        const auto *list = static_cast<const char *>(sqlite3_column_blob(row, 0));
        const auto pieces = decodePieces(QByteArrayView(list, sqlite3_column_bytes(row, 0)));
        for (const ValueChunker::Piece &piece : pieces.value_or(QList<ValueChunker::Piece>()))
            used.insert(piece.id);
        return pieces.has_value();
    });
    complete = complete && eachRow("SELECT id FROM chunks", [&](sqlite3_stmt *row) {
        if (const qint64 id = sqlite3_column_int64(row, 0); !used.contains(id))
            unused.append(id);
        return true;
    });
    for (qsizetype n = 0; complete && n < unused.size(); ++n) {
        sqlite3_bind_int64(deleteChunk, 1, unused[n]);
        complete = sqlite3_step(deleteChunk) == SQLITE_DONE;
        sqlite3_reset(deleteChunk);
    }
    sqlite3_exec(db, complete ? "COMMIT" : "ROLLBACK", nullptr, nullptr, nullptr);
    if (!sqlite3_get_autocommit(db))
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
}

bool KeyValueStore::Private::open(QString *failure)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        *failure = QStringLiteral("无法创建存储文件夹 %1").arg(folder);
        return false;
    }

    QString error;
    Outcome outcome = tryOpen(&error);
    if (outcome == Outcome::Damaged) {
        abandon();
        // Two processes may find the same damaged file. Under the lock, look
        // again: the other one may already have replaced it with a healthy file.
        QLockFile lock(path + QStringLiteral(".recovery-lock"));
        // A holder that never lets go does not stop the recovery: the second look
        // below still keeps a healthy file where it is.
        lock.tryLock(busyTimeoutMs);
        outcome = tryOpen(&error);
        if (outcome == Outcome::Damaged) {
            abandon();
            const QString movedTo = moveAside();
            if (movedTo.isEmpty()) {
                *failure = QStringLiteral("存储文件 %1 已损坏（%2），且无法移开").arg(path, error);
                return false;
            }
            consoleLine(QStringLiteral("存储文件 %1 已损坏（%2），已移到 %3，存储从空白开始")
                            .arg(path, error, movedTo));
            outcome = tryOpen(&error);
        }
    }
    if (outcome != Outcome::Ok) {
        *failure = QStringLiteral("无法打开存储文件 %1：%2").arg(path, error);
        close();
        return false;
    }
    sweepChunks();
    return true;
}

void KeyValueStore::Private::close()
{
    for (sqlite3_stmt **statement :
        { &selectEntry, &upsertEntry, &deleteEntry, &insertChunk, &deleteChunk, &dataVersion }) {
        sqlite3_finalize(*statement);
        *statement = nullptr;
    }
    sqlite3_close_v2(db);
    db = nullptr;
    cache.clear();
}

void KeyValueStore::Private::checkVersion()
{
    // data_version changes only when another connection has committed.
    if (sqlite3_step(dataVersion) == SQLITE_ROW) {
        const qint64 version = sqlite3_column_int64(dataVersion, 0);
        if (version != cachedVersion)
            cache.clear();
        cachedVersion = version;
    } else {
        cache.clear();
    }
    sqlite3_reset(dataVersion);
}

// Assembles the pieces a chunk list names, in order.
bool KeyValueStore::Private::readChunks(QByteArrayView list, QByteArray *bytes, QString *error)
{
    const std::optional<QList<ValueChunker::Piece>> pieces = decodePieces(list);
    if (!pieces) {
        *error = QStringLiteral("分块列表已损坏");
        return false;
    }
    qsizetype total = 0;
    for (const ValueChunker::Piece &piece : *pieces)
        total += piece.length;
    QByteArray assembled(total, Qt::Uninitialized);
    char *out = assembled.data();
    sqlite3_blob *blob = nullptr;
    for (const ValueChunker::Piece &piece : *pieces) {
        int rc = blob ? sqlite3_blob_reopen(blob, piece.id)
                      : sqlite3_blob_open(db, "main", "chunks", "bytes", piece.id, 0, &blob);
        if (rc == SQLITE_OK && sqlite3_blob_bytes(blob) != piece.length) {
            *error = QStringLiteral("分块 %1 的长度不符").arg(piece.id);
            sqlite3_blob_close(blob);
            return false;
        }
        if (rc == SQLITE_OK)
            rc = sqlite3_blob_read(blob, out, int(piece.length), 0);
        if (rc != SQLITE_OK) {
            *error = lastError();
            sqlite3_blob_close(blob);
            return false;
        }
        out += piece.length;
    }
    sqlite3_blob_close(blob);
    *bytes = std::move(assembled);
    return true;
}

bool KeyValueStore::Private::decodeRow(std::optional<Value> *value, QString *error)
{
    const auto text = [this] {
        const auto *bytes = static_cast<const char *>(sqlite3_column_blob(selectEntry, 1));
        return QByteArray(bytes ? bytes : "", sqlite3_column_bytes(selectEntry, 1));
    };
    switch (Kind(sqlite3_column_int(selectEntry, 0))) {
    case Kind::Bool:
        *value = sqlite3_column_int64(selectEntry, 1) != 0;
        return true;
    case Kind::String:
        *value = QString::fromUtf8(text());
        return true;
    case Kind::StringArray:
        if (auto list = decodeStringList(text()))
            *value = std::move(*list);
        return true;
    case Kind::Data: {
        // One copy from the pages into the result; the select stays active, so
        // the row is read from the same snapshot.
        QByteArray bytes(sqlite3_column_int(selectEntry, 1), Qt::Uninitialized);
        if (!bytes.isEmpty()) {
            sqlite3_blob *blob = nullptr;
            int rc = sqlite3_blob_open(
                db, "main", "entries", "value", sqlite3_column_int64(selectEntry, 2), 0, &blob);
            if (rc == SQLITE_OK)
                rc = sqlite3_blob_read(blob, bytes.data(), int(bytes.size()), 0);
            if (rc != SQLITE_OK)
                *error = lastError();
            sqlite3_blob_close(blob);
            if (rc != SQLITE_OK)
                return false;
        }
        *value = std::move(bytes);
        return true;
    }
    case Kind::ChunkedData: {
        QByteArray bytes;
        const auto *list = static_cast<const char *>(sqlite3_column_blob(selectEntry, 1));
        if (!readChunks(QByteArrayView(list, sqlite3_column_bytes(selectEntry, 1)), &bytes, error))
            return false;
        *value = std::move(bytes);
        return true;
    }
    }
    return true;
}

std::optional<Value> KeyValueStore::Private::lookup(const QString &key)
{
    std::lock_guard locker(mutex);
    QString failure;
    if (!db && !open(&failure)) {
        consoleLine(QStringLiteral("无法读取“%1”：%2").arg(key, failure));
        return std::nullopt;
    }
    checkVersion();
    if (const auto cached = cache.constFind(key); cached != cache.cend())
        return *cached;

    const QByteArray keyUtf8 = key.toUtf8();
    sqlite3_bind_text(selectEntry, 1, keyUtf8.constData(), int(keyUtf8.size()), SQLITE_STATIC);
    std::optional<Value> value;
    QString error;
    const int rc = sqlite3_step(selectEntry);
    if (rc == SQLITE_ROW)
        decodeRow(&value, &error);
    else if (rc != SQLITE_DONE)
        error = lastError();
    // Resetting ends the read transaction, so no snapshot stays pinned.
    sqlite3_reset(selectEntry);
    sqlite3_clear_bindings(selectEntry);
    if (!error.isNull()) {
        consoleLine(QStringLiteral("无法读取“%1”：%2").arg(key, error));
        return std::nullopt;
    }
    cache.insert(key, value);
    return value;
}

bool KeyValueStore::Private::replace(
    const QString &key, const std::optional<Value> &stored, QString *error)
{
    // Runs a statement whose parameters are bound, then clears them.
    const auto run = [this, error](sqlite3_stmt *statement) {
        const int rc = sqlite3_step(statement);
        if (rc != SQLITE_DONE)
            *error = lastError();
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
        return rc == SQLITE_DONE;
    };
    // IMMEDIATE takes the write lock at once (waiting for another process if
    // need be), so what is read below cannot change before the commit.
    if (sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) {
        *error = lastError();
        return false;
    }
    checkVersion();
    const QByteArray keyUtf8 = key.toUtf8();

    // The pieces the key holds now, and their bytes, so that the new value can
    // keep the pieces that stay equal.
    QList<ValueChunker::Piece> previousPieces;
    QByteArray previous;
    sqlite3_bind_text(selectEntry, 1, keyUtf8.constData(), int(keyUtf8.size()), SQLITE_STATIC);
    int rc = sqlite3_step(selectEntry);
    if (rc == SQLITE_ROW && Kind(sqlite3_column_int(selectEntry, 0)) == Kind::ChunkedData) {
        const auto *list = static_cast<const char *>(sqlite3_column_blob(selectEntry, 1));
        previousPieces = decodePieces(QByteArrayView(list, sqlite3_column_bytes(selectEntry, 1)))
                             .value_or(QList<ValueChunker::Piece>());
        const auto cached = cache.constFind(key);
        if (cached != cache.cend() && *cached && std::holds_alternative<QByteArray>(**cached)) {
            previous = std::get<QByteArray>(**cached);
        } else {
            // Pieces that cannot be read are not reused; the write still replaces them.
            std::optional<Value> current;
            QString ignored;
            if (decodeRow(&current, &ignored) && current)
                previous = std::get<QByteArray>(*current);
        }
    }
    const bool found = rc == SQLITE_ROW || rc == SQLITE_DONE;
    if (!found)
        *error = lastError();
    sqlite3_reset(selectEntry);
    sqlite3_clear_bindings(selectEntry);
    if (!found)
        return false;

    sqlite3_stmt *const query = stored ? upsertEntry : deleteEntry;
    QSet<qint64> kept;
    // Bound without a copy: the bytes live in encoded or in stored until the reset.
    QByteArray encoded;
    if (stored) {
        auto kind = Kind(stored->index() + 1);
        switch (kind) {
        case Kind::Bool:
            sqlite3_bind_int(query, 3, std::get<bool>(*stored) ? 1 : 0);
            break;
        case Kind::String:
        case Kind::StringArray:
            encoded = kind == Kind::String ? std::get<QString>(*stored).toUtf8()
                                           : encodeStringList(std::get<QStringList>(*stored));
            // An empty text is bound as empty, not as NULL.
            sqlite3_bind_text(query, 3, encoded.isNull() ? "" : encoded.constData(),
                int(encoded.size()), SQLITE_STATIC);
            break;
        case Kind::Data:
        case Kind::ChunkedData: {
            const QByteArray &bytes = std::get<QByteArray>(*stored);
            if (bytes.size() < ValueChunker::threshold) {
                sqlite3_bind_blob(query, 3, bytes.isNull() ? "" : bytes.constData(),
                    int(bytes.size()), SQLITE_STATIC);
                break;
            }
            kind = Kind::ChunkedData;
            QList<ValueChunker::Piece> pieces;
            for (const ValueChunker::PlannedPiece &piece :
                ValueChunker::plan(previous, previousPieces, bytes)) {
                qint64 id = piece.id;
                if (id == 0) {
                    sqlite3_bind_blob(insertChunk, 1, bytes.constData() + piece.offset,
                        int(piece.length), SQLITE_STATIC);
                    if (!run(insertChunk))
                        return false;
                    id = sqlite3_last_insert_rowid(db);
                }
                pieces.append({ id, piece.length });
                kept.insert(id);
            }
            encoded = encodePieces(pieces);
            sqlite3_bind_blob(query, 3, encoded.constData(), int(encoded.size()), SQLITE_STATIC);
            break;
        }
        }
        sqlite3_bind_int(query, 2, int(kind));
    }
    sqlite3_bind_text(query, 1, keyUtf8.constData(), int(keyUtf8.size()), SQLITE_STATIC);
    if (!run(query))
        return false;
    for (const ValueChunker::Piece &piece : std::as_const(previousPieces)) {
        if (kept.contains(piece.id))
            continue;
        sqlite3_bind_int64(deleteChunk, 1, piece.id);
        if (!run(deleteChunk))
            return false;
    }
    if (sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        *error = lastError();
        return false;
    }
    return true;
}

bool KeyValueStore::Private::write(const QString &key, std::optional<Value> stored)
{
    std::lock_guard locker(mutex);
    const QString failureFormat
        = stored ? QStringLiteral("无法保存“%1”：%2") : QStringLiteral("无法删除“%1”：%2");
    QString failure;
    if (!db && !open(&failure)) {
        consoleLine(failureFormat.arg(key, failure));
        return false;
    }
    if (replace(key, stored, &failure)) {
        cache.insert(key, std::move(stored));
        return true;
    }
    // Nothing of the transaction stays, and no lock stays held.
    if (!sqlite3_get_autocommit(db))
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    cache.remove(key);
    consoleLine(failureFormat.arg(key, failure));
    return false;
}

KeyValueStore &KeyValueStore::shared()
{
    static KeyValueStore store(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/store.sqlite"));
    return store;
}

KeyValueStore::KeyValueStore(const QString &filePath)
    : d(std::make_unique<Private>())
{
    d->path = filePath;
    std::lock_guard locker(d->mutex);
    QString failure;
    if (!d->open(&failure))
        consoleLine(failure);
}

KeyValueStore::~KeyValueStore() = default;

QString KeyValueStore::filePath() const
{
    return d->path;
}

bool KeyValueStore::boolForKey(const QString &key) const
{
    return valueAs<bool>(d->lookup(key)).value_or(false);
}

std::optional<QString> KeyValueStore::stringForKey(const QString &key) const
{
    return valueAs<QString>(d->lookup(key));
}

std::optional<QStringList> KeyValueStore::stringArrayForKey(const QString &key) const
{
    return valueAs<QStringList>(d->lookup(key));
}

std::optional<QByteArray> KeyValueStore::dataForKey(const QString &key) const
{
    return valueAs<QByteArray>(d->lookup(key));
}

bool KeyValueStore::setBool(const QString &key, bool value)
{
    return d->write(key, value);
}

bool KeyValueStore::setString(const QString &key, const QString &value)
{
    return d->write(key, value);
}

bool KeyValueStore::setStringArray(const QString &key, const QStringList &value)
{
    return d->write(key, value);
}

bool KeyValueStore::setData(const QString &key, const QByteArray &value)
{
    return d->write(key, value);
}

bool KeyValueStore::removeObject(const QString &key)
{
    return d->write(key, std::nullopt);
}
