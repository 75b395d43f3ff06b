#include "ScreensEngine.h"

#include "RoundedIconProvider.h"
#include "catalogue/NetworkPolicy.h"

#include <QDebug>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QQmlNetworkAccessManagerFactory>
#include <QQuickStyle>
#include <QtQml/QQmlExtensionPlugin>

// The core module, which the screens module imports, is linked statically too.
Q_IMPORT_QML_PLUGIN(Vellumar_CorePlugin)

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

const QString symbolFont = QStringLiteral(":/fonts/VellumarSymbols.ttf");

} // namespace

void ScreensEngine::prepareApplication()
{
    QQuickStyle::setStyle(QStringLiteral("Material"));
    // Embedded at build time, so the symbols never depend on installed fonts.
    if (QFontDatabase::addApplicationFont(symbolFont) < 0)
        qInfo().noquote() << QStringLiteral("无法加载字体: ") + symbolFont;
    // One Latin typeface on every screen, the one the controls' style uses;
    // Chinese falls back to Noto Sans CJK through fontconfig.
    QGuiApplication::setFont(QFont(QStringLiteral("Roboto")));
}

void ScreensEngine::setUpEngine(QQmlEngine &engine)
{
    // The engine does not own its factory; one stateless factory serves all.
    static PolicyNetworkAccessManagerFactory factory;
    engine.setNetworkAccessManagerFactory(&factory);
    engine.addImageProvider(QStringLiteral("rounded"), new RoundedIconProvider);
}

QUrl ScreensEngine::mainUrl()
{
    return QUrl(QStringLiteral("qrc:/qt/qml/Vellumar/Main.qml"));
}
