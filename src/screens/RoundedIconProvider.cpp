#include "RoundedIconProvider.h"

#include "catalogue/AppStoreAPI.h"
#include "export/ImageCodec.h"
#include "export/Rounding.h"

#include <QCoreApplication>
#include <QCoroFuture>
#include <QPointer>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

namespace {

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

class RoundedIconResponse : public QQuickImageResponse
{
public:
    QQuickTextureFactory *textureFactory() const override
    {
        return QQuickTextureFactory::textureFactoryForImage(m_image);
    }
    QString errorString() const override { return m_error; }

    // On the application's thread, where the network lives.
    QCoro::Task<> load(QUrl url, QSize size, double radius)
    {
        QPointer<RoundedIconResponse> self(this);
        const Result<QByteArray> bytes = co_await AppStoreAPI::downloadImageData(url);
        if (!self)
            co_return;
        if (bytes) {
            // The future is named: GCC 12 destroys an awaited temporary twice.
            const QFuture<std::optional<QImage>> shaping
                = QtConcurrent::run(&shapingPool(), shaped, bytes.value(), size, radius);
            const std::optional<QImage> image = co_await shaping;
            if (!self)
                co_return;
            if (image)
                m_image = *image;
            else
                m_error = QStringLiteral("not an image: ") + url.toString();
        } else {
            m_error = bytes.error().detail;
        }
        Q_EMIT finished();
    }

private:
    QImage m_image;
    QString m_error;
};

} // namespace

QQuickImageResponse *RoundedIconProvider::requestImageResponse(
    const QString &id, const QSize &requestedSize)
{
    // Asked on QML's image thread; the download runs on the application's.
    auto *response = new RoundedIconResponse;
    response->moveToThread(QCoreApplication::instance()->thread());
    const double radius = id.section(u'/', 0, 0).toDouble();
    const QUrl url(QUrl::fromPercentEncoding(id.section(u'/', 1).toUtf8()));
    QMetaObject::invokeMethod(
        response, [=] { response->load(url, requestedSize, radius); }, Qt::QueuedConnection);
    return response;
}
