// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The search tab's result list with 200 hits against a plain Qt Quick list
// of 200 images of the same size and addresses, each variant in processes of
// its own, offscreen, against the fixture catalogue: the memory that showing
// the rows and scrolling once through them adds, and the time from a scroll
// step to its frame.
//
//   bench_rows [--runs N]          both variants, N processes each (default 5)
//   bench_rows --variant ours|plain   one process: prints "<added KiB> <median ms>"

#include "FixtureCatalogue.h"
#include "ScreenBench.h"
#include "TestEnvironment.h"
#include "screens/ScreensEngine.h"
#include "store/KeyValueStore.h"
#include "workflow/ApplicationContext.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>
#include <QtQml/QQmlExtensionPlugin>

#include <algorithm>
#include <cstdio>
#include <vector>

Q_IMPORT_QML_PLUGIN(VellumarPlugin)

using namespace ScreenBench;

namespace {

constexpr int hits = 200;
// Half a row of the result list a frame.
constexpr qreal step = 34;

// The same icons as the hits', in a list that does nothing else.
const char *plainList = R"(
import QtQuick
Window {
    width: 390; height: 844; visible: true
    ListView {
        objectName: "resultList"
        anchors.fill: parent
        model: icons
        delegate: Item {
            required property url modelData
            width: ListView.view.width; height: 68
            Image { x: 16; y: 9; width: 50; height: 50; source: parent.modelData; asynchronous: true }
        }
    }
})";

qint64 residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

int measure(bool ours)
{
    FixtureCatalogue catalogue;
    ApplicationContext context(KeyValueStore::defaultFilePath());
    QQmlApplicationEngine engine;
    ScreensEngine::setUpEngine(engine, context);
    if (ours) {
        engine.load(ScreensEngine::mainUrl());
    } else {
        QVariantList icons;
        for (qint64 i = 1; i <= hits; ++i)
            icons.append(QUrl(catalogue.artworkUrl(3000000000 + i, QStringLiteral("512x512"))));
        engine.rootContext()->setContextProperty(QStringLiteral("icons"), icons);
        engine.loadData(plainList);
    }
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
    if (!window)
        return 1;
    window->resize(390, 844);
    if (!nextFrame(window))
        return 1;
    auto *list = qobject_cast<QQuickItem *>(
        findNamed(window->contentItem(), QStringLiteral("resultList")));
    QObject *model = ours ? findNamed(window->contentItem(), QStringLiteral("contentView"))
                                ->property("viewModel")
                                .value<QObject *>()
                          : nullptr;
    const auto search = [&](const QString &term) {
        model->setProperty("searchTerm", term);
        QMetaObject::invokeMethod(model, "performSearch");
        QElapsedTimer waited;
        waited.start();
        do
            settle(20);
        while (model->property("isLoading").toBool() && waited.elapsed() < 10000);
    };
    // What any search costs (the network, the answer, the stored term) is
    // not the rows' cost: a search without hits comes first.
    if (ours)
        search(FixtureCatalogue::emptyTerm);
    settle(300);
    const qint64 before = residentKiB();
    if (ours)
        search(FixtureCatalogue::manyTerm);
    if (list->property("count").toInt() != hits)
        return 1;
    settle(500); // the first screenful of icons

    std::vector<double> frames;
    const qreal end = list->property("contentHeight").toReal() - list->height();
    for (qreal y = step; y <= end; y += step) {
        QElapsedTimer timer;
        timer.start();
        list->setProperty("contentY", y);
        if (!nextFrame(window))
            return 1;
        frames.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    settle(500);
    std::printf("%lld %.3f\n", residentKiB() - before, median(frames));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    TestEnvironment::isolate();
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Vellumar"));
    QCommandLineParser parser;
    parser.addOptions({ { QStringLiteral("runs"), QStringLiteral("Processes per variant."),
                            QStringLiteral("n"), QStringLiteral("5") },
        { QStringLiteral("variant"), QStringLiteral("Measure one variant."),
            QStringLiteral("ours|plain") } });
    parser.process(app);
    if (parser.isSet(QStringLiteral("variant"))) {
        ScreensEngine::prepareApplication();
        return measure(parser.value(QStringLiteral("variant")) == QStringLiteral("ours"));
    }

    const int runs = std::max(1, parser.value(QStringLiteral("runs")).toInt());
    std::printf(
        "%d hits, 390 x 844, offscreen; medians of %d processes per variant.\n", hits, runs);
    std::printf("%-8s %14s %16s\n", "variant", "added MiB", "ms per frame");
    double figures[2][2] = {};
    int variant = 0;
    for (const char *name : { "ours", "plain" }) {
        std::vector<double> added, frame;
        for (int run = 0; run < runs; ++run) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(),
                { QStringLiteral("--variant"), QLatin1String(name) });
            if (!child.waitForFinished(120000) || child.exitCode() != 0) {
                std::fprintf(stderr, "%s: the measurement failed\n%s", name,
                    child.readAllStandardError().constData());
                return 1;
            }
            const QList<QByteArray> words = child.readAllStandardOutput().trimmed().split(' ');
            added.push_back(words.value(0).toDouble() / 1024);
            frame.push_back(words.value(1).toDouble());
        }
        figures[variant][0] = median(added);
        figures[variant][1] = median(frame);
        std::printf("%-8s %14.1f %16.3f\n", name, figures[variant][0], figures[variant][1]);
        ++variant;
    }
    std::printf("%-8s %14.2f %16.2f\n", "ratio", figures[0][0] / figures[1][0],
        figures[0][1] / figures[1][1]);
    return 0;
}
