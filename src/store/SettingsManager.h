#pragma once

#include "catalogue/IconResolution.h"
#include "catalogue/Platform.h"

#include <QJSEngine>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

class KeyValueStore;
class QQmlEngine;

// The save options. Loaded once from the store; every assignment, also of the
// value already held, notifies, writes the option at once and then applies
// its rule: the two rounding options exclude each other, and turning on the
// original JPEG turns both off.
class SettingsManager : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(
        bool saveAsRounded READ saveAsRounded WRITE setSaveAsRounded NOTIFY saveAsRoundedChanged)
    Q_PROPERTY(bool saveAsSlightlyRounded READ saveAsSlightlyRounded WRITE setSaveAsSlightlyRounded
            NOTIFY saveAsSlightlyRoundedChanged)
    // QML sees the resolution as its raw value ("256x256", ...).
    Q_PROPERTY(QString selectedResolution READ selectedResolutionRawValue WRITE
            setSelectedResolutionRawValue NOTIFY selectedResolutionChanged)
    Q_PROPERTY(bool saveAsOriginalJPEG READ saveAsOriginalJPEG WRITE setSaveAsOriginalJPEG NOTIFY
            saveAsOriginalJPEGChanged)
    // The raw values in picker order.
    Q_PROPERTY(QStringList resolutions READ resolutions CONSTANT)
    // Whose apps a search lists; stored as its raw value.
    Q_PROPERTY(Platforms::Platform platform READ platform WRITE setPlatform NOTIFY platformChanged)

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

    [[nodiscard]] bool saveAsRounded() const { return m_saveAsRounded; }
    [[nodiscard]] bool saveAsSlightlyRounded() const { return m_saveAsSlightlyRounded; }
    [[nodiscard]] IconResolution selectedResolution() const { return m_selectedResolution; }
    [[nodiscard]] bool saveAsOriginalJPEG() const { return m_saveAsOriginalJPEG; }
    [[nodiscard]] Platform platform() const { return m_platform; }

    void setSaveAsRounded(bool value);
    void setSaveAsSlightlyRounded(bool value);
    void setSelectedResolution(IconResolution value);
    void setSaveAsOriginalJPEG(bool value);
    void setPlatform(Platform value);

    [[nodiscard]] QString selectedResolutionRawValue() const;
    // A text that is no raw value changes nothing and is reported on the console.
    void setSelectedResolutionRawValue(const QString &rawValue);
    [[nodiscard]] static QStringList resolutions();

signals:
    void saveAsRoundedChanged();
    void saveAsSlightlyRoundedChanged();
    void selectedResolutionChanged();
    void saveAsOriginalJPEGChanged();
    void platformChanged();

private:
    KeyValueStore &m_store;
    bool m_saveAsRounded = false;
    bool m_saveAsSlightlyRounded = false;
    IconResolution m_selectedResolution = IconResolution::size1024;
    bool m_saveAsOriginalJPEG = false;
    Platform m_platform = Platform::IPhone;
};
