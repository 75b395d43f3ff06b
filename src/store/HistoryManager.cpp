#include "HistoryManager.h"

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
            error.localizedDescription
                = QStringLiteral("[%1]: ").arg(i) + error.localizedDescription;
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
    const Stored stored = readHistory();
    for (const AppItem &existing : stored.items) {
        if (existing.trackId == item.trackId)
            return;
    }
    if (stored.unreadable || stored.items.isEmpty()) {
        saveHistory({ item }, stored);
        return;
    }
    // The stored document just decoded as a non-empty array: put the new entry
    // right after its opening bracket instead of encoding every entry again.
    const QByteArray &current = m_decoded.bytes;
    const qsizetype bracket = current.indexOf('[');
    QByteArray document;
    document.reserve(current.size() + 512);
    document.append('[')
        .append(encodeItem(item))
        .append(',')
        .append(QByteArrayView(current).sliced(bracket + 1));
    if (m_store.setData(historyKey, document)) {
        QList<AppItem> items = stored.items;
        items.prepend(item);
        m_decoded = { document, items };
    }
}

void HistoryManager::removeHistory(const AppItem &item)
{
    Stored stored = readHistory();
    stored.items.removeIf([&](const AppItem &entry) { return entry.trackId == item.trackId; });
    saveHistory(stored.items, stored);
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
    if (!bytes)
        return {};
    // The document is read every time; only decoding it is skipped when its
    // bytes are exactly those decoded last time.
    if (!m_decoded.bytes.isEmpty() && *bytes == m_decoded.bytes)
        return { m_decoded.items, std::nullopt };
    Result<QList<AppItem>> decoded = decodeHistory(*bytes);
    if (!decoded) {
        printLine(QStringLiteral("加载历史失败: ") + decoded.error().localizedDescription);
        return { {}, *bytes };
    }
    m_decoded = { *bytes, decoded.value() };
    return { std::move(decoded).value(), std::nullopt };
}

void HistoryManager::saveHistory(const QList<AppItem> &items, const Stored &previous)
{
    // A document we could not read may still be the user's only record; it is
    // replaced only once a copy of it is safe on disk.
    if (previous.unreadable && !preserveUnreadable(*previous.unreadable))
        return;

    QJsonArray array;
    for (const AppItem &item : items)
        array.append(item.toJson());
    const QByteArray document = QJsonDocument(array).toJson(QJsonDocument::Compact);
    if (m_store.setData(historyKey, document))
        m_decoded = { document, items };
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
        fail(folder.error().localizedDescription);
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
