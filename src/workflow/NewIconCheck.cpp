// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NewIconCheck.h"

#include "Notices.h"
#include "catalogue/AppStoreAPI.h"
#include "export/DesktopPhotoLibrary.h"
#include "store/HistoryManager.h"
#include "store/KeyValueStore.h"
#include "store/SettingsManager.h"

#include <QDateTime>
#include <QFileInfo>
#include <QPointer>
#include <QUrl>

namespace {
const QString lastCheckKey = QStringLiteral("lastNewIconCheck");
} // namespace

NewIconCheck::NewIconCheck(QObject *parent)
    : ContextObject(parent)
{
    // The new icons are the history's own: only their artwork changes there.
    m_batch.setRecordsHistory(false);
    connect(&m_batch, &BatchSave::iconSaved, this, [this](const AppItem &item) {
        if (const Result<void> kept = context().history().replaceArtwork({ item }); !kept)
            context().report(kept.error());
        m_changes.removeIf(
            [&](const Change &change) { return change.saved.trackId == item.trackId; });
        Q_EMIT resultsChanged();
    });
}

void NewIconCheck::contextSet()
{
    m_batch.setContext(context());
}

void NewIconCheck::setRunning(bool running)
{
    m_running = running;
    Q_EMIT runningChanged();
}

void NewIconCheck::check()
{
    if (!m_running)
        checkNow(); // fire and forget: the results arrive with resultsChanged
}

QCoro::Task<> NewIconCheck::checkNow()
{
    setRunning(true);
    QPointer<NewIconCheck> self(this);
    ApplicationContext &context = this->context();
    const QList<AppItem> saved = context.history().loadHistory();
    // Named: GCC 12 destroys a temporary of the awaited expression twice.
    const AppStoreAPI::StillWanted wanted = [self] {
        return !self.isNull();
    };
    const QList<Result<AppItem>> current
        = co_await context.catalogue().lookupAgain(saved, HistoryManager::fallbackRegion, wanted);
    if (!self)
        co_return;
    m_changes.clear();
    m_gone.clear();
    m_failure.clear();
    int failed = 0;
    for (qsizetype n = 0; n < saved.size(); ++n) {
        const AppItem &before = saved.at(n);
        const Result<AppItem> &now = current.at(n);
        if (now) {
            if (now->artworkUrl512 != before.artworkUrl512)
                m_changes.append({ before, now.value(), savedFileOf(before) });
        } else if (now.error().code == AppStoreAPI::AppNotFound) {
            m_gone.append(before);
        } else if (++failed == 1) {
            m_failure = now.error().localizedDescription();
        }
    }
    if (failed > 0)
        m_failure = qtTrId("new_icons_check_failed", failed).arg(m_failure);
    else // not kept, the next start only checks again sooner
        (void)context.store().setString(
            lastCheckKey, QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    m_checked = true;
    Q_EMIT resultsChanged();
    setRunning(false);
    Q_EMIT finished();
}

void NewIconCheck::saveNewIcons()
{
    QList<AppItem> items;
    for (const Change &change : std::as_const(m_changes))
        items.append(change.current);
    m_batch.saveIcons(items);
}

void NewIconCheck::checkIfDue()
{
    if (m_running || !isDue())
        return;
    // Told once, when this check ends.
    connect(
        this, &NewIconCheck::finished, this,
        [this] {
            Notices &notices = *context().notices();
            if (m_changes.isEmpty() || !notices.enabled())
                return;
            const QString text = qtTrId("new_icons_found", int(m_changes.size()));
            notices.post(text, Notices::Kind::done, { qtTrId("new_icons_show"), this, [this] {
                                                         Q_EMIT showRequested();
                                                     } });
            notices.notifyDesktop(text, QString());
        },
        Qt::SingleShotConnection);
    check();
}

bool NewIconCheck::isDue() const
{
    if (!context().settings().checksForNewIcons())
        return false;
    const QDateTime last = QDateTime::fromString(
        context().store().stringForKey(lastCheckKey).value_or(QString()), Qt::ISODate);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    // A time ahead of now (a clock set back) is no reason to wait.
    return !last.isValid() || last > now
        || last.secsTo(now) >= std::chrono::seconds(interval).count();
}

QString NewIconCheck::savedFileOf(const AppItem &item) const
{
    const auto *folder = dynamic_cast<const DesktopPhotoLibrary *>(context().photoLibrary().get());
    if (!folder)
        return {};
    const QString title = IconSaveFlow::iconTitle(item, context().settings().saveOptions());
    for (const QString &extension : { QStringLiteral(".png"), QStringLiteral(".jpg") }) {
        const QString path = folder->firstPathFor(title, extension);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

QVariantList NewIconCheck::changesForQml() const
{
    QVariantList changes;
    for (const Change &change : m_changes) {
        const QString picture = change.savedFile.isEmpty()
            ? change.saved.artworkUrl512
            : QUrl::fromLocalFile(change.savedFile).toString();
        changes.append(QVariantMap { { QStringLiteral("saved"), QVariant::fromValue(change.saved) },
            { QStringLiteral("current"), QVariant::fromValue(change.current) },
            { QStringLiteral("savedPicture"), picture } });
    }
    return changes;
}

QStringList NewIconCheck::goneNames() const
{
    QStringList names;
    for (const AppItem &item : m_gone)
        names.append(item.trackName);
    return names;
}
