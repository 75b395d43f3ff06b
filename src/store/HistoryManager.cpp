// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HistoryManager.h"

#include "KeyValueStore.h"
#include "TemporaryDirectory.h"
#include "catalogue/Error.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QHash>
#include <QSet>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

HistoryManager::HistoryManager(KeyValueStore &store, QObject *parent)
    : QObject(parent)
    , m_store(store)
{ }

Result<void> HistoryManager::addHistory(const AppItem &item)
{
    return updateHistory([&](QList<AppItem> &items) {
        if (std::any_of(items.cbegin(), items.cend(),
                [&](const AppItem &entry) { return entry.trackId == item.trackId; }))
            return false;
        items.prepend(item);
        return true;
    });
}

Result<QList<HistoryManager::Placed>> HistoryManager::removeHistory(const QList<AppItem> &items)
{
    QSet<qint64> ids;
    for (const AppItem &item : items)
        ids.insert(item.trackId);
    QList<Placed> removed;
    const Result<void> stored = updateHistory([&](QList<AppItem> &entries) {
        removed.clear(); // the store may run the edit again
        std::optional<qint64> next; // the nearest entry below that stays
        for (auto entry = entries.crbegin(); entry != entries.crend(); ++entry) {
            if (ids.contains(entry->trackId))
                removed.prepend({ *entry, next });
            else
                next = entry->trackId;
        }
        entries.removeIf([&](const AppItem &entry) { return ids.contains(entry.trackId); });
        return !removed.isEmpty();
    });
    if (!stored)
        return stored.error();
    return removed;
}

Result<void> HistoryManager::restoreHistory(const QList<Placed> &entries)
{
    return updateHistory([&](QList<AppItem> &items) {
        const auto place = [&](qint64 trackId) {
            return std::find_if(items.begin(), items.end(),
                [&](const AppItem &stored) { return stored.trackId == trackId; });
        };
        bool changed = false;
        // Top to bottom, so that neighbours removed together keep their order.
        for (const Placed &entry : entries) {
            if (place(entry.item.trackId) != items.end())
                continue;
            items.insert(entry.followedBy ? place(*entry.followedBy) : items.end(), entry.item);
            changed = true;
        }
        return changed;
    });
}

Result<void> HistoryManager::replaceArtwork(const QList<AppItem> &items)
{
    QHash<qint64, const AppItem *> byId;
    for (const AppItem &item : items)
        byId.insert(item.trackId, &item);
    return updateHistory([&](QList<AppItem> &entries) {
        bool changed = false;
        for (AppItem &entry : entries) {
            const AppItem *now = byId.value(entry.trackId);
            if (!now
                || (entry.artworkUrl100 == now->artworkUrl100
                    && entry.artworkUrl512 == now->artworkUrl512))
                continue;
            entry.artworkUrl100 = now->artworkUrl100;
            entry.artworkUrl512 = now->artworkUrl512;
            changed = true;
        }
        return changed;
    });
}

QList<AppItem> HistoryManager::loadHistory() const
{
    const std::optional<QByteArray> bytes = m_store.dataForKey(historyKey);
    return bytes ? decode(*bytes).value_or(QList<AppItem>()) : QList<AppItem>();
}

Result<void> HistoryManager::clearAllHistory()
{
    Result<void> cleared = updateHistory([](QList<AppItem> &items) {
        items.clear();
        return true;
    });
    clearTemporaryFiles();
    return cleared;
}

std::optional<QList<AppItem>> HistoryManager::decode(const QByteArray &bytes) const
{
    if (!m_bytes.isEmpty() && bytes == m_bytes)
        return m_items;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    const QJsonArray array = document.array();
    QString failure;
    if (parseError.error != QJsonParseError::NoError)
        failure = QStringLiteral("The history is not valid JSON (%1 at offset %2)")
                      .arg(parseError.errorString(), QString::number(parseError.offset));
    else if (!document.isArray())
        failure = QStringLiteral("The history must be a JSON array");
    QList<AppItem> items;
    items.reserve(array.size());
    for (qsizetype i = 0; failure.isEmpty() && i < array.size(); ++i) {
        const QJsonValue value = array.at(i);
        Result<AppItem> item = AppItem::decode(value.toObject());
        if (!value.isObject() || !item)
            failure = QStringLiteral("[%1]: ").arg(i)
                + (value.isObject() ? item.error().detail : QStringLiteral("must be an object"));
        else
            items.append(std::move(item).value());
    }
    if (!failure.isEmpty()) {
        qCInfo(lcStore).noquote() << QStringLiteral("加载历史失败: ") + failure;
        return std::nullopt;
    }
    m_bytes = bytes;
    m_items = items;
    return items;
}

Result<void> HistoryManager::updateHistory(const std::function<bool(QList<AppItem> &)> &edit)
{
    QByteArray written;
    QList<AppItem> items;
    bool unchanged = false; // the edit asked for nothing
    bool unpreserved = false; // an unreadable document could not be kept aside
    const Result<void> stored
        = m_store.update(historyKey, [&](std::optional<KeyValueStore::Value> &value) {
              const QByteArray *bytes = value ? std::get_if<QByteArray>(&*value) : nullptr;
              if (bytes) {
                  std::optional<QList<AppItem>> decoded = decode(*bytes);
                  // A document we could not read may still be the user's only
                  // record; it is replaced only once a copy of it is on disk.
                  if (!decoded && !preserveUnreadable(*bytes)) {
                      unpreserved = true;
                      return false;
                  }
                  items = decoded.value_or(QList<AppItem>());
              }
              if (!edit(items)) {
                  unchanged = true;
                  return false;
              }
              // Entry by entry into one buffer of about the final size: the bytes a
              // QJsonArray would give, in half the time at 10,000 entries, as the
              // whole list is never held in JSON form twice.
              written.reserve((bytes ? bytes->size() : 0) + 4096);
              written.append('[');
              for (const AppItem &item : std::as_const(items)) {
                  if (written.size() > 1)
                      written.append(',');
                  written.append(QJsonDocument(item.toJson()).toJson(QJsonDocument::Compact));
              }
              written.append(']');
              value = written;
              return true;
          });
    if (!stored)
        return stored;
    if (unpreserved)
        return Error { QStringLiteral("HistoryManager"), -1,
            QStringLiteral("the unreadable history could not be kept aside"),
            Error::Kind::writeFailed };
    if (!unchanged) {
        m_bytes = written;
        m_items = items;
        Q_EMIT historyChanged();
    }
    return {};
}

bool HistoryManager::preserveUnreadable(const QByteArray &bytes) const
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
            qCInfo(lcStore).noquote()
                << QStringLiteral("无法读取的下载历史已另存为: ") + file.fileName();
            return true;
        }
        error = file.errorString();
        file.remove();
        break;
    }
    qCInfo(lcStore).noquote() << QStringLiteral(
                                     "保存历史失败: 无法另存无法读取的下载历史，原记录保持不变: ")
            + error;
    return false;
}

void HistoryManager::clearTemporaryFiles()
{
    const auto fail = [](const QString &description) {
        qCInfo(lcStore).noquote() << QStringLiteral("--- 清空临时文件夹失败: ") + description
                + QStringLiteral(" ---");
    };
    const Result<QString> folder = applicationTemporaryDirectory();
    if (!folder) {
        fail(folder.error().detail);
        return;
    }
    const QDir dir(folder.value());
    if (!dir.isReadable()) {
        fail(dir.path() + QStringLiteral(": 无法读取"));
        return;
    }
    const QFileInfoList entries = dir.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    qCInfo(lcStore).noquote()
        << QStringLiteral("--- 找到了 %1 个临时文件，准备清空...").arg(entries.size());
    for (const QFileInfo &entry : entries) {
        // A symbolic link goes; what it points to stays.
        QFile file(entry.filePath());
        const bool folderEntry = entry.isDir() && !entry.isSymLink();
        if (folderEntry ? !QDir(entry.filePath()).removeRecursively() : !file.remove()) {
            fail(entry.filePath() + QStringLiteral(": ")
                + (folderEntry ? QStringLiteral("无法删除文件夹") : file.errorString()));
            return;
        }
    }
    qCInfo(lcStore).noquote() << QStringLiteral("--- 临时文件夹清空成功 ---");
}
