#pragma once

#include <QQuickAsyncImageProvider>

// The pictures of RoundedImage: image://rounded/<radius>/<address>, the radius
// as a fraction of the height shown and the address percent-encoded. Each is
// downloaded under the network rules, decoded, scaled to the size asked for
// and cut to the icon's rounded shape once, so that a list row is a plain
// image: no painting per row, and no texture larger than what it shows.
class RoundedIconProvider : public QQuickAsyncImageProvider
{
public:
    QQuickImageResponse *requestImageResponse(
        const QString &id, const QSize &requestedSize) override;
};
