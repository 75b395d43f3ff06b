#include "IconResolution.h"

QString rawValue(IconResolution resolution)
{
    switch (resolution) {
    case IconResolution::size256:
        return QStringLiteral("256x256");
    case IconResolution::size512:
        return QStringLiteral("512x512");
    case IconResolution::size1024:
        return QStringLiteral("1024x1024");
    }
    Q_UNREACHABLE();
    return {};
}

std::optional<IconResolution> iconResolutionFromRawValue(const QString &raw)
{
    for (IconResolution resolution : allIconResolutions) {
        if (rawValue(resolution) == raw)
            return resolution;
    }
    return std::nullopt;
}

std::optional<QUrl> iconUrlFromArtwork(
    IconResolution resolution, const QString &artworkUrl512, const QString &artworkUrl100)
{
    static const QString size512 = QStringLiteral("512x512");
    static const QString size100 = QStringLiteral("100x100");

    QString address = artworkUrl512;
    if (const qsizetype at = artworkUrl512.indexOf(size512, 0, Qt::CaseSensitive); at >= 0) {
        address.replace(at, size512.size(), rawValue(resolution));
    } else if (const qsizetype at100 = artworkUrl100.indexOf(size100, 0, Qt::CaseSensitive);
               at100 >= 0) {
        address = artworkUrl100;
        address.replace(at100, size100.size(), rawValue(resolution));
    }
    // Strict parsing: an address with spaces or other characters that need
    // escaping is not an address the catalogue handed out.
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative())
        return std::nullopt;
    return url;
}
