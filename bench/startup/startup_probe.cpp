// One start of a Qt Quick window, built like the application, that prints a
// line the moment its first frame has been rendered and then quits. Which
// window is chosen at build time: the application's own, or a bare window
// with one label as the floor any Qt Quick application pays.

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QtQml/QQmlExtensionPlugin>

#include <cstdio>
#include <QElapsedTimer>

#ifdef VELLUMAR_PROBE_APPLICATION
#include "screens/ScreensEngine.h"
#include "store/LocalizationManager.h"
#include "store/SearchHistoryManager.h"
#include "store/SettingsManager.h"
#include <QFontMetrics>
Q_IMPORT_QML_PLUGIN(VellumarPlugin)
#endif

int main(int argc, char *argv[])
{
    QElapsedTimer T; T.start();
    QGuiApplication app(argc, argv);
    fprintf(stderr, "app %lld\n", T.elapsed());
    QGuiApplication::setApplicationName(QStringLiteral("Vellumar"));

    QQmlApplicationEngine engine;
#ifdef VELLUMAR_PROBE_APPLICATION
    ScreensEngine::prepareApplication();
    ScreensEngine::setUpEngine(engine);
    const QUrl url = ScreensEngine::mainUrl();
#else
    QQuickStyle::setStyle(QStringLiteral("Material"));
    const QUrl url(QStringLiteral("qrc:/qt/qml/VellumarBareWindow/BareWindow.qml"));
#endif

    QObject::connect(&engine, &QQmlApplicationEngine::objectCreated, &app,
                     [](QObject *object, const QUrl &) {
                         auto *window = qobject_cast<QQuickWindow *>(object);
                         if (!window) {
                             std::fputs("no window\n", stdout);
                             std::fflush(stdout);
                             QCoreApplication::exit(1);
                             return;
                         }
                         QObject::connect(window, &QQuickWindow::frameSwapped, window, [] {
                             fprintf(stderr, "frame %lld\n", QElapsedTimer().msecsSinceReference());
                             std::fputs("first-frame\n", stdout);
                             std::fflush(stdout);
                             QCoreApplication::quit();
                         }, Qt::SingleShotConnection);
                     });
    fprintf(stderr, "prepared %lld\n", T.elapsed());
#ifdef VELLUMAR_PROBE_APPLICATION
    LocalizationManager::shared(); fprintf(stderr, "loc %lld\n", T.elapsed());
    SearchHistoryManager::shared()->loadSearchHistory(); fprintf(stderr, "hist %lld\n", T.elapsed());
    SettingsManager::shared(); fprintf(stderr, "settings %lld\n", T.elapsed());
    { QFont f("Noto Color Emoji"); QFontMetrics m(f); m.horizontalAdvance(QString::fromUtf8("🇨🇳")); } fprintf(stderr, "emoji %lld\n", T.elapsed());
#endif
    engine.load(url);
    fprintf(stderr, "loaded %lld\n", T.elapsed());
    return QGuiApplication::exec();
}
