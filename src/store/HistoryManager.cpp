#include "HistoryManager.h"

#include "HistoryDocument.h"
#include "KeyValueStore.h"
#include "TemporaryDirectory.h"
#include "catalogue/JsonDecoding.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

void printLine(const QString &line)
{
    qInfo().noquote() << line;
}

// The list as stored, or why it cannot be read.
Result<QList<AppItem>> decodeHistory(const QByteArray &bytes)
{
    const auto failure = [](const QString &description) {
        return DecodingError::make(DecodingError::DataCorrupted, description);
    };
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return failure(QStringLiteral("The history is not valid JSON (%1 at offset %2)")
                           .arg(parseError.errorString(), QString::number(parseError.offset)));
    if (!document.isArray())
        return failure(QStringLiteral("The history must be a JSON array"));

    const QJsonArray array = document.array();
    QList<AppItem> items;
    items.reserve(array.size());
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QJsonValue value = array.at(i);
        // The position is formatted only on failure: it is costly at 10,000 entries.
        if (!value.isObject())
            return failure(QStringLiteral("[%1]: must be an object, found %2")
                               .arg(QString::number(i), jsonTypeName(value)));
        Result<AppItem> item = AppItem::decode(value.toObject());
        if (!item) {
            Error error = item.error();
            error.detail = QStringLiteral("[%1]: ").arg(i) + error.detail;
            return error;
        }
        items.append(std::move(item).value());
    }
    return items;
}

QByteArray encodeItem(const AppItem &item)
{
    return QJsonDocument(item.toJson()).toJson(QJsonDocument::Compact);
}

} // namespace

HistoryManager *HistoryManager::shared()
{
    static HistoryManager *const instance = new HistoryManager(KeyValueStore::shared());
    return instance;
}

HistoryManager::HistoryManager(KeyValueStore &store, QObject *parent)
    : QObject(parent)
    , m_store(store)
{ }

void HistoryManager::addHistory(const AppItem &item)
{
    {
        const Stored stored = readHistory();
        for (const AppItem &existing : stored.items) {
            if (existing.trackId == item.trackId)
                return;
        }
        if (stored.unreadable || stored.items.isEmpty()) {
            saveHistory({ item }, stored);
            return;
        }
    }
    // m_decoded holds the non-empty array just read: put the new entry right
    // after its opening bracket instead of encoding every entry again.
    const QByteArray entry = encodeItem(item);
    const QByteArray &current = m_decoded.bytes;
    const qsizetype bracket = current.indexOf('[');
    Decoded next;
    next.bytes = takeBuffer(current.size() - bracket + entry.size() + 1);
    next.bytes.append('[').append(entry).append(',').append(
        QByteArrayView(current).sliced(bracket + 1));
    if (m_decoded.spansKnown()) {
        const qsizetype shift = next.bytes.size() - current.size();
        next.spans.reserve(m_decoded.spans.size() + 1);
        next.spans.append({ 1, 1 + entry.size() });
        for (const HistoryDocument::Span &span : std::as_const(m_decoded.spans))
            next.spans.append({ span.begin + shift, span.end + shift });
    }
    // Taken rather than copied: unless a caller still holds the list, the
    // entry goes in front without copying the others.
    next.items = std::move(m_decoded.items);
    next.items.prepend(item);
    storeDocument(std::move(next));
}

void HistoryManager::removeHistory(const AppItem &item)
{
    Stored stored = readHistory();
    const auto matches = [&](const AppItem &entry) {
        return entry.trackId == item.trackId;
    };
    if (stored.unreadable || !m_decoded.spansKnown()) {
        stored.items.removeIf(matches);
        saveHistory(stored.items, stored);
        return;
    }
    // Every other entry keeps its stored text.
    const QByteArrayView current(m_decoded.bytes);
    Decoded next;
    next.bytes = takeBuffer(current.size());
    next.bytes.append('[');
    for (qsizetype i = 0; i < m_decoded.items.size(); ++i) {
        const AppItem &entry = m_decoded.items.at(i);
        if (matches(entry))
            continue;
        if (!next.items.isEmpty())
            next.bytes.append(',');
        const HistoryDocument::Span span = m_decoded.spans.at(i);
        next.spans.append({ next.bytes.size(), next.bytes.size() + span.end - span.begin });
        next.bytes.append(current.sliced(span.begin, span.end - span.begin));
        next.items.append(entry);
    }
    next.bytes.append(']');
    storeDocument(std::move(next));
}

QList<AppItem> HistoryManager::loadHistory() const
{
    return readHistory().items;
}

void HistoryManager::clearAllHistory()
{
    saveHistory({}, readHistory());
    clearTemporaryFiles();
}

HistoryManager::Stored HistoryManager::readHistory() const
{
    const std::optional<QByteArray> bytes = m_store.dataForKey(historyKey);
    if (!bytes) {
        m_decoded = {};
        return {};
    }
    // The document is read every time; only decoding it is skipped when its
    // bytes are exactly those decoded last time.
    if (!m_decoded.bytes.isEmpty() && *bytes == m_decoded.bytes)
        return { m_decoded.items, std::nullopt };
    if (std::optional<HistoryDocument::Parsed> parsed = HistoryDocument::parse(*bytes)) {
        m_decoded = { *bytes, std::move(parsed->items), std::move(parsed->spans) };
        return { m_decoded.items, std::nullopt };
    }
    // Anything unusual goes through the general decoder, which also says what
    // is wrong with a document that does not decode.
    Result<QList<AppItem>> decoded = decodeHistory(*bytes);
    if (!decoded) {
        m_decoded = {};
        printLine(QStringLiteral("加载历史失败: ") + decoded.error().detail);
        return { {}, *bytes };
    }
    m_decoded = { *bytes, std::move(decoded).value(), {} };
    return { m_decoded.items, std::nullopt };
}

void HistoryManager::saveHistory(const QList<AppItem> &items, const Stored &previous)
{
    // A document we could not read may still be the user's only record; it is
    // replaced only once a copy of it is safe on disk.
    if (previous.unreadable && !preserveUnreadable(*previous.unreadable))
        return;

    // The compact encoding of the array, one entry at a time so that each
    // entry's place is known.
    Decoded next;
    next.bytes.append('[');
    for (const AppItem &item : items) {
        if (!next.spans.isEmpty())
            next.bytes.append(',');
        const QByteArray entry = encodeItem(item);
        next.spans.append({ next.bytes.size(), next.bytes.size() + entry.size() });
        next.bytes.append(entry);
    }
    next.bytes.append(']');
    next.items = items;
    storeDocument(std::move(next));
}

void HistoryManager::storeDocument(Decoded document)
{
    if (m_store.setData(historyKey, document.bytes)) {
        m_spare = std::exchange(m_decoded, std::move(document)).bytes;
    } else {
        m_spare = std::move(document.bytes);
        m_decoded = {};
    }
}

QByteArray HistoryManager::takeBuffer(qsizetype size)
{
    QByteArray buffer = std::exchange(m_spare, {});
    // Only a buffer that nobody else holds may be written into.
    if (buffer.isDetached() && buffer.capacity() >= size) {
        buffer.resize(0);
        return buffer;
    }
    buffer = QByteArray();
    // Room for a few hundred more entries before the next new buffer.
    buffer.reserve(size + 256 * 1024);
    return buffer;
}

bool HistoryManager::preserveUnreadable(const QByteArray &bytes)
{
    const QDir folder = QFileInfo(m_store.filePath()).absoluteDir();
    const QString stem = QStringLiteral("DownloadHistory-unreadable-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString error;
    for (int attempt = 0; attempt < 100; ++attempt) {
        QFile file(folder.filePath(stem + (attempt ? QStringLiteral("-%1").arg(attempt) : QString())
            + QStringLiteral(".bak")));
        // NewOnly: an earlier copy is never overwritten; try the next name.
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            error = file.errorString();
            if (file.exists())
                continue;
            break;
        }
        bool written = file.write(bytes) == bytes.size() && file.flush();
#ifdef Q_OS_UNIX
        written = written && ::fsync(file.handle()) == 0;
#endif
        if (written) {
            printLine(QStringLiteral("无法读取的下载历史已另存为: ") + file.fileName());
            return true;
        }
        error = file.errorString();
        file.remove();
        break;
    }
    printLine(QStringLiteral("保存历史失败: 无法另存无法读取的下载历史，原记录保持不变: ") + error);
    return false;
}

void HistoryManager::clearTemporaryFiles()
{
    namespace fs = std::filesystem;
    const auto fail = [](const QString &description) {
        printLine(
            QStringLiteral("--- 清空临时文件夹失败: ") + description + QStringLiteral(" ---"));
    };
    const auto describe = [](const fs::path &path, const std::error_code &ec) {
        return QFile::decodeName(QByteArray::fromStdString(path.native())) + QStringLiteral(": ")
            + QString::fromStdString(ec.message());
    };

    const Result<QString> folder = applicationTemporaryDirectory();
    if (!folder) {
        fail(folder.error().detail);
        return;
    }
    const fs::path root = QFile::encodeName(folder.value()).toStdString();

    std::error_code ec;
    std::vector<fs::path> entries;
    for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec))
        entries.push_back(it->path());
    if (ec) {
        fail(describe(root, ec));
        return;
    }
    std::sort(entries.begin(), entries.end());

    printLine(QStringLiteral("--- 找到了 %1 个临时文件，准备清空...").arg(entries.size()));
    for (const fs::path &entry : entries) {
        // remove_all does not follow symbolic links: a link goes, its target stays.
        fs::remove_all(entry, ec);
        if (ec) {
            fail(describe(entry, ec));
            return;
        }
    }
    printLine(QStringLiteral("--- 临时文件夹清空成功 ---"));
}
