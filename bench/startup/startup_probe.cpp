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

#ifdef VELLUMAR_PROBE_APPLICATION
#include "screens/ScreensEngine.h"
Q_IMPORT_QML_PLUGIN(VellumarPlugin)
#endif

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Vellumar"));

    // The same steps as the application's main(), in the same order.
#ifdef VELLUMAR_PROBE_APPLICATION
    ScreensEngine::prepareApplication();
    QQmlApplicationEngine engine;
    ScreensEngine::setUpEngine(engine);
    const QUrl url = ScreensEngine::mainUrl();
#else
    QQuickStyle::setStyle(QStringLiteral("Material"));
    QQmlApplicationEngine engine;
    const QUrl url(QStringLiteral("qrc:/qt/qml/VellumarBareWindow/BareWindow.qml"));
#endif

    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreated, &app, [](QObject *object, const QUrl &) {
            auto *window = qobject_cast<QQuickWindow *>(object);
            if (!window) {
                std::fputs("no window\n", stdout);
                std::fflush(stdout);
                QCoreApplication::exit(1);
                return;
            }
            QObject::connect(
                window, &QQuickWindow::frameSwapped, window,
                [] {
                    std::fputs("first-frame\n", stdout);
                    std::fflush(stdout);
                    QCoreApplication::quit();
                },
                Qt::SingleShotConnection);
        });
    engine.load(url);
    return QGuiApplication::exec();
}
