// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One start of a Qt Quick window, built like the application, that prints a
// line the moment its first frame has been rendered and then quits. Which
// window is chosen at build time: the application's own, or a bare window
// with one label as the floor any Qt Quick application pays.
//   bench_startup_probe_app [language]   stores the interface language first,
//                                        for the starts after this one

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QtQml/QQmlExtensionPlugin>

#include <cstdio>
#include <optional>

#ifdef VELLUMAR_PROBE_APPLICATION
#include "screens/ScreensEngine.h"
#include "store/KeyValueStore.h"
#include "store/LocalizationManager.h"
#include "workflow/ApplicationContext.h"
Q_IMPORT_QML_PLUGIN(VellumarPlugin)
#endif

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Vellumar"));

    // The same steps as the application's main(), in the same order.
#ifdef VELLUMAR_PROBE_APPLICATION
    QFuture<void> preparation = ScreensEngine::startPreparingApplication();
    std::optional<ApplicationContext> made; // outlives the engine
    QQmlApplicationEngine engine;
    ScreensEngine::startCompiling(engine);
    ApplicationContext &context = made.emplace(KeyValueStore::defaultFilePath());
    if (argc > 1)
        context.localization().setCurrentLanguageRawValue(QString::fromLocal8Bit(argv[1]));
    ScreensEngine::setUpEngine(engine, context);
    ScreensEngine::loadMainWindow(engine, std::move(preparation));
#else
    QQuickStyle::setStyle(QStringLiteral("Material"));
    QQmlApplicationEngine engine;
    engine.load(QUrl(QStringLiteral("qrc:/qt/qml/VellumarBareWindow/BareWindow.qml")));
#endif

    // The window is shown by the load; its first frame comes from the event loop.
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
    if (!window) {
        std::fputs("no window\n", stderr);
        return 1;
    }
    QObject::connect(
        window, &QQuickWindow::frameSwapped, window,
        [] {
            std::fputs("first-frame\n", stdout);
            std::fflush(stdout);
            QCoreApplication::quit();
        },
        Qt::SingleShotConnection);
    return QGuiApplication::exec();
}
