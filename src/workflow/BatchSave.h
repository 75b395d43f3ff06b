// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "IconSaveFlow.h"

#include <QList>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <optional>

// Saves many icons one after another, each exactly as a single save of this
// flow would (options, region stamp, history), and ends with one alert that
// sums them up: how many were saved, and each failure with its app's name and
// the reason. The alert's photo is the last one saved. Destroyed, it saves
// none after the one in flight, like a cancel.
class BatchSave : public IconSaveFlow
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(int total READ total NOTIFY progressChanged)
    Q_PROPERTY(int completed READ completed NOTIFY progressChanged)
    Q_PROPERTY(bool running READ running NOTIFY runningChanged)

public:
    explicit BatchSave(QObject *parent = nullptr);

    [[nodiscard]] int total() const { return m_total; }
    [[nodiscard]] int completed() const { return m_completed; }
    [[nodiscard]] bool running() const { return m_running; }

    // Starts saving the items (AppItem values) and returns at once; does
    // nothing while a batch runs.
    Q_INVOKABLE void saveIcons(const QVariantList &items);
    void saveIcons(const QList<AppItem> &items);
    // Saves none after the one in flight, which still ends as it would.
    Q_INVOKABLE void cancel() { m_cancelled = true; }

    // Fixed options in place of the stored ones, for the command line.
    void setOptions(const IconSaveOptions &options) { m_options = options; }

Q_SIGNALS:
    void progressChanged();
    void runningChanged();
    // Each item as it ends, in order.
    void iconSaved(const AppItem &item, const QString &path);
    void iconFailed(const AppItem &item, const QString &reason);
    // After the summary alert is set.
    void finished();

private:
    QCoro::Task<> run(QList<AppItem> items);
    void setRunning(bool running);

    int m_total = 0;
    int m_completed = 0;
    bool m_running = false;
    bool m_cancelled = false;
    std::optional<IconSaveOptions> m_options;
};
