// Times the download history at 10,000 entries: loading it and adding one
// item, with the decoded document at hand and, once per run, without; starts of
// the application, each in a new process (store opened, first load, first add);
// then the steps of a full decode and encode, to show where the time goes.
// Every add and remove has reached the disk when it returns; at the end a
// freshly opened store must hold what was written.
//
// Usage: bench_history [folder]   (the store file goes into a fresh folder
// below it; default: the temporary directory). The program runs copies of
// itself for the starts.

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

constexpr int entries = 10000;
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

QByteArray encode(const QList<AppItem> &items)
{
    QJsonArray array;
    for (const AppItem &item : items)
        array.append(item.toJson());
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
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

// Median wall-clock and CPU milliseconds of `work` over the rounds. The CPU
// figure leaves out time lost to other processes and to waiting for the disk.
struct Timing
{
    double wall;
    double cpu;
};

template<typename Work>
Timing measure(Work &&work)
{
    std::vector<double> wall, cpu;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer timer;
        const double cpuStart = threadCpuMs();
        timer.start();
        work(r);
        wall.push_back(double(timer.nsecsElapsed()) / 1e6);
        cpu.push_back(threadCpuMs() - cpuStart);
    }
    return { median(wall), median(cpu) };
}

void print(const char *what, Timing t)
{
    std::printf("%-34s median %8.2f ms wall %8.2f ms CPU\n", what, t.wall, t.cpu);
}

// Child: one start of the application on an existing store. Prints the wall
// and CPU milliseconds of opening the store, the first load and the first add.
int runStart(const QString &path, qint64 n)
{
    std::vector<double> figures;
    QElapsedTimer timer;
    double cpuStart = threadCpuMs();
    timer.start();
    const auto lap = [&] {
        figures.push_back(double(timer.nsecsElapsed()) / 1e6);
        figures.push_back(threadCpuMs() - cpuStart);
        cpuStart = threadCpuMs();
        timer.restart();
    };
    KeyValueStore store(path);
    lap();
    HistoryManager history(store);
    const qsizetype count = history.loadHistory().size();
    lap();
    history.addHistory(sampleItem(n));
    lap();
    for (double figure : figures)
        std::printf("%f ", figure);
    std::printf("\n");
    return count > 0 ? 0 : 1;
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

    KeyValueStore store(folder.filePath(QStringLiteral("store.sqlite")));
    HistoryManager history(store);
    QList<AppItem> items;
    for (int n = 0; n < entries; ++n)
        items.append(sampleItem(n));
    const QByteArray document = encode(items);
    store.setData(QStringLiteral("DownloadHistory"), document);

    std::printf("download history: %d entries, %.2f MB document, store in %s\n", entries,
        document.size() / 1e6, qPrintable(folder.path()));

    qsizetype loaded = 0;
    print("loadHistory()", measure([&](int) { loaded += history.loadHistory().size(); }));
    print("addHistory(new item)",
        measure([&](int r) { history.addHistory(sampleItem(entries + r)); }));
    // Saved again: read, compare, scan, and no write.
    print("addHistory(item already stored)",
        measure([&](int r) { history.addHistory(sampleItem(r * 97)); }));
    // A new manager each round: the first load of a run decodes the whole document.
    print("first loadHistory() of a run", measure([&](int) {
        HistoryManager fresh(store);
        loaded += fresh.loadHistory().size();
    }));
    print("first addHistory() of a run", measure([&](int r) {
        HistoryManager fresh(store);
        fresh.addHistory(sampleItem(2 * entries + r));
    }));
    print("removeHistory(entry in the middle)",
        measure([&](int r) { history.removeHistory(sampleItem(entries / 2 + r)); }));

    // What a user sees at start-up: a new process, whose memory is all fresh.
    const QString path = store.filePath();
    std::vector<double> startFigures[6];
    for (int r = 0; r < starts; ++r) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
            { QStringLiteral("--start"), path, QString::number(4 * entries + r) });
        const QList<QByteArray> figures = child.waitForFinished(60000) && child.exitCode() == 0
            ? child.readAllStandardOutput().simplified().split(' ')
            : QList<QByteArray>();
        if (figures.size() != 6) {
            std::fprintf(
                stderr, "start %d failed: %s\n", r, child.readAllStandardError().constData());
            return 1;
        }
        for (int k = 0; k < 6; ++k)
            startFigures[k].push_back(figures[k].toDouble());
    }
    const auto startTiming = [&](int step) {
        return Timing { median(startFigures[2 * step]), median(startFigures[2 * step + 1]) };
    };
    print("start: open store", startTiming(0));
    print("start: first loadHistory()", startTiming(1));
    print("start: first addHistory()", startTiming(2));

    // Adds: 31 + 31 + 11 new items; removals: 31 of the original entries.
    const qsizetype expected = entries + 2 * rounds + starts - rounds;
    KeyValueStore reopened(path);
    const qsizetype onDisk = HistoryManager(reopened).loadHistory().size();
    std::printf(
        "entries after reopening: %lld (expected %lld)\n", qint64(onDisk), qint64(expected));
    if (onDisk != expected)
        return 1;

    // The steps of a full decode and encode, and the two kinds of store write.
    std::printf("steps:\n");
    const QByteArray current = *store.dataForKey(QStringLiteral("DownloadHistory"));
    QJsonArray parsed;
    QList<AppItem> decoded;
    QByteArray encoded;
    print("  JSON parse", measure([&](int) { parsed = QJsonDocument::fromJson(current).array(); }));
    print("  record decoding", measure([&](int) {
        decoded.clear();
        for (const QJsonValue &value : std::as_const(parsed))
            decoded.append(AppItem::decode(value.toObject()).value());
    }));
    print("  encoding", measure([&](int) { encoded = encode(decoded); }));
    // What an add writes: the stored document with one more entry in front.
    const QByteArray entry = encode({ sampleItem(3 * entries) }).sliced(1).chopped(1) + ',';
    print("  store write, one entry longer", measure([&](int) {
        QByteArray longer = *store.dataForKey(QStringLiteral("DownloadHistory"));
        longer.insert(1, entry);
        store.setData(QStringLiteral("DownloadHistory"), longer);
    }));
    print("  store write, same length",
        measure([&](int) { store.setData(QStringLiteral("DownloadHistory"), encoded); }));
    return loaded > 0 ? 0 : 1;
}
