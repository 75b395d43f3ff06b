// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractListModel>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <functional>
#include <vector>

// What a desktop window says without stopping the person: short notices
// inside the window, each with at most one action ("Show in Folder",
// "Undo"). A notice of finished work goes by itself; a failure stays until
// dismissed. Narrow windows keep the modal alerts instead: the window says
// which it shows through `enabled`, and whoever reports asks it.
class Notices : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The application context holds the notices")
    Q_PROPERTY(bool enabled READ enabled WRITE setEnabled NOTIFY enabledChanged)
    // Whether the person is looking at the window; set by the window.
    Q_PROPERTY(bool windowActive MEMBER m_windowActive NOTIFY windowActiveChanged)
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)

public:
    enum class Kind {
        // Finished work: gone after a few seconds.
        done,
        // An action that can be taken back: gone after eight seconds.
        undoable,
        // Stays until dismissed.
        failure,
    };
    Q_ENUM(Kind)

    enum Role { NoticeIdRole = Qt::UserRole + 1, TextRole, ActionTextRole, KindRole, SecondsRole };

    // What the action button does; nothing once `owner` is gone.
    struct Action
    {
        QString text;
        QPointer<const QObject> owner;
        std::function<void()> run;
    };

    using QAbstractListModel::QAbstractListModel;

    [[nodiscard]] bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    // Shows a notice, the oldest going when too many show; returns its id.
    int post(const QString &text, Kind kind, Action action = {});

    // Work that ends while the person looks elsewhere: a notification of the
    // desktop's (org.freedesktop.Notifications), when the window shows
    // notices and is not active. No notification service is no failure.
    void notifyDesktop(const QString &summary, const QString &body) const;

    // The notice's action was taken: runs it, and the notice goes.
    Q_INVOKABLE void act(int id);
    // The notice goes without its action (its time ran out, or the person
    // closed it).
    Q_INVOKABLE void dismiss(int id);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void enabledChanged();
    void windowActiveChanged();
    void countChanged();

private:
    struct Notice
    {
        int id;
        QString text;
        Kind kind;
        Action action;
    };

    // Removes the notice; runs its action when `acted`.
    void remove(int id, bool acted);

    std::vector<Notice> m_notices;
    int m_nextId = 1;
    bool m_enabled = false;
    bool m_windowActive = true;
};
