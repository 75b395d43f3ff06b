// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SettingsManager.h"

#include "Country.h"
#include "KeyValueStore.h"
#include "catalogue/Error.h"

#include <QDebug>

namespace {
const QString roundedKey = QStringLiteral("saveAsRounded");
const QString slightlyRoundedKey = QStringLiteral("saveAsSlightlyRounded");
const QString resolutionKey = QStringLiteral("iconResolution");
const QString originalJPEGKey = QStringLiteral("saveAsOriginalJPEG");
const QString platformKey = QStringLiteral("Platform");
const QString newIconsKey = QStringLiteral("checkForNewIconsDaily");
const QString comparedRegionsKey = QStringLiteral("ComparedRegions");

// Known codes, each once, in the order given; as many as a stored list keeps.
QStringList knownRegions(const QStringList &codes)
{
    constexpr qsizetype stored = 100;
    QStringList known;
    for (const QString &code : codes) {
        if (countryForCode(code) && !known.contains(code) && known.size() < stored)
            known.append(code);
    }
    return known;
}
} // namespace

SettingsManager::SettingsManager(KeyValueStore &store, QObject *parent)
    : QObject(parent)
    , m_store(store)
{
    // Read as found, nothing written back. Of two shapes stored at once (by an
    // earlier build), the original wins, then full rounding.
    using Shape = IconSaveOptions::Shape;
    m_saveOptions.shape = m_store.boolForKey(originalJPEGKey) ? Shape::original
        : m_store.boolForKey(roundedKey)                      ? Shape::rounded
        : m_store.boolForKey(slightlyRoundedKey)              ? Shape::slightlyRounded
                                                              : Shape::square;
    m_saveOptions.resolution
        = iconResolutionFromRawValue(m_store.stringForKey(resolutionKey).value_or(QString()))
              .value_or(IconResolution::size1024);
    m_checksForNewIcons = m_store.boolForKey(newIconsKey);
    if (const std::optional<QString> raw = m_store.stringForKey(platformKey)) {
        const std::optional<Platform> platform = platformFromRawValue(*raw);
        if (!platform)
            qCInfo(lcStore).noquote() << QStringLiteral("未知的平台，改用 iPhone: ") + *raw;
        m_platform = platform.value_or(Platform::IPhone);
    }
    if (const std::optional<QStringList> regions = m_store.stringArrayForKey(comparedRegionsKey))
        m_comparedRegions = knownRegions(*regions);
}

void SettingsManager::setSaveOptions(const IconSaveOptions &options)
{
    using Shape = IconSaveOptions::Shape;
    m_saveOptions = options;
    emit saveOptionsChanged();
    // Every key is tried, so one that fails leaves no other behind; the first failure is told.
    const Result<void> written[] = {
        m_store.setBool(originalJPEGKey, options.shape == Shape::original),
        m_store.setBool(roundedKey, options.shape == Shape::rounded),
        m_store.setBool(slightlyRoundedKey, options.shape == Shape::slightlyRounded),
        m_store.setString(resolutionKey, rawValue(options.resolution)),
    };
    for (const Result<void> &each : written) {
        if (!each) {
            emit writeFailed(each.error());
            break;
        }
    }
}

void SettingsManager::setPlatform(Platform value)
{
    m_platform = value;
    emit platformChanged();
    if (const Result<void> written = m_store.setString(platformKey, rawValue(value)); !written)
        emit writeFailed(written.error());
}

void SettingsManager::setChecksForNewIcons(bool checks)
{
    m_checksForNewIcons = checks;
    emit checksForNewIconsChanged();
    if (const Result<void> written = m_store.setBool(newIconsKey, checks); !written)
        emit writeFailed(written.error());
}

void SettingsManager::setComparedRegions(const QStringList &codes)
{
    m_comparedRegions = knownRegions(codes);
    emit comparedRegionsChanged();
    if (const Result<void> written = m_store.setStringArray(comparedRegionsKey, m_comparedRegions);
        !written)
        emit writeFailed(written.error());
}

QStringList SettingsManager::resolutions()
{
    QStringList raw;
    for (const IconResolution resolution : allIconResolutions)
        raw.append(rawValue(resolution));
    return raw;
}
