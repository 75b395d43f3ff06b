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
#include <QUrl>
#include <QtQml/qqmlregistration.h>

#include <optional>

// An item's store web link, https://apps.apple.com/app/id<trackId>.
[[nodiscard]] QString appStoreUrlOf(qint64 trackId);

// One catalogue item as listed in search results and kept in the download
// history. Its JSON form (the four required keys, each optional one only when
// present, so entries stored before it existed still decode) is also the
// stored form of the history.
struct AppItem
{
    Q_GADGET
    QML_VALUE_TYPE(appItem)
    Q_PROPERTY(qint64 trackId MEMBER trackId)
    Q_PROPERTY(QString trackName MEMBER trackName)
    Q_PROPERTY(QString artworkUrl100 MEMBER artworkUrl100)
    Q_PROPERTY(QString artworkUrl512 MEMBER artworkUrl512)
    // Empty text when absent; C++ callers use the optional member.
    Q_PROPERTY(QString countryCode READ countryCodeText)
    Q_PROPERTY(QString appStoreUrl READ appStoreUrl)
    // A Mac app's icon comes shaped by its maker: no rounded mask on it.
    Q_PROPERTY(bool isMacApp READ isMacApp)
    // 0 and empty text when absent.
    Q_PROPERTY(qint64 artistId READ artistIdValue)
    Q_PROPERTY(QString artistName READ artistNameText)
public:
    qint64 trackId = 0;
    QString trackName;
    QString artworkUrl100;
    QString artworkUrl512;
    std::optional<QString> countryCode;
    // The catalogue's "kind": "software", "mac-software", ...
    std::optional<QString> kind = std::nullopt;
    std::optional<qint64> artistId = std::nullopt;
    std::optional<QString> artistName = std::nullopt;
    // In every catalogue answer, absent from history stored before they were kept.
    std::optional<QString> bundleId = std::nullopt;
    std::optional<QString> version = std::nullopt;

    [[nodiscard]] QString countryCodeText() const { return countryCode.value_or(QString()); }
    [[nodiscard]] QString appStoreUrl() const { return appStoreUrlOf(trackId); }
    [[nodiscard]] bool isMacApp() const { return kind == QLatin1StringView("mac-software"); }
    [[nodiscard]] qint64 artistIdValue() const { return artistId.value_or(0); }
    [[nodiscard]] QString artistNameText() const { return artistName.value_or(QString()); }
    // What the record is: a Mac app by its kind, else an app of the platform
    // searched, as the catalogue calls iPhone and iPad apps alike "software".
    [[nodiscard]] Platform platform(Platform searched) const
    {
        return isMacApp()                ? Platform::Mac
            : searched == Platform::IPad ? Platform::IPad
                                         : Platform::IPhone;
    }

    // Where to download the icon at the given resolution; empty when the
    // address does not parse.
    [[nodiscard]] std::optional<QUrl> iconUrl(IconResolution resolution) const;

    // Strict decoding: every required key present with its exact JSON type.
    // `where` names the object in the error's detail, e.g. "results[3]".
    [[nodiscard]] static Result<AppItem> decode(
        const QJsonObject &object, const QString &where = QString());
    [[nodiscard]] QJsonObject toJson() const;

    friend bool operator==(const AppItem &, const AppItem &) = default;
};

Q_DECLARE_METATYPE(AppItem)

size_t qHash(const AppItem &item, size_t seed = 0) noexcept;
