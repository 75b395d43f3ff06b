#pragma once

#include "IconResolution.h"

#include <QJsonObject>
#include <QString>
#include <QUrl>

#include <optional>

// One catalogue item as listed in search results and kept in the download
// history. Its JSON form (five keys, countryCode left out when absent) is also
// the stored form of the history.
struct AppItem
{
    Q_GADGET
    Q_PROPERTY(qint64 trackId MEMBER trackId)
    Q_PROPERTY(QString trackName MEMBER trackName)
    Q_PROPERTY(QString artworkUrl100 MEMBER artworkUrl100)
    Q_PROPERTY(QString artworkUrl512 MEMBER artworkUrl512)
public:
    qint64 trackId = 0;
    QString trackName;
    QString artworkUrl100;
    QString artworkUrl512;
    std::optional<QString> countryCode;

    [[nodiscard]] qint64 id() const { return trackId; }

    // Where to download the icon at the given resolution; empty when the
    // address does not parse.
    [[nodiscard]] std::optional<QUrl> iconUrl(IconResolution resolution) const;

    // Strict decoding: every required key present with its exact JSON type.
    [[nodiscard]] static std::optional<AppItem> fromJson(const QJsonObject &object);
    [[nodiscard]] QJsonObject toJson() const;

    friend bool operator==(const AppItem &, const AppItem &) = default;
};

size_t qHash(const AppItem &item, size_t seed = 0) noexcept;
