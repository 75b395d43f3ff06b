// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ApplicationContext.h"
#include "BatchSave.h"
#include "catalogue/AppItem.h"

#include <QVariantList>
#include <QtQml/qqmlregistration.h>
#include <qcorotask.h>

#include <chrono>

// Finds the apps of the download history whose icon changed since it was
// saved: each looked up again in the region it was saved from, its artwork
// address now against the saved one. Those that changed can be saved anew as
// a batch, with the settings' options, after which the history holds their
// new artwork. An app the catalogue no longer has is gone, which is no failure.
class NewIconCheck : public ContextObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool running READ running NOTIFY runningChanged)
    // A check has ended since this object was made.
    Q_PROPERTY(bool checked READ checked NOTIFY resultsChanged)
    // Each changed app: "saved" and "current" AppItems, and "savedPicture",
    // the saved file's address while it is there, else the saved artwork's.
    Q_PROPERTY(QVariantList changes READ changesForQml NOTIFY resultsChanged)
    // The names of the apps the catalogue no longer has.
    Q_PROPERTY(QStringList goneNames READ goneNames NOTIFY resultsChanged)
    // Why some apps could not be checked, in the interface's language; empty
    // when every one was.
    Q_PROPERTY(QString failure READ failure NOTIFY resultsChanged)
    Q_PROPERTY(BatchSave *batch READ batch CONSTANT)

public:
    // How often the check runs by itself, when it is switched on.
    static constexpr std::chrono::hours interval { 24 };

    struct Change
    {
        AppItem saved;
        AppItem current;
        QString savedFile; // empty when it is no longer there
    };

    explicit NewIconCheck(QObject *parent = nullptr);

    [[nodiscard]] bool running() const { return m_running; }
    [[nodiscard]] bool checked() const { return m_checked; }
    [[nodiscard]] const QList<Change> &changes() const { return m_changes; }
    [[nodiscard]] const QList<AppItem> &gone() const { return m_gone; }
    [[nodiscard]] QString failure() const { return m_failure; }
    [[nodiscard]] BatchSave *batch() { return &m_batch; }

    // Starts a check and returns at once; nothing while one runs.
    Q_INVOKABLE void check();
    // One check, to its end.
    QCoro::Task<> checkNow();
    // Saves every changed app's new icon, as a batch.
    Q_INVOKABLE void saveNewIcons();
    // Starts a check when one is due, by itself: new icons it finds are told
    // in a notice (and by the desktop, while the window is not active), whose
    // action asks to show them.
    Q_INVOKABLE void checkIfDue();
    // The daily check is switched on and none has run for a day.
    Q_INVOKABLE [[nodiscard]] bool isDue() const;

Q_SIGNALS:
    void runningChanged();
    void resultsChanged();
    void finished();
    // The person asked to see what a check found.
    void showRequested();

private:
    void contextSet() override;
    // What the saved file of an app's icon would be called, if it is there.
    [[nodiscard]] QString savedFileOf(const AppItem &item) const;
    [[nodiscard]] QVariantList changesForQml() const;
    [[nodiscard]] QStringList goneNames() const;
    void setRunning(bool running);

    bool m_running = false;
    bool m_checked = false;
    QList<Change> m_changes;
    QList<AppItem> m_gone;
    QString m_failure;
    BatchSave m_batch;
};
