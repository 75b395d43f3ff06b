// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLine.h"
#include "QuitOnSignal.h"
#include "SingleInstance.h"
#include "WindowGeometry.h"
#include "catalogue/Error.h"
#include "screens/ScreensEngine.h"
#include "store/KeyValueStore.h"
#include "workflow/ApplicationContext.h"

#include <QDebug>
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QWindow>
#include <QtQml/QQmlExtensionPlugin>

#include <optional>

Q_IMPORT_QML_PLUGIN(VellumarPlugin)

namespace {

const QString applicationId = QStringLiteral(VELLUMAR_APPLICATION_ID);

// The installed theme's icon, else the renders built into the binary.
QIcon applicationIcon()
{
    QIcon builtIn;
    const QDir renders(QStringLiteral(":/icons/hicolor"));
    for (const QString &size : renders.entryList(QDir::Dirs))
        builtIn.addFile(renders.filePath(
            size + QStringLiteral("/apps/") + applicationId + QStringLiteral(".png")));
    return QIcon::fromTheme(applicationId, builtIn);
}

// The search tab takes the request as if typed (or pasted) and submitted.
void handOver(ApplicationContext &context, const StartRequest &request)
{
    if (!request.isEmpty())
        Q_EMIT context.startRequested(request.text, request.region);
}

// A later start's request also brings the window forward.
void present(
    QQmlApplicationEngine &engine, ApplicationContext &context, const StartRequest &request)
{
    if (auto *window = qobject_cast<QWindow *>(engine.rootObjects().value(0))) {
        if (window->visibility() == QWindow::Minimized)
            window->showNormal();
        window->raise();
        window->requestActivate();
    }
    handOver(context, request);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Vellumar"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELLUMAR_VERSION));
    QCoreApplication::setOrganizationDomain(QStringLiteral("vellumar.github.io"));

    // Read the command line and ask a running instance before touching the
    // display: --help works without one, and a second start opens no window.
    // No application object yet: a throwaway one would keep Qt's accessibility
    // bridge from ever registering the window, and screen readers would see nothing.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const auto parsed = CommandLine::parse(arguments);
    if (const int *status = std::get_if<int>(&parsed))
        return *status;
    const StartRequest request = std::get<StartRequest>(parsed);
    if (SingleInstance::handOver(request))
        return 0;

    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Vellumar"));
    // Docks match the window to the desktop entry, and so to its icon, by this.
    QGuiApplication::setDesktopFileName(applicationId);
    QGuiApplication::setWindowIcon(applicationIcon());
    QuitOnSignal quitOnSignal;

    SingleInstance instance;
    if (!instance.listen()) {
        // Another start got there first: it takes the request.
        if (SingleInstance::handOver(request))
            return 0;
        qCWarning(lcApp).noquote()
            << QStringLiteral("Vellumar cannot listen for later starts:") << instance.errorString();
    }

    // The fonts register and the window's types compile while the store opens.
    QFuture<void> preparation = ScreensEngine::startPreparingApplication();
    std::optional<ApplicationContext> made; // outlives the engine
    QQmlApplicationEngine engine;
    ScreensEngine::startCompiling(engine);
    ApplicationContext &context = made.emplace(KeyValueStore::defaultFilePath());
    ScreensEngine::setUpEngine(engine, context);
    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreationFailed, &app,
        [] { QCoreApplication::exit(1); }, Qt::QueuedConnection);
    ScreensEngine::loadMainWindow(engine, std::move(preparation));
    if (auto *window = qobject_cast<QWindow *>(engine.rootObjects().value(0))) {
        const QSize defaultSize = window->size();
        WindowGeometry::restore(*window, context.store());
        QObject::connect(
            &app, &QGuiApplication::aboutToQuit, window, [window, defaultSize, &context] {
                WindowGeometry::remember(*window, defaultSize, context.store());
            });
    }
    QObject::connect(&instance, &SingleInstance::requested, &engine,
        [&engine, &context](const StartRequest &later) { present(engine, context, later); });
    handOver(context, request);
    return QGuiApplication::exec();
}
