// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureProvider.h"

#include "catalogue/NetworkPolicy.h"
#include "export/ImageCodec.h"
#include "export/Rounding.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace {

// Scaled to fit `size` (when one is asked for), then rounded.
std::optional<QImage> shaped(const QByteArray &bytes, QSize size, double radius)
{
    Result<QImage> decoded = decodeImage(bytes);
    if (!decoded)
        return std::nullopt;
    std::optional<QImage> image = std::move(decoded).value();
    if (size.width() <= 0)
        size.setWidth(image->width());
    if (size.height() <= 0)
        size.setHeight(image->height());
    if (image->size() != size)
        image = image->scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (radius <= 0)
        return image;
    // Rounding paints, and a painted image keeps its paint engine as long as
    // it lives; QML's cache keeps the pictures, so it gets a copy without one.
    const std::optional<QImage> rounded = withCornerRadius(*image, radius * image->height());
    return rounded ? std::optional(rounded->copy()) : std::nullopt;
}

// Lives on the thread QML asks on, QML's image thread, which runs an event
// loop of its own, with a network manager of that thread; the download is its
// child, so whoever deletes it stops it.
class PictureResponse : public QQuickImageResponse
{
public:
    QQuickTextureFactory *textureFactory() const override
    {
        return QQuickTextureFactory::textureFactoryForImage(m_image);
    }
    QString errorString() const override { return m_error; }
    // Also when QML ends: the download stops with it.
    void cancel() override
    {
        qDeleteAll(children());
        end({}, QStringLiteral("cancelled"));
    }

    // `hops`: the redirects followed so far.
    void load(const QUrl &url, QSize size, double radius, int hops = 0)
    {
        // Made and ended on this thread, under the same rules as every other.
        thread_local const std::unique_ptr<QNetworkAccessManager> network(
            NetworkPolicy::createNetworkAccessManager(nullptr));
        QNetworkRequest request(url);
        NetworkPolicy::setSizeLimit(request, NetworkPolicy::imageLimit);
        QNetworkReply *reply = network->get(request);
        reply->setParent(this);
        connect(reply, &QNetworkReply::finished, this, [=, this] {
            reply->deleteLater();
            if (const std::optional<Error> error = NetworkPolicy::errorOf(reply))
                return end({}, url.toDisplayString() + QStringLiteral(": ") + error->detail);
            const Result<std::optional<QUrl>> redirect = NetworkPolicy::redirectOf(reply);
            if (!redirect || (redirect.value() && hops == NetworkPolicy::maxRedirects)) {
                const Error error
                    = redirect ? NetworkPolicy::tooManyRedirects(url) : redirect.error();
                return end({}, error.detail);
            }
            if (redirect.value())
                return load(*redirect.value(), size, radius, hops + 1);
            // Decoded here, as QML decodes the pictures it downloads itself.
            const std::optional<QImage> image = shaped(reply->readAll(), size, radius);
            end(image.value_or(QImage()),
                image ? QString()
                      : url.toDisplayString() + QStringLiteral(" is no PNG or JPEG image"));
        });
    }

private:
    // Once: an end after the end is nothing.
    void end(const QImage &image, const QString &error)
    {
        if (m_ended)
            return;
        m_ended = true;
        m_image = image;
        m_error = error;
        if (!error.isEmpty() && error != QLatin1StringView("cancelled"))
            qCWarning(lcScreens).noquote() << "an icon shows its placeholder:" << error;
        Q_EMIT finished();
    }

    QImage m_image;
    QString m_error;
    bool m_ended = false;
};

} // namespace

QQuickImageResponse *PictureProvider::requestImageResponse(
    const QString &id, const QSize &requestedSize)
{
    auto *response = new PictureResponse;
    response->load(QUrl(QUrl::fromPercentEncoding(id.section(u'/', 1).toUtf8())), requestedSize,
        id.section(u'/', 0, 0).toDouble());
    return response;
}
