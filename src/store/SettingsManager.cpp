#include "SettingsManager.h"

#include "KeyValueStore.h"
#include "catalogue/Error.h"

#include <QDebug>

namespace {
const QString roundedKey = QStringLiteral("saveAsRounded");
const QString slightlyRoundedKey = QStringLiteral("saveAsSlightlyRounded");
const QString resolutionKey = QStringLiteral("iconResolution");
const QString originalJPEGKey = QStringLiteral("saveAsOriginalJPEG");
const QString platformKey = QStringLiteral("Platform");
} // namespace

SettingsManager *SettingsManager::shared()
{
    static SettingsManager *const instance = new SettingsManager(KeyValueStore::shared());
    return instance;
}

SettingsManager::SettingsManager(KeyValueStore &store, QObject *parent)
    : QObject(parent)
    , m_store(store)
{
    // Installed as found: no rule runs and nothing is written back, so a
    // stored pair of rounding options both on stays so until the next change.
    m_saveAsRounded = m_store.boolForKey(roundedKey);
    m_saveAsSlightlyRounded = m_store.boolForKey(slightlyRoundedKey);
    m_saveAsOriginalJPEG = m_store.boolForKey(originalJPEGKey);
    m_selectedResolution
        = iconResolutionFromRawValue(m_store.stringForKey(resolutionKey).value_or(QString()))
              .value_or(IconResolution::size1024);
    if (const std::optional<QString> raw = m_store.stringForKey(platformKey)) {
        const std::optional<Platform> platform = platformFromRawValue(*raw);
        if (!platform)
            qCInfo(lcStore).noquote() << QStringLiteral("未知的平台，改用 iPhone: ") + *raw;
        m_platform = platform.value_or(Platform::IPhone);
    }
}

void SettingsManager::setSaveAsRounded(bool value)
{
    m_saveAsRounded = value;
    emit saveAsRoundedChanged();
    m_store.setBool(roundedKey, value);
    if (m_saveAsRounded && m_saveAsSlightlyRounded)
        setSaveAsSlightlyRounded(false);
}

void SettingsManager::setSaveAsSlightlyRounded(bool value)
{
    m_saveAsSlightlyRounded = value;
    emit saveAsSlightlyRoundedChanged();
    m_store.setBool(slightlyRoundedKey, value);
    if (m_saveAsSlightlyRounded && m_saveAsRounded)
        setSaveAsRounded(false);
}

void SettingsManager::setSelectedResolution(IconResolution value)
{
    m_selectedResolution = value;
    emit selectedResolutionChanged();
    m_store.setString(resolutionKey, rawValue(value));
}

void SettingsManager::setSaveAsOriginalJPEG(bool value)
{
    m_saveAsOriginalJPEG = value;
    emit saveAsOriginalJPEGChanged();
    m_store.setBool(originalJPEGKey, value);
    if (m_saveAsOriginalJPEG) {
        setSaveAsRounded(false);
        setSaveAsSlightlyRounded(false);
    }
}

void SettingsManager::setPlatform(Platform value)
{
    m_platform = value;
    emit platformChanged();
    m_store.setString(platformKey, rawValue(value));
}

QString SettingsManager::selectedResolutionRawValue() const
{
    return rawValue(m_selectedResolution);
}

void SettingsManager::setSelectedResolutionRawValue(const QString &raw)
{
    const std::optional<IconResolution> resolution = iconResolutionFromRawValue(raw);
    if (!resolution) {
        qCInfo(lcStore).noquote() << QStringLiteral("未知的图标分辨率: ") + raw;
        return;
    }
    setSelectedResolution(*resolution);
}

QStringList SettingsManager::resolutions()
{
    QStringList raw;
    for (const IconResolution resolution : allIconResolutions)
        raw.append(rawValue(resolution));
    return raw;
}
