#include "QuitOnSignal.h"
#include "screens/ScreensEngine.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QtQml/QQmlExtensionPlugin>

Q_IMPORT_QML_PLUGIN(VellumarPlugin)

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Vellumar"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Vellumar"));
    QuitOnSignal quitOnSignal;

    ScreensEngine::prepareApplication();
    QQmlApplicationEngine engine;
    ScreensEngine::setUpEngine(engine);
    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreationFailed, &app,
        [] { QCoreApplication::exit(1); }, Qt::QueuedConnection);
    engine.load(ScreensEngine::mainUrl());
    return QGuiApplication::exec();
}
