#include "RoundedIconProvider.h"

#include "catalogue/NetworkPolicy.h"
#include "export/ImageCodec.h"
#include "export/Rounding.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// One thread shapes every icon: a list asks for many small ones at once, and
// each further thread would keep a heap of its own, the size of the pictures
// it decoded.
QThreadPool &shapingPool()
{
    static QThreadPool *pool = [] {
        auto *made = new QThreadPool(QCoreApplication::instance());
        made->setMaxThreadCount(1);
        return made;
    }();
    return *pool;
}

// Scaled to fit `size` (when one is asked for), then rounded.
std::optional<QImage> shaped(const QByteArray &bytes, QSize size, double radius)
{
    std::optional<QImage> image = decodeImage(bytes);
    if (!image)
        return std::nullopt;
    if (size.width() <= 0)
        size.setWidth(image->width());
    if (size.height() <= 0)
        size.setHeight(image->height());
    if (image->size() != size)
        image = image->scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return radius > 0 ? withCornerRadius(*image, radius * image->height()) : image;
}

// Lives on the thread QML asks on, which runs an event loop of its own, with
// a network manager of that thread; the download and the shaping are its
// children, so whoever deletes it stops them.
class RoundedIconResponse : public QQuickImageResponse
{
public:
    QQuickTextureFactory *textureFactory() const override
    {
        return QQuickTextureFactory::textureFactoryForImage(m_image);
    }
    QString errorString() const override { return m_error; }
    // Also when QML ends: the download and the shaping stop with it.
    void cancel() override
    {
        qDeleteAll(children());
        end({}, QStringLiteral("cancelled"));
    }

    void load(const QUrl &url, QSize size, double radius)
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
                return end({}, error->detail);
            auto *shaping = new QFutureWatcher<std::optional<QImage>>(this);
            connect(shaping, &QFutureWatcherBase::finished, this, [=, this] {
                const std::optional<QImage> image = shaping->result();
                end(image.value_or(QImage()),
                    image ? QString() : QStringLiteral("not an image: ") + url.toString());
            });
            shaping->setFuture(
                QtConcurrent::run(&shapingPool(), shaped, reply->readAll(), size, radius));
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
        Q_EMIT finished();
    }

    QImage m_image;
    QString m_error;
    bool m_ended = false;
};

} // namespace

QQuickImageResponse *RoundedIconProvider::requestImageResponse(
    const QString &id, const QSize &requestedSize)
{
    auto *response = new RoundedIconResponse;
    response->load(QUrl(QUrl::fromPercentEncoding(id.section(u'/', 1).toUtf8())), requestedSize,
        id.section(u'/', 0, 0).toDouble());
    return response;
}
