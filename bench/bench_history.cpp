// Times the download history at 10,000 entries: loading it and adding one
// item, with the decoded document at hand and, once per run, without; then the
// steps of a full decode and encode, to show where the time goes.
//
// Usage: bench_history [folder]   (the store file goes into a fresh folder
// below it; default: the temporary directory)

#include "catalogue/AppItem.h"
#include "store/HistoryManager.h"
#include "store/KeyValueStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int entries = 10000;
constexpr int rounds = 31;

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

} // namespace

int main(int argc, char *argv[])
{
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
            decoded.append(*AppItem::fromJson(value.toObject()));
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
