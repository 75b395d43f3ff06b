// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AppItemListModel.h"
#include "IconSaveFlow.h"

#include <QList>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <functional>
#include <optional>

// Saves many icons, each exactly as a single save of this flow would (options,
// region stamp, history), several at once: up to maxInFlight downloads, their
// decoding and encoding on the thread pool, each file written when it is
// ready, so memory holds only the icons in flight. It ends with one alert that
// sums them up: how many were saved, and each failure with its app's name and
// the reason. The alert's photo is the last one saved. An image host that asks
// to be asked less often gets fewer icons at once and a wait before each is
// asked again; a library that cannot take any more (a full disk) stops the
// batch. Destroyed, it starts no more, like a cancel.
class BatchSave : public IconSaveFlow
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(int total READ total NOTIFY progressChanged)
    // The icons that have finished, whichever way.
    Q_PROPERTY(int completed READ completed NOTIFY progressChanged)
    Q_PROPERTY(bool running READ running NOTIFY runningChanged)
    // Looks the items up again before saving them, in groups, for the
    // artwork of their current version; an item not found keeps its own.
    Q_PROPERTY(bool refreshesItems READ refreshesItems WRITE setRefreshesItems NOTIFY
            refreshesItemsChanged)

public:
    static constexpr int maxInFlight = 6;

    explicit BatchSave(QObject *parent = nullptr);

    [[nodiscard]] int total() const { return m_total; }
    [[nodiscard]] int completed() const { return m_completed; }
    [[nodiscard]] bool running() const { return m_running; }
    [[nodiscard]] bool refreshesItems() const { return m_refreshesItems; }
    void setRefreshesItems(bool refreshes);

    // Starts saving the items (AppItem values) and returns at once; does
    // nothing while a batch runs.
    Q_INVOKABLE void saveIcons(const QVariantList &items);
    void saveIcons(const QList<AppItem> &items);
    // Every item of a list, as it is now.
    Q_INVOKABLE void saveAll(const AppItemListModel *list);
    // Starts no more; those in flight still end as they would.
    Q_INVOKABLE void cancel() { m_cancelled = true; }

    // Fixed options in place of the stored ones, for the command line.
    void setOptions(const IconSaveOptions &options) { m_options = options; }
    // Asked before each item is fetched: where it is already saved with these
    // options, if it is. Such an item is not fetched again and counts as saved.
    using AlreadySaved
        = std::function<std::optional<QString>(const AppItem &, const IconSaveOptions &)>;
    void setAlreadySaved(AlreadySaved check) { m_alreadySaved = std::move(check); }

Q_SIGNALS:
    void progressChanged();
    void runningChanged();
    void refreshesItemsChanged();
    // Each item as it ends, in the order they end.
    void iconSaved(const AppItem &item, const QString &path);
    void iconSkipped(const AppItem &item, const QString &path);
    void iconFailed(const AppItem &item, const QString &reason);
    // After the summary alert is set.
    void finished();

private:
    QCoro::Task<> run(QList<AppItem> items);
    // The items with the artwork the catalogue has for them now.
    QCoro::Task<QList<AppItem>> refreshed(QList<AppItem> items);
    void startMore();
    QCoro::Task<> saveAt(qsizetype index);
    [[nodiscard]] IconSaveOptions options() const;
    void finish();
    void setRunning(bool running);

    int m_total = 0;
    int m_completed = 0;
    bool m_running = false;
    bool m_cancelled = false;
    bool m_refreshesItems = false;
    std::optional<IconSaveOptions> m_options;
    AlreadySaved m_alreadySaved;

    // The batch in progress.
    QList<AppItem> m_items;
    qsizetype m_next = 0;
    int m_inFlight = 0;
    int m_limit = maxInFlight;
    int m_saved = 0;
    QString m_lastPhoto;
    QStringList m_failures;
    bool m_stopped = false;
    bool m_saving = false; // between the start of the first save and finish()
};
