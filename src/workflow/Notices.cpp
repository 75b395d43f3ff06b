// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Notices.h"

#include "catalogue/Error.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>

#include <algorithm>

namespace {

// More would cover the window's content.
constexpr std::size_t maximumShown = 3;

int seconds(Notices::Kind kind)
{
    switch (kind) {
    case Notices::Kind::done:
        return 5;
    case Notices::Kind::undoable:
        return 8;
    case Notices::Kind::failure:
        return 0;
    }
    return 0;
}

} // namespace

void Notices::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    Q_EMIT enabledChanged();
}

int Notices::post(const QString &text, Kind kind, Action action)
{
    if (m_notices.size() >= maximumShown)
        remove(m_notices.front().id, false);
    const int id = m_nextId++;
    const int row = static_cast<int>(m_notices.size());
    beginInsertRows({}, row, row);
    m_notices.push_back({ id, text, kind, std::move(action) });
    endInsertRows();
    Q_EMIT countChanged();
    return id;
}

void Notices::notifyDesktop(const QString &summary, const QString &body) const
{
    if (!m_enabled || m_windowActive)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call
        = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
            QStringLiteral("/org/freedesktop/Notifications"),
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    const QString application = QStringLiteral("io.github.vellumar.Vellumar");
    call << QStringLiteral("Vellumar") << 0u << application << summary << body << QStringList()
         << QVariantMap { { QStringLiteral("desktop-entry"), application } } << -1;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
        [](QDBusPendingCallWatcher *finished) {
            if (finished->isError())
                qCDebug(lcApp) << "no desktop notification:" << finished->error().message();
            finished->deleteLater();
        });
}

void Notices::act(int id)
{
    remove(id, true);
}

void Notices::dismiss(int id)
{
    remove(id, false);
}

void Notices::remove(int id, bool acted)
{
    const auto found = std::find_if(
        m_notices.begin(), m_notices.end(), [id](const Notice &notice) { return notice.id == id; });
    if (found == m_notices.end())
        return;
    const int row = static_cast<int>(found - m_notices.begin());
    beginRemoveRows({}, row, row);
    Notice notice = std::move(*found);
    m_notices.erase(found);
    endRemoveRows();
    Q_EMIT countChanged();
    // Last: what runs may post the next notice.
    if (acted && notice.action.run && notice.action.owner)
        notice.action.run();
}

int Notices::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_notices.size());
}

QVariant Notices::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Notice &notice = m_notices[static_cast<std::size_t>(index.row())];
    switch (role) {
    case NoticeIdRole:
        return notice.id;
    case TextRole:
        return notice.text;
    case ActionTextRole:
        return notice.action.text;
    case KindRole:
        return QVariant::fromValue(notice.kind);
    case SecondsRole:
        return seconds(notice.kind);
    default:
        return {};
    }
}

QHash<int, QByteArray> Notices::roleNames() const
{
    return { { NoticeIdRole, "noticeId" }, { TextRole, "text" }, { ActionTextRole, "actionText" },
        { KindRole, "kind" }, { SecondsRole, "seconds" } };
}
