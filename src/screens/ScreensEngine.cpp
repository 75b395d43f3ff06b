// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScreensEngine.h"

#include "PictureProvider.h"
#include "catalogue/NetworkPolicy.h"
#include "desktop/Desktop.h"
#include "workflow/ApplicationContext.h"

#include <QDebug>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlNetworkAccessManagerFactory>
#include <QQuickStyle>
#include <QResource>
#include <QtConcurrent/QtConcurrentRun>
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

// Where the screens' modules keep their files; Qt 6.4 does not look there by
// itself, and the window imports modules other than its own.
const QString importPath = QStringLiteral("qrc:/qt/qml");

// Embedded at build time (tools/generate_fonts.py), so the symbols never
// depend on installed fonts and the first screen in Chinese opens small cuts
// instead of the whole CJK collection.
const QString embeddedFonts[] = {
    QStringLiteral(":/fonts/VellumarSymbols.ttf"),
    QStringLiteral(":/fonts/VellumarChinese-Regular.otf"),
    QStringLiteral(":/fonts/VellumarChinese-Bold.otf"),
};

// Stored uncompressed, so the font database reads them where the binary
// holds them instead of inflating a copy of each.
void registerEmbeddedFonts()
{
    for (const QString &font : embeddedFonts) {
        if (QFontDatabase::addApplicationFontFromData(QResource(font).uncompressedData()) < 0)
            qCInfo(lcScreens).noquote() << QStringLiteral("无法加载字体: ") + font;
    }
}

} // namespace

QFuture<void> ScreensEngine::startPreparingApplication()
{
    QQuickStyle::setStyle(QStringLiteral("Material"));
    // One Latin typeface on every screen, the one the controls' style uses.
    // What it lacks comes from these, in this order, and not from whatever
    // fontconfig ranks first: Chinese in its simplified forms (the cut
    // first, the full font for names and descriptions), then the flags.
    QGuiApplication::setFont(QFont(QStringLiteral("Roboto")));
    QFont::insertSubstitutions(QStringLiteral("Roboto"),
        { QStringLiteral("Vellumar Chinese"), QStringLiteral("Noto Sans CJK SC"),
            QStringLiteral("Noto Color Emoji") });
    // The font database is thread-safe.
    return QtConcurrent::run(registerEmbeddedFonts);
}

void ScreensEngine::prepareApplication()
{
    startPreparingApplication().waitForFinished();
}

void ScreensEngine::startCompiling(QQmlEngine &engine)
{
    engine.addImportPath(importPath);
    // Kept by the engine, so that what it compiled stays until the window is made.
    new QQmlComponent(&engine, mainUrl(), QQmlComponent::Asynchronous, &engine);
}

void ScreensEngine::loadMainWindow(QQmlApplicationEngine &engine, QFuture<void> preparation)
{
    preparation.waitForFinished();
    engine.load(mainUrl());
}

void ScreensEngine::setUpEngine(QQmlEngine &engine, ApplicationContext &context)
{
    context.attach(engine);
    engine.addImportPath(importPath);
    // The engine does not own its factory; one stateless factory serves all.
    static PolicyNetworkAccessManagerFactory factory;
    engine.setNetworkAccessManagerFactory(&factory);
    engine.addImageProvider(QStringLiteral("picture"), new PictureProvider);
}

Desktop &ScreensEngine::desktop(QQmlEngine &engine)
{
    return *engine.singletonInstance<Desktop *>(qmlTypeId("Vellumar.Desktop", 1, 0, "Desktop"));
}

QUrl ScreensEngine::mainUrl()
{
    return QUrl(QStringLiteral("qrc:/qt/qml/Vellumar/Main.qml"));
}
