// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KeyValueStore.h"

#include "catalogue/Error.h"

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
#include <QUrl>
#include <QtEndian>

#include <chrono>
#include <mutex>
#include <sqlite3.h>
#include <thread>

namespace {

// What a row holds; stored beside the value so that a read of another kind
// finds nothing instead of guessing. The numbers follow the order of Value.
// Any other number reads as absent.
enum class Kind : int { Bool = 1, String = 2, StringArray = 3, Data = 4 };

// Another process may hold the write lock for a moment (a commit, a checkpoint).
constexpr int busyTimeoutMs = 5000;

// Waits for a lock in steps of a millisecond, for about busyTimeoutMs. SQLite's
// own timeout soon polls only every 100 ms, and a process writing in a loop
// leaves the lock free just for moments between its transactions, so a second
// writer could wait out the whole timeout without ever finding it free.
int waitForLock(void *, int attempt)
{
    if (attempt >= busyTimeoutMs)
        return 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return 1;
}

// WAL with synchronous=FULL: each commit appends to the log and syncs it once,
// so a write is on disk when the call returns, a crash at any point leaves the
// last committed state, and readers in another process never block the writer.
// fullfsync matters only on Apple systems, where plain fsync does not reach
// the disk. The log is cut back after checkpoints, as the history rewrites
// megabytes. The first statement reads the header: a file that is not a
// database fails here.
constexpr const char *connectionPragmas = "PRAGMA journal_mode = WAL;"
                                          "PRAGMA synchronous = FULL;"
                                          "PRAGMA fullfsync = ON;"
                                          "PRAGMA journal_size_limit = 8388608;";

constexpr const char *createTable = "CREATE TABLE IF NOT EXISTS entries ("
                                    " key TEXT PRIMARY KEY NOT NULL,"
                                    " kind INTEGER NOT NULL,"
                                    " value BLOB NOT NULL)";

using Value = KeyValueStore::Value;

bool isDamaged(int rc)
{
    return rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT;
}

// One line on the console; SQLite's own texts (an integrity report) may span several.
void consoleLine(QString line)
{
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    qCWarning(lcStore).noquote() << line;
}

// A list of strings as a JSON array: unambiguous for any text, empty strings
// and empty lists included, and readable with the sqlite3 shell.
QByteArray encodeStringList(const QStringList &list)
{
    return QJsonDocument(QJsonArray::fromStringList(list)).toJson(QJsonDocument::Compact);
}

// The first strings of a JSON array, each cut short; nothing for what is not
// an array of strings. A value larger than any list of recent terms is read
// by SQLite's JSON parser, which keeps no copy of the rest (but ends a string
// at a NUL character); an ordinary one by Qt's, exactly.
std::optional<QStringList> decodeStringList(sqlite3 *db, const char *json, int size)
{
    constexpr int maxCount = 100, maxLength = 1000, ordinarySize = 64 * 1024;
    QStringList list;
    if (size <= ordinarySize) {
        QJsonParseError error;
        const QJsonDocument document
            = QJsonDocument::fromJson(QByteArray::fromRawData(json, size), &error);
        if (error.error != QJsonParseError::NoError || !document.isArray())
            return std::nullopt;
        for (const QJsonValue &element : document.array()) {
            if (!element.isString())
                return std::nullopt;
            if (list.size() < maxCount)
                list.append(element.toString().left(maxLength));
        }
        return list;
    }
    sqlite3_stmt *each = nullptr;
    if (sqlite3_prepare_v2(db,
            "SELECT substr(value, 1, ?3), type, json_type(?1) FROM json_each(?1) LIMIT ?2", -1,
            &each, nullptr)
        != SQLITE_OK)
        return std::nullopt;
    sqlite3_bind_text(each, 1, json, size, SQLITE_STATIC);
    sqlite3_bind_int(each, 2, maxCount);
    sqlite3_bind_int(each, 3, maxLength);
    const auto column = [each](int index) {
        return QByteArray(reinterpret_cast<const char *>(sqlite3_column_text(each, index)),
            sqlite3_column_bytes(each, index));
    };
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(each)) == SQLITE_ROW && column(1) == "text" && column(2) == "array")
        list.append(QString::fromUtf8(column(0)));
    sqlite3_finalize(each);
    // Malformed JSON fails the step; anything but a string in an array stops it on a row.
    return rc == SQLITE_DONE ? std::optional(list) : std::nullopt;
}

// The value of the row a statement stands on (kind, value), or nothing
// when the kind is unknown or the value is not what the kind says.
std::optional<Value> decodeRow(sqlite3_stmt *row)
{
    const int type = sqlite3_column_type(row, 1);
    const auto text = [row] {
        const auto *data = static_cast<const char *>(sqlite3_column_blob(row, 1));
        return QByteArray(data, sqlite3_column_bytes(row, 1));
    };
    switch (Kind(sqlite3_column_int(row, 0))) {
    case Kind::Bool:
        if (type == SQLITE_INTEGER)
            return sqlite3_column_int64(row, 1) != 0;
        break;
    case Kind::String:
        if (const QByteArray utf8 = text(); type == SQLITE_TEXT && utf8.isValidUtf8())
            return QString::fromUtf8(utf8);
        break;
    case Kind::StringArray:
        if (type == SQLITE_TEXT)
            return decodeStringList(sqlite3_db_handle(row),
                static_cast<const char *>(sqlite3_column_blob(row, 1)),
                sqlite3_column_bytes(row, 1));
        break;
    case Kind::Data:
        if (type == SQLITE_BLOB)
            return text();
        break;
    }
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

    // The stores call from the main thread only; the lock makes a stray call
    // from elsewhere safe, since the statements are shared.
    std::mutex mutex;

    ~Private() { close(); }

    // Opens the file, moving a damaged one aside first. On failure, *failure
    // says what went wrong, as a console line would. A store that could not be
    // opened tries again on its next read or write, so a file that another
    // process held locked for a while is not given up for the whole session.
    bool open(QString *failure);
    // An SQLite result code; SQLITE_CORRUPT also when the check finds damage.
    int tryOpen(bool readOnly, QString *error);
    QString moveAside();
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
    bool exec(const char *sql, QString *error);
    void joinOldPieces();

    // Each returns false, with *error, when the statement failed.
    bool fetch(const QByteArray &key, std::optional<Value> *value, QString *error);
    bool store(const QByteArray &key, const std::optional<Value> &value, QString *error);

    // Ends a failed write: nothing of it stays, no lock stays held.
    Error fail(const QString &key, const QString &error);
};

int KeyValueStore::Private::tryOpen(bool readOnly, QString *error)
{
    // A file that cannot be written is read as it stands: immutable, since the
    // log and its index cannot be created beside it either.
    const QByteArray name = readOnly
        ? QUrl::fromLocalFile(path).toEncoded() + QByteArrayLiteral("?immutable=1")
        : QFile::encodeName(path);
    const int flags = readOnly ? SQLITE_OPEN_READONLY | SQLITE_OPEN_URI
                               : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    int rc = sqlite3_open_v2(name.constData(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_busy_handler(db, waitForLock, nullptr);
        if (!readOnly)
            rc = sqlite3_exec(db, connectionPragmas, nullptr, nullptr, nullptr);
    }
    // The check reads every page once; the file is small, and a damaged page
    // found now costs nothing, found later it costs a setting.
    sqlite3_stmt *check = nullptr;
    if (rc == SQLITE_OK)
        rc = sqlite3_prepare_v2(db, "PRAGMA integrity_check(1)", -1, &check, nullptr);
    if (rc == SQLITE_OK && (rc = sqlite3_step(check)) == SQLITE_ROW) {
        const auto *verdict = reinterpret_cast<const char *>(sqlite3_column_text(check, 0));
        rc = qstrcmp(verdict, "ok") == 0 ? SQLITE_OK : SQLITE_CORRUPT;
        if (rc != SQLITE_OK)
            *error = QString::fromUtf8(verdict);
    }
    sqlite3_finalize(check);
    if (rc == SQLITE_OK && !readOnly)
        rc = sqlite3_exec(db, createTable, nullptr, nullptr, nullptr);
    const auto prepare = [&](const char *sql, sqlite3_stmt **statement) {
        if (rc == SQLITE_OK)
            rc = sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, statement, nullptr);
    };
    prepare("SELECT kind, value FROM entries WHERE key = ?1", &selectEntry);
    prepare("INSERT INTO entries (key, kind, value) VALUES (?1, ?2, ?3)"
            " ON CONFLICT (key) DO UPDATE SET kind = excluded.kind, value = excluded.value",
        &upsertEntry);
    prepare("DELETE FROM entries WHERE key = ?1", &deleteEntry);
    if (rc != SQLITE_OK && error->isEmpty())
        *error = db ? lastError() : QString::fromUtf8(sqlite3_errstr(rc));
    return rc;
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

bool KeyValueStore::Private::open(QString *failure)
{
    // A folder that cannot be made may still hold a file to read.
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString error;
    int rc = tryOpen(false, &error);
    if (isDamaged(rc)) {
        abandon();
        // Two processes may find the same damaged file. Under the lock, look
        // again: the other one may already have replaced it with a healthy
        // file. A holder that never lets go does not stop the recovery.
        QLockFile lock(path + QStringLiteral(".recovery-lock"));
        lock.tryLock(busyTimeoutMs);
        error.clear();
        rc = tryOpen(false, &error);
        if (isDamaged(rc)) {
            abandon();
            const QString movedTo = moveAside();
            if (movedTo.isEmpty()) {
                *failure = QStringLiteral("the store %1 is damaged (%2) and cannot be moved aside")
                               .arg(path, error);
                return false;
            }
            consoleLine(QStringLiteral("the store %1 is damaged (%2), moved to %3; starting empty")
                            .arg(path, error, movedTo));
            error.clear();
            rc = tryOpen(false, &error);
        }
    }
    if (rc == SQLITE_CANTOPEN || rc == SQLITE_READONLY) {
        close();
        error.clear();
        rc = tryOpen(true, &error);
    }
    if (rc != SQLITE_OK) {
        *failure = QStringLiteral("cannot open the store %1: %2").arg(path, error);
        close();
        return false;
    }
    joinOldPieces();
    return true;
}

// Earlier builds split large byte values into pieces kept in a table of their
// own: the row (kind 5) held a list of 12-byte records, each a piece's id and
// length, little-endian. Such values are joined back into plain bytes once, so
// that a history stored by those builds is kept. A value whose pieces do not
// add up, or that names a piece twice (which a crafted file could do thousands
// of times, asking for gigabytes), stays as it was and reads as absent.
void KeyValueStore::Private::joinOldPieces()
{
    sqlite3_stmt *piece = nullptr;
    QString error;
    if (sqlite3_prepare_v2(db, "SELECT bytes FROM chunks WHERE id = ?", -1, &piece, nullptr)
            != SQLITE_OK
        || !exec("BEGIN IMMEDIATE", &error)) {
        sqlite3_finalize(piece);
        return; // nothing to join, or a read-only file
    }
    sqlite3_stmt *rows = nullptr;
    sqlite3_prepare_v2(db, "SELECT key, value FROM entries WHERE kind = 5", -1, &rows, nullptr);
    QList<std::pair<QByteArray, QByteArray>> joined;
    bool complete = true;
    while (sqlite3_step(rows) == SQLITE_ROW) {
        const auto *list = static_cast<const char *>(sqlite3_column_blob(rows, 1));
        const int listSize = sqlite3_column_bytes(rows, 1);
        bool whole = listSize % 12 == 0;
        QByteArray bytes;
        QSet<qint64> used;
        for (int at = 0; whole && at < listSize; at += 12) {
            const qint64 id = qFromLittleEndian<qint64>(list + at);
            sqlite3_bind_int64(piece, 1, id);
            whole = !used.contains(id) && sqlite3_step(piece) == SQLITE_ROW
                && quint32(sqlite3_column_bytes(piece, 0))
                    == qFromLittleEndian<quint32>(list + at + 8);
            if (whole)
                bytes.append(static_cast<const char *>(sqlite3_column_blob(piece, 0)),
                    sqlite3_column_bytes(piece, 0));
            used.insert(id);
            sqlite3_reset(piece);
        }
        complete = complete && whole;
        if (whole)
            joined.append({ reinterpret_cast<const char *>(sqlite3_column_text(rows, 0)), bytes });
    }
    sqlite3_finalize(rows);
    sqlite3_finalize(piece);
    for (const auto &[key, bytes] : std::as_const(joined))
        store(key, Value(bytes), &error);
    if (error.isEmpty() && (!complete || exec("DROP TABLE chunks", &error))
        && exec("COMMIT", &error))
        return;
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    consoleLine(
        QStringLiteral("cannot join the split values of the store %1: %2").arg(path, error));
}

void KeyValueStore::Private::close()
{
    for (sqlite3_stmt **statement : { &selectEntry, &upsertEntry, &deleteEntry }) {
        sqlite3_finalize(*statement);
        *statement = nullptr;
    }
    sqlite3_close_v2(db);
    db = nullptr;
}

bool KeyValueStore::Private::exec(const char *sql, QString *error)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK)
        return true;
    *error = lastError();
    return false;
}

bool KeyValueStore::Private::fetch(
    const QByteArray &key, std::optional<Value> *value, QString *error)
{
    sqlite3_bind_text64(selectEntry, 1, key.constData(), key.size(), SQLITE_STATIC, SQLITE_UTF8);
    const int rc = sqlite3_step(selectEntry);
    if (rc == SQLITE_ROW)
        *value = decodeRow(selectEntry);
    else if (rc != SQLITE_DONE)
        *error = lastError();
    // Resetting ends the read transaction, so no snapshot stays pinned.
    sqlite3_reset(selectEntry);
    return rc == SQLITE_ROW || rc == SQLITE_DONE;
}

bool KeyValueStore::Private::store(
    const QByteArray &key, const std::optional<Value> &value, QString *error)
{
    sqlite3_stmt *const statement = value ? upsertEntry : deleteEntry;
    sqlite3_bind_text64(statement, 1, key.constData(), key.size(), SQLITE_STATIC, SQLITE_UTF8);
    QByteArray text; // bound without a copy, so it lives until the reset
    if (value) {
        sqlite3_bind_int(statement, 2, int(value->index()) + 1);
        if (const bool *flag = std::get_if<bool>(&*value)) {
            sqlite3_bind_int(statement, 3, *flag ? 1 : 0);
        } else if (const QByteArray *bytes = std::get_if<QByteArray>(&*value)) {
            // Empty bytes are bound as empty, not as NULL; so is empty text below.
            sqlite3_bind_blob64(statement, 3, bytes->isNull() ? "" : bytes->constData(),
                bytes->size(), SQLITE_STATIC);
        } else {
            text = std::holds_alternative<QString>(*value)
                ? std::get<QString>(*value).toUtf8()
                : encodeStringList(std::get<QStringList>(*value));
            sqlite3_bind_text64(statement, 3, text.isNull() ? "" : text.constData(), text.size(),
                SQLITE_STATIC, SQLITE_UTF8);
        }
    }
    const int rc = sqlite3_step(statement);
    if (rc != SQLITE_DONE)
        *error = lastError();
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    return rc == SQLITE_DONE;
}

Error KeyValueStore::Private::fail(const QString &key, const QString &error)
{
    const int code = db ? sqlite3_errcode(db) : SQLITE_CANTOPEN;
    if (db && !sqlite3_get_autocommit(db))
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    const QString line = QStringLiteral("cannot save \"%1\" in %2: %3").arg(key, path, error);
    consoleLine(line);
    return Error { QStringLiteral("KeyValueStore"), code, line,
        code == SQLITE_FULL ? Error::Kind::diskFull : Error::Kind::writeFailed };
}

QString KeyValueStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/store.sqlite");
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

std::optional<KeyValueStore::Value> KeyValueStore::read(const QString &key) const
{
    std::lock_guard locker(d->mutex);
    QString error;
    std::optional<Value> value;
    if ((d->db || d->open(&error)) && d->fetch(key.toUtf8(), &value, &error))
        return value;
    consoleLine(QStringLiteral("cannot read \"%1\" from %2: %3").arg(key, d->path, error));
    return std::nullopt;
}

// A plain write is a change that ignores what was there.
Result<void> KeyValueStore::write(const QString &key, const std::optional<Value> &value)
{
    return update(key, [&](std::optional<Value> &current) {
        current = value;
        return true;
    });
}

Result<void> KeyValueStore::update(const QString &key, const Change &change)
{
    std::lock_guard locker(d->mutex);
    const QByteArray keyUtf8 = key.toUtf8();
    QString error;
    std::optional<Value> value;
    // IMMEDIATE takes the write lock at once (waiting for another process if
    // need be), so the value read stays current until the commit.
    if (!(d->db || d->open(&error)) || !d->exec("BEGIN IMMEDIATE", &error)
        || !d->fetch(keyUtf8, &value, &error))
        return d->fail(key, error);
    if (!change(value)) {
        sqlite3_exec(d->db, "ROLLBACK", nullptr, nullptr, nullptr);
        return {};
    }
    if (!d->store(keyUtf8, value, &error) || !d->exec("COMMIT", &error))
        return d->fail(key, error);
    return {};
}
