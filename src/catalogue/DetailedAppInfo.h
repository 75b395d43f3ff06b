// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "IconResolution.h"
#include "Platform.h"
#include "Result.h"

#include <QJsonObject>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

#include <optional>

// One catalogue item with the details the detail screen shows.
struct DetailedAppInfo
{
    Q_GADGET
    QML_VALUE_TYPE(detailedAppInfo)
    Q_PROPERTY(qint64 trackId MEMBER trackId)
    Q_PROPERTY(QString trackName MEMBER trackName)
    Q_PROPERTY(QString artistName MEMBER artistName)
    Q_PROPERTY(QString bundleId MEMBER bundleId)
    Q_PROPERTY(QString description MEMBER description)
    Q_PROPERTY(QString version MEMBER version)
    // Empty text when absent; hasReleaseNotes tells the two apart.
    Q_PROPERTY(QString releaseNotes READ releaseNotesText)
    Q_PROPERTY(bool hasReleaseNotes READ hasReleaseNotes)
    Q_PROPERTY(QString artworkUrl512 MEMBER artworkUrl512)
    Q_PROPERTY(QString minimumOsVersion MEMBER minimumOsVersion)
    Q_PROPERTY(QString appStoreUrl READ appStoreUrl)
    // The header image of the detail screen: the 1024-pixel icon address.
    Q_PROPERTY(QUrl iconUrl1024 READ iconUrl1024)
    // A Mac app's icon comes shaped by its maker: no rounded mask on it.
    Q_PROPERTY(bool isMacApp READ isMacApp)
    // The developer, for a listing of their apps; 0 when absent.
    Q_PROPERTY(qint64 artistId READ artistIdValue)
public:
    qint64 trackId = 0;
    QString trackName;
    QString artistName;
    QString bundleId;
    QString description;
    QString version;
    std::optional<QString> releaseNotes;
    QString artworkUrl512;
    QStringList screenshotUrls;
    QStringList ipadScreenshotUrls;
    QString minimumOsVersion;
    std::optional<QString> kind; // "software", "mac-software", ...
    std::optional<qint64> artistId;

    [[nodiscard]] QString releaseNotesText() const { return releaseNotes.value_or(QString()); }
    [[nodiscard]] bool hasReleaseNotes() const { return releaseNotes.has_value(); }
    [[nodiscard]] bool isMacApp() const { return kind == QLatin1StringView("mac-software"); }
    [[nodiscard]] qint64 artistIdValue() const { return artistId.value_or(0); }
    // The screenshots to show for a platform: the iPad ones for the iPad, the
    // iPhone ones otherwise, and whichever the record has when it lacks those.
    // A refused address (a file: or qrc: one, say) is empty, and shows the
    // placeholder.
    [[nodiscard]] QStringList loadableScreenshotUrls(Platform platform) const;

    // The icon address at a resolution, from artworkUrl512 alone (a detailed
    // record has no 100-pixel address); empty when it does not parse.
    [[nodiscard]] std::optional<QUrl> iconUrl(IconResolution resolution) const;
    [[nodiscard]] QUrl iconUrl1024() const
    {
        return iconUrl(IconResolution::size1024).value_or(QUrl());
    }
    // The item's store web link, https://apps.apple.com/app/id<trackId>.
    [[nodiscard]] QString appStoreUrl() const;

    [[nodiscard]] static Result<DetailedAppInfo> decode(
        const QJsonObject &object, const QString &where = QString());
};

Q_DECLARE_METATYPE(DetailedAppInfo)
