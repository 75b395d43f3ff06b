// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalogue/Error.h"
#include "catalogue/Platform.h"
#include "export/IconSaveOptions.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

class KeyValueStore;
class QJSEngine;
class QQmlEngine;

// The settings: the save options, the platform and the regions an app's
// icons are compared across. Loaded once from the store; every assignment,
// also of the value already held, notifies and writes at once; a write that
// fails keeps the new value for this run and says so. The save options are
// stored under their four keys of old.
class SettingsManager : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(
        IconSaveOptions saveOptions READ saveOptions WRITE setSaveOptions NOTIFY saveOptionsChanged)
    // The raw values in picker order.
    Q_PROPERTY(QStringList resolutions READ resolutions CONSTANT)
    // Whose apps a search lists; stored as its raw value.
    Q_PROPERTY(Platforms::Platform platform READ platform WRITE setPlatform NOTIFY platformChanged)
    // The download history is checked for new icons once a day, at start.
    Q_PROPERTY(bool checksForNewIcons READ checksForNewIcons WRITE setChecksForNewIcons NOTIFY
            checksForNewIconsChanged)
    // Their names, in the order of the Platform values.
    Q_PROPERTY(QStringList platformNames READ platformNames CONSTANT)
    // Region codes in the order chosen; the ten largest stores until a choice is stored.
    Q_PROPERTY(QStringList comparedRegions READ comparedRegions WRITE setComparedRegions NOTIFY
            comparedRegionsChanged)

public:
    // QML's singleton is the one of the engine's application context.
    static SettingsManager *create(QQmlEngine *engine, QJSEngine *);

    // Loads the options from the given store.
    explicit SettingsManager(KeyValueStore &store, QObject *parent = nullptr);

    [[nodiscard]] IconSaveOptions saveOptions() const { return m_saveOptions; }
    [[nodiscard]] Platform platform() const { return m_platform; }
    [[nodiscard]] bool checksForNewIcons() const { return m_checksForNewIcons; }

    [[nodiscard]] QStringList comparedRegions() const { return m_comparedRegions; }

    void setSaveOptions(const IconSaveOptions &options);
    void setPlatform(Platform value);
    void setChecksForNewIcons(bool checks);
    // Codes the region table lacks, and repeats, are left out.
    void setComparedRegions(const QStringList &codes);

    static inline const QStringList defaultComparedRegions { "US", "CN", "JP", "GB", "KR", "DE",
        "FR", "CA", "AU", "TW" };

    [[nodiscard]] static QStringList resolutions();
    [[nodiscard]] static QStringList platformNames() { return platformDisplayNames(); }

signals:
    void saveOptionsChanged();
    void platformChanged();
    void checksForNewIconsChanged();
    void comparedRegionsChanged();
    // A value could not be stored.
    void writeFailed(const Error &error);

private:
    KeyValueStore &m_store;
    IconSaveOptions m_saveOptions;
    Platform m_platform = Platform::IPhone;
    bool m_checksForNewIcons = false;
    QStringList m_comparedRegions = defaultComparedRegions;
};
