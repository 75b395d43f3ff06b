// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the download history screen at 10,000 entries, in the application's
// own window (offscreen): from picking the history tab to its first frame,
// and a filter keystroke, both its synchronous filtering and up to the frame
// that shows it. The window is built afresh for each opening.
//
// Usage: bench_historyscreen   (runs in a throw-away home folder)

#include "ScreenBench.h"
#include "catalogue/AppItem.h"
#include "screens/ScreensEngine.h"
#include "store/KeyValueStore.h"
#include "workflow/ApplicationContext.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <QtQml/QQmlExtensionPlugin>

#include <algorithm>
#include <cstdio>
#include <vector>

Q_IMPORT_QML_PLUGIN(VellumarPlugin)

using namespace ScreenBench;

namespace {

constexpr int entries = 10000;
constexpr int openings = 9;
// Typing, then deleting: every step changes which rows show.
const QStringList keystrokes = { "P", "Ph", "Pho", "Phot", "Photo", "Photo ", "Photo E", "Photo Ed",
    "Photo E", "Photo ", "Photo", "Phot", "Pho", "Ph", "P", "", "照", "照片", "照", "", "9", "99",
    "999", "99", "9", "" };

AppItem sampleItem(qint64 n)
{
    AppItem item;
    item.trackId = 1000000000 + n;
    item.trackName
        = (n % 2 ? QStringLiteral("照片编辑器 Pro %1") : QStringLiteral("Photo Editor %1")).arg(n);
    const QString art = QStringLiteral("https://127.0.0.1:1/art/%1/").arg(n);
    item.artworkUrl100 = art + QStringLiteral("100x100bb.jpg");
    item.artworkUrl512 = art + QStringLiteral("512x512bb.jpg");
    if (n % 3)
        item.countryCode = QStringLiteral("CN");
    return item;
}

double median(std::vector<double> samples)
{
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

double msSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    for (const char *variable : { "HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME" })
        qputenv(variable, (home.path() + "/" + variable).toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The icons' addresses lead nowhere; their failures are not the subject.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Vellumar"));
    ScreensEngine::prepareApplication();

    QJsonArray stored;
    for (int n = 0; n < entries; ++n)
        stored.append(sampleItem(n).toJson());
    ApplicationContext context(KeyValueStore::defaultFilePath());
    context.store().setData(
        QStringLiteral("DownloadHistory"), QJsonDocument(stored).toJson(QJsonDocument::Compact));

    std::vector<double> opening, filtering, toFrame;
    for (int round = 0; round < openings; ++round) {
        QQmlApplicationEngine engine;
        ScreensEngine::setUpEngine(engine, context);
        engine.load(ScreensEngine::mainUrl());
        auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
        if (!window || !nextFrame(window))
            return 1;
        QObject *tabs = findNamed(window->contentItem(), QStringLiteral("mainView"));

        QElapsedTimer timer;
        timer.start();
        tabs->setProperty("selectedTab", 1);
        if (!nextFrame(window))
            return 1;
        opening.push_back(msSince(timer));

        QObject *history = findNamed(window->contentItem(), QStringLiteral("historyView"));
        QObject *model = history->property("viewModel").value<QObject *>();
        QObject *list = findNamed(window->contentItem(), QStringLiteral("historyList"));
        if (list->property("count").toInt() != entries) {
            std::fprintf(stderr, "the list shows %d rows\n", list->property("count").toInt());
            return 1;
        }
        if (round > 0)
            continue;
        for (const QString &text : keystrokes) {
            timer.restart();
            model->setProperty("searchText", text);
            filtering.push_back(msSince(timer));
            if (!nextFrame(window))
                return 1;
            toFrame.push_back(msSince(timer));
        }
    }

    std::printf("history screen, %d entries (medians)\n", entries);
    std::printf("  open to first frame     %8.2f ms  (%d openings)\n", median(opening), openings);
    std::printf("  keystroke: filtering    %8.2f ms  (%lld keystrokes)\n", median(filtering),
        qint64(filtering.size()));
    std::printf("  keystroke: to its frame %8.2f ms\n", median(toFrame));
    return 0;
}
