// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "export/IconSaveOptions.h"
#include "catalogue/Platform.h"

#include <QJSEngine>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

class KeyValueStore;
class QQmlEngine;

// The settings: the save options and the platform. Loaded once from the
// store; every assignment, also of the value already held, notifies and
// writes at once. The save options are stored under their four keys of old.
class SettingsManager : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(IconSaveOptions saveOptions READ saveOptions WRITE setSaveOptions NOTIFY
            saveOptionsChanged)
    // The raw values in picker order.
    Q_PROPERTY(QStringList resolutions READ resolutions CONSTANT)
    // Whose apps a search lists; stored as its raw value.
    Q_PROPERTY(Platforms::Platform platform READ platform WRITE setPlatform NOTIFY platformChanged)
    // Their names, in the order of the Platform values.
    Q_PROPERTY(QStringList platformNames READ platformNames CONSTANT)

public:
    static SettingsManager *shared();
    // QML's singleton is the process-wide instance, kept from the JavaScript collector.
    static SettingsManager *create(QQmlEngine *, QJSEngine *)
    {
        QJSEngine::setObjectOwnership(shared(), QJSEngine::CppOwnership);
        return shared();
    }

    // Loads the options from the given store; shared() uses KeyValueStore::shared().
    explicit SettingsManager(KeyValueStore &store, QObject *parent = nullptr);

    [[nodiscard]] IconSaveOptions saveOptions() const { return m_saveOptions; }
    [[nodiscard]] Platform platform() const { return m_platform; }

    void setSaveOptions(const IconSaveOptions &options);
    void setPlatform(Platform value);

    [[nodiscard]] static QStringList resolutions();
    [[nodiscard]] static QStringList platformNames() { return platformDisplayNames(); }

signals:
    void saveOptionsChanged();
    void platformChanged();

private:
    KeyValueStore &m_store;
    IconSaveOptions m_saveOptions;
    Platform m_platform = Platform::IPhone;
};
