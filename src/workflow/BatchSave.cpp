// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BatchSave.h"

#include "ApplicationContext.h"
#include "catalogue/AppStoreAPI.h"
#include "catalogue/CataloguePacer.h"
#include "store/HistoryManager.h"
#include "store/SettingsManager.h"

#include <QPointer>

namespace {

// Failures that every later save would meet as well.
bool stopsTheBatch(const Error &error)
{
    using enum Error::Kind;
    return error.kind == diskFull || error.kind == noPermission || error.kind == notAFolder;
}

} // namespace

BatchSave::BatchSave(QObject *parent)
    : IconSaveFlow(parent)
{ }

void BatchSave::setRunning(bool running)
{
    m_running = running;
    Q_EMIT runningChanged();
}

void BatchSave::setRefreshesItems(bool refreshes)
{
    m_refreshesItems = refreshes;
    Q_EMIT refreshesItemsChanged();
}

void BatchSave::saveIcons(const QVariantList &items)
{
    QList<AppItem> apps;
    for (const QVariant &item : items) {
        if (item.metaType() == QMetaType::fromType<AppItem>())
            apps.append(item.value<AppItem>());
    }
    saveIcons(apps);
}

void BatchSave::saveIcons(const QList<AppItem> &items)
{
    if (m_running)
        return;
    m_total = int(items.size());
    m_completed = 0;
    m_cancelled = false;
    Q_EMIT progressChanged();
    setRunning(true);
    // Fire and forget: the batch ends in finish().
    run(items);
}

void BatchSave::saveAll(const AppItemListModel *list)
{
    if (list)
        saveIcons(list->items());
}

IconSaveOptions BatchSave::options() const
{
    return m_options.value_or(context().settings().saveOptions());
}

QCoro::Task<> BatchSave::run(QList<AppItem> items)
{
    if (m_refreshesItems) {
        QPointer<BatchSave> self(this);
        items = co_await refreshed(std::move(items));
        if (!self)
            co_return;
    }
    m_items = std::move(items);
    m_next = 0;
    m_inFlight = 0;
    m_limit = maxInFlight;
    m_saved = 0;
    m_lastPhoto.clear();
    m_failures.clear();
    m_stopped = false;
    m_saving = true;
    startMore();
}

QCoro::Task<QList<AppItem>> BatchSave::refreshed(QList<AppItem> items)
{
    // A cancel meanwhile asks nothing more.
    const AppStoreAPI::StillWanted wanted = [self = QPointer<BatchSave>(this)] {
        return self && !self->m_cancelled;
    };
    const QList<Result<AppItem>> current
        = co_await context().catalogue().lookupAgain(items, HistoryManager::fallbackRegion, wanted);
    for (qsizetype n = 0; n < items.size(); ++n) {
        if (const Result<AppItem> &found = current.at(n)) {
            items[n].artworkUrl100 = found->artworkUrl100;
            items[n].artworkUrl512 = found->artworkUrl512;
        }
    }
    co_return items;
}

void BatchSave::startMore()
{
    while (!m_cancelled && !m_stopped && m_inFlight < m_limit && m_next < m_items.size()) {
        ++m_inFlight;
        saveAt(m_next++);
    }
    if (m_inFlight == 0 && m_saving)
        finish();
}

QCoro::Task<> BatchSave::saveAt(qsizetype index)
{
    QPointer<BatchSave> self(this);
    const AppItem item = m_items.at(index);
    const IconSaveOptions chosen = options();
    if (m_alreadySaved) {
        if (const std::optional<QString> saved = m_alreadySaved(item, chosen)) {
            ++m_saved;
            Q_EMIT iconSkipped(item, *saved);
            ++m_completed;
            Q_EMIT progressChanged();
            // Still inside startMore(), which goes on with the next.
            --m_inFlight;
            co_return;
        }
    }
    ApplicationContext &context = this->context();
    const bool recordHistory = recordsHistory();
    std::function<IconSaveOptions()> options = [self, fallback = chosen] {
        return self ? self->options() : fallback;
    };
    constexpr int retries = 3;
    IconSaveOutcome outcome { Error {}, QString() };
    for (int retry = 0;; ++retry) {
        outcome = co_await saveOne(stamped(item), options, context, recordHistory);
        if (!self)
            co_return;
        if (outcome.saved || outcome.saved.error().kind != Error::Kind::rateLimited
            || retry == retries)
            break;
        // Fewer at once from now on, and a wait before this one asks again.
        m_limit = std::max(1, m_limit / 2);
        co_await CataloguePacer::wait(2 << retry);
        if (!self)
            co_return;
    }
    if (outcome.saved) {
        ++m_saved;
        m_lastPhoto = outcome.saved.value();
        Q_EMIT iconSaved(item, m_lastPhoto);
    } else {
        m_failures.append(qtTrId("batch_save_failure").arg(item.trackName, outcome.message));
        m_stopped = m_stopped || stopsTheBatch(outcome.saved.error());
        Q_EMIT iconFailed(item, outcome.message);
    }
    ++m_completed;
    Q_EMIT progressChanged();
    --m_inFlight;
    startMore();
}

void BatchSave::finish()
{
    // A cancelled or stopped batch says so, whatever was saved before.
    const bool cut = m_completed < m_total;
    const char *summary = !cut ? "batch_save_summary"
        : m_stopped            ? "batch_stopped_summary"
                               : "batch_cancelled_summary";
    QStringList lines = m_failures;
    lines.prepend(qtTrId(summary).arg(QString::number(m_saved), QString::number(m_total)));
    const QString title = qtTrId(cut && !m_stopped ? "batch_cancelled"
            : lines.size() == 1                    ? "success"
                                                   : "error");
    showAlert(title, lines.join(u'\n'), m_lastPhoto);
    // Whoever looks elsewhere meanwhile hears of it.
    context().notices()->notifyDesktop(title, lines.first());
    m_items.clear();
    m_saving = false;
    setRunning(false);
    Q_EMIT finished();
}
