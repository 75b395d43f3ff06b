// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BatchSave.h"

#include "ApplicationContext.h"
#include "store/SettingsManager.h"

#include <QPointer>

BatchSave::BatchSave(QObject *parent)
    : IconSaveFlow(parent)
{ }

void BatchSave::setRunning(bool running)
{
    m_running = running;
    Q_EMIT runningChanged();
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
    // Fire and forget: the coroutine frame lives until the batch has ended.
    run(items);
}

QCoro::Task<> BatchSave::run(QList<AppItem> items)
{
    QPointer<BatchSave> self(this);
    SettingsManager &settings = context().settings();
    std::function<IconSaveOptions()> options = [&settings] {
        return settings.saveOptions();
    };
    if (m_options)
        options = [fixed = *m_options] {
            return fixed;
        };
    const bool recordHistory = recordsHistory();
    int saved = 0;
    QString lastPhoto;
    QStringList failures;
    for (const AppItem &item : std::as_const(items)) {
        const IconSaveOutcome outcome
            = co_await saveOne(stamped(item), options, context(), recordHistory);
        if (!self)
            co_return;
        if (outcome.saved) {
            ++saved;
            lastPhoto = outcome.saved.value();
            Q_EMIT iconSaved(item, lastPhoto);
        } else {
            failures.append(qtTrId("batch_save_failure").arg(item.trackName, outcome.message));
            Q_EMIT iconFailed(item, outcome.message);
        }
        ++m_completed;
        Q_EMIT progressChanged();
        if (m_cancelled)
            break;
    }
    // A cancelled batch says so, whatever was saved before the cancel.
    const bool cancelled = m_cancelled && m_completed < m_total;
    failures.prepend(qtTrId(cancelled ? "batch_cancelled_summary" : "batch_save_summary")
                         .arg(QString::number(saved), QString::number(m_total)));
    const QString title = qtTrId(cancelled ? "batch_cancelled"
            : failures.size() == 1         ? "success"
                                           : "error");
    showAlert(title, failures.join(u'\n'), lastPhoto);
    // Whoever looks elsewhere meanwhile hears of it.
    context().notices()->notifyDesktop(title, failures.first());
    setRunning(false);
    Q_EMIT finished();
}
