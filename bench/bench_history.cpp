// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the download history at 1,000 and 10,000 entries: loading it and
// adding one item in a running application, and the first load and add of a
// new process on a store that holds them, as at start-up. Every add has
// reached the disk when it returns; at the end a freshly opened store must
// hold what was written.
//
// Usage: bench_history [folder]   (the stores go into a fresh folder below
// it; default: the temporary directory). The program runs copies of itself
// for the starts.

#include "catalogue/AppItem.h"
#include "store/HistoryManager.h"
#include "store/KeyValueStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int rounds = 31;
constexpr int starts = 11;

// Shaped like real catalogue items: long artwork addresses, mixed scripts.
AppItem sampleItem(qint64 n)
{
    const QString art = QStringLiteral(
        "https://is1-ssl.mzstatic.com/image/thumb/Purple126/v4/3f/2a/91/3f2a91c4-5d1e-8b7a-"
        "0c6e-%1/AppIcon-0-0-1x_U007emarketing-0-7-0-85-220.png/")
                            .arg(n, 12, 10, QLatin1Char('0'));
    AppItem item;
    item.trackId = 1000000000 + n;
    item.trackName
        = (n % 2 ? QStringLiteral("照片编辑器 Pro %1") : QStringLiteral("Photo Editor %1")).arg(n);
    item.artworkUrl100 = art + QStringLiteral("100x100bb.jpg");
    item.artworkUrl512 = art + QStringLiteral("512x512bb.jpg");
    if (n % 3)
        item.countryCode = QStringLiteral("CN");
    return item;
}

double threadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double median(std::vector<double> samples)
{
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

// Wall-clock and CPU milliseconds. The CPU figure leaves out time lost to
// other processes and to waiting for the disk.
struct Timing
{
    double wall;
    double cpu;
};

// Collects timings of one step; medians of each.
struct Samples
{
    std::vector<double> wall, cpu;
    QElapsedTimer timer;
    double cpuStart = 0;

    void start()
    {
        cpuStart = threadCpuMs();
        timer.start();
    }
    void stop()
    {
        wall.push_back(double(timer.nsecsElapsed()) / 1e6);
        cpu.push_back(threadCpuMs() - cpuStart);
    }
    [[nodiscard]] Timing median() const { return { ::median(wall), ::median(cpu) }; }
};

template<typename Work>
Timing measure(Work &&work)
{
    Samples samples;
    for (int r = 0; r < rounds; ++r) {
        samples.start();
        work(r);
        samples.stop();
    }
    return samples.median();
}

void report(const char *what, int entries, Timing t, double budget = 0)
{
    std::printf(
        "%6d entries  %-26s median %8.2f ms wall %8.2f ms CPU", entries, what, t.wall, t.cpu);
    if (budget > 0)
        std::printf("   (budget %.0f ms: %s)", budget, t.wall <= budget ? "met" : "OVER");
    std::printf("\n");
}

// Child: one start of the application on an existing store. Prints the wall
// and CPU milliseconds of opening the store, the first load and the first add.
int runStart(const QString &path, qint64 n)
{
    Samples laps;
    laps.start();
    KeyValueStore store(path);
    laps.stop();
    laps.start();
    HistoryManager history(store);
    const qsizetype count = history.loadHistory().size();
    laps.stop();
    laps.start();
    history.addHistory(sampleItem(n));
    laps.stop();
    for (int k = 0; k < 3; ++k)
        std::printf("%f %f ", laps.wall[k], laps.cpu[k]);
    std::printf("\n");
    return count > 0 ? 0 : 1;
}

// Times one history size; false when the store does not hold what was written.
bool run(const QString &folder, int entries, double loadBudget, double addBudget)
{
    const QString path = folder + QStringLiteral("/store-%1.sqlite").arg(entries);
    qint64 added = 0;
    qsizetype loaded = 0;
    {
        KeyValueStore store(path);
        QJsonArray array;
        for (int n = 0; n < entries; ++n)
            array.append(sampleItem(n).toJson());
        store.setData(
            QStringLiteral("DownloadHistory"), QJsonDocument(array).toJson(QJsonDocument::Compact));

        HistoryManager history(store);
        report("loadHistory()", entries,
            measure([&](int) { loaded += history.loadHistory().size(); }), loadBudget);
        report("addHistory(new item)", entries,
            measure([&](int r) { history.addHistory(sampleItem(entries + r)); }), addBudget);
        report("addHistory(item stored)", entries,
            measure([&](int r) { history.addHistory(sampleItem(r)); }));
        added += rounds;
    }

    Samples laps[3];
    for (int r = 0; r < starts; ++r) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
            { QStringLiteral("--start"), path, QString::number(2 * entries + r) });
        const QList<QByteArray> figures = child.waitForFinished(60000) && child.exitCode() == 0
            ? child.readAllStandardOutput().simplified().split(' ')
            : QList<QByteArray>();
        if (figures.size() != 6) {
            std::fprintf(stderr, "start failed: %s\n", child.readAllStandardError().constData());
            return false;
        }
        for (int k = 0; k < 3; ++k) {
            laps[k].wall.push_back(figures[2 * k].toDouble());
            laps[k].cpu.push_back(figures[2 * k + 1].toDouble());
        }
    }
    report("new process: open store", entries, laps[0].median());
    report("new process: first load", entries, laps[1].median(), loadBudget);
    report("new process: first add", entries, laps[2].median(), addBudget);
    added += starts;

    KeyValueStore reopened(path);
    const qsizetype onDisk = HistoryManager(reopened).loadHistory().size();
    if (onDisk != entries + added) {
        std::fprintf(stderr, "%lld entries stored, %lld expected\n", qint64(onDisk),
            qint64(entries + added));
        return false;
    }
    return loaded > 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 4 && qstrcmp(argv[1], "--start") == 0)
        return runStart(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toLongLong());
    QCoreApplication app(argc, argv);
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    QTemporaryDir folder(base + QStringLiteral("/bench-history-XXXXXX"));
    if (!folder.isValid()) {
        std::fprintf(stderr, "cannot create a folder below %s\n", qPrintable(base));
        return 1;
    }
    std::printf("stores in %s\n", qPrintable(folder.path()));
    return run(folder.path(), 1000, 10, 20) && run(folder.path(), 10000, 0, 150) ? 0 : 1;
}
