#include "ScreensEngine.h"

#include "catalogue/NetworkPolicy.h"

#include <QDebug>
#include <QFile>
#include <QFontDatabase>
#include <QQmlEngine>
#include <QQmlNetworkAccessManagerFactory>
#include <QQuickStyle>

namespace {

// QML loads images on its own threads and asks for one manager per thread.
class PolicyNetworkAccessManagerFactory : public QQmlNetworkAccessManagerFactory
{
public:
    QNetworkAccessManager *create(QObject *parent) override
    {
        return NetworkPolicy::createNetworkAccessManager(parent);
    }
};

// Where Debian puts the colour emoji font; platforms whose font database
// does not list it get it added from here.
const QString emojiFontPath = QStringLiteral("/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf");
const QString emojiFamily = QStringLiteral("Noto Color Emoji");

void addFont(const QString &path)
{
    if (QFontDatabase::addApplicationFont(path) < 0)
        qInfo().noquote() << QStringLiteral("无法加载字体: ") + path;
}

} // namespace

void ScreensEngine::prepareApplication()
{
    QQuickStyle::setStyle(QStringLiteral("Material"));
    // Embedded at build time, so the symbols never depend on installed fonts.
    addFont(QStringLiteral(":/fonts/MaterialIcons-Regular.ttf"));
    if (!QFontDatabase::hasFamily(emojiFamily) && QFile::exists(emojiFontPath))
        addFont(emojiFontPath);
}

void ScreensEngine::setUpEngine(QQmlEngine &engine)
{
    // The engine does not own its factory; one stateless factory serves all.
    static PolicyNetworkAccessManagerFactory factory;
    engine.setNetworkAccessManagerFactory(&factory);
}

QUrl ScreensEngine::mainUrl()
{
    return QUrl(QStringLiteral("qrc:/qt/qml/Vellumar/Main.qml"));
}
