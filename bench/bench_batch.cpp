// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Saving many icons: the same ids saved as 1024 px rounded PNGs, three ways,
// against the fixture catalogue with a latency added to every answer and
// picture (a far-away service):
//
//   1. vellumar-cli save, the whole process;
//   2. a shell loop of one curl lookup, one curl download and one ImageMagick
//      convert per id, one after another, as icon scripts do;
//   3. the floor: the icons' decode, rounding and encode CPU time divided by
//      the cores, or the pictures' transfer with six in flight, whichever is
//      larger.
//
// Wall time from start to exit, CPU time and peak RSS of the child and its
// children (wait4), catalogue calls as the fixture saw them. The pictures are
// fetched once before anything is timed, so that making them costs no run.
//
//   bench_batch [--ids N] [--latency MS] [--cli PATH] [--before PATH]
//   (--before: an older vellumar-cli, run the same way for comparison)

#include "FixtureCatalogue.h"
#include "export/IconSaveOptions.h"
#include "export/ImageCodec.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace {

struct Measured
{
    double wallMs = 0;
    double cpuMs = 0;
    double peakRssMiB = 0;
    qsizetype calls = 0;
    bool ok = false;
};

// Children are started by a small process forked before this one grows: a
// child's peak RSS counts the memory of the process that started it (Linux
// keeps the high-water mark across exec), so starting them from here would
// report the fixture's pictures as theirs.
struct Spawner
{
    int commands = -1; // to the spawner: arguments, NUL-terminated, then an empty one
    int results = -1; // from it: status and rusage

    static Spawner start()
    {
        int to[2], from[2];
        if (::pipe(to) != 0 || ::pipe(from) != 0)
            std::abort();
        if (::fork() == 0) {
            ::close(to[1]);
            ::close(from[0]);
            FILE *in = ::fdopen(to[0], "r");
            for (;;) {
                std::vector<std::string> words;
                std::string word;
                for (int c; (c = std::fgetc(in)) != EOF;) {
                    if (c != 0) {
                        word += char(c);
                        continue;
                    }
                    if (word.empty())
                        break;
                    words.push_back(word);
                    word.clear();
                }
                if (words.empty())
                    ::_exit(0);
                std::vector<char *> argv;
                for (std::string &w : words)
                    argv.push_back(w.data());
                argv.push_back(nullptr);
                const pid_t child = ::fork();
                if (child == 0) {
                    const int null = ::open("/dev/null", O_WRONLY);
                    ::dup2(null, 1);
                    ::dup2(null, 2);
                    ::execv(argv[0], argv.data());
                    ::_exit(127);
                }
                int status = 0;
                rusage usage {};
                ::wait4(child, &status, 0, &usage);
                if (::write(from[1], &status, sizeof status) < 0
                    || ::write(from[1], &usage, sizeof usage) < 0)
                    ::_exit(1);
            }
        }
        ::close(to[0]);
        ::close(from[1]);
        return { to[1], from[0] };
    }
};

Spawner spawner;

// Runs `command` (output discarded) while this thread's event loop serves the
// fixture, and measures it.
Measured measure(const QStringList &command, FixtureCatalogue &catalogue)
{
    // The spawner was forked before the environment below was set.
    QStringList withEnvironment { "/usr/bin/env" };
    for (const char *name : { "HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME",
             "TMPDIR", "VELLUMAR_CATALOGUE_URL" })
        withEnvironment << QString::fromLatin1(name) + '=' + qEnvironmentVariable(name);
    QByteArray words;
    for (const QString &argument : withEnvironment + command)
        words += argument.toLocal8Bit() + '\0';
    words += '\0';
    catalogue.clearRequests();
    QElapsedTimer timer;
    timer.start();
    if (::write(spawner.commands, words.constData(), size_t(words.size())) != words.size())
        return {};
    int status = 0;
    rusage usage {};
    QEventLoop loop;
    std::thread waiter([&] {
        if (::read(spawner.results, &status, sizeof status) != sizeof status
            || ::read(spawner.results, &usage, sizeof usage) != sizeof usage)
            status = -1;
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    waiter.join();
    Measured measured;
    measured.wallMs = timer.nsecsElapsed() / 1e6;
    const auto ms = [](timeval t) {
        return t.tv_sec * 1e3 + t.tv_usec / 1e3;
    };
    measured.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
    measured.peakRssMiB = usage.ru_maxrss / 1024.0;
    for (const QByteArray &line : catalogue.requestLines())
        measured.calls += line.startsWith("GET /lookup") || line.startsWith("GET /search");
    measured.ok = status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return measured;
}

// Downloads every address with six in flight; the bodies, and how long it took.
QList<QByteArray> downloadAll(const QList<QUrl> &urls, double &wallMs)
{
    QNetworkAccessManager network;
    QList<QByteArray> bodies(urls.size());
    qsizetype next = 0, done = 0;
    QElapsedTimer timer;
    timer.start();
    std::function<void()> start = [&] {
        if (next >= urls.size())
            return;
        const qsizetype index = next++;
        QNetworkReply *reply = network.get(QNetworkRequest(urls[index]));
        QObject::connect(reply, &QNetworkReply::finished, [&, reply, index] {
            bodies[index] = reply->readAll();
            reply->deleteLater();
            ++done;
            start();
        });
    };
    for (int i = 0; i < 6; ++i)
        start();
    while (done < urls.size())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    wallMs = timer.nsecsElapsed() / 1e6;
    return bodies;
}

double threadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

void printRow(const char *way, const Measured &m)
{
    std::printf("%-28s %9.0f %9.0f %10.1f %8lld %s\n", way, m.wallMs, m.cpuMs, m.peakRssMiB,
        qint64(m.calls), m.ok ? "" : "(failed)");
}

} // namespace

int main(int argc, char *argv[])
{
    spawner = Spawner::start();
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption ids("ids", "How many ids (default 200).", "N", "200");
    const QCommandLineOption latency("latency", "Added to every answer (default 50).", "MS", "50");
    const QCommandLineOption cli("cli", "The vellumar-cli to run.", "PATH", VELLUMAR_CLI);
    const QCommandLineOption before("before", "An older vellumar-cli, run the same way.", "PATH");
    parser.addOptions({ ids, latency, cli, before });
    parser.addHelpOption();
    parser.process(app);
    const int count = parser.value(ids).toInt();

    // A home of its own: the runs touch no real store or picture folder.
    QTemporaryDir home;
    for (const char *name : { "HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME" })
        qputenv(name, QFile::encodeName(home.path()));
    qputenv("TMPDIR", QFile::encodeName(home.path()));
    FixtureCatalogue catalogue;
    catalogue.setLatency(std::chrono::milliseconds(parser.value(latency).toInt()));
    const QString base = catalogue.baseUrl().toString();

    QStringList idList;
    QList<QUrl> pictures;
    for (int n = 1; n <= count; ++n) {
        const qint64 id = FixtureCatalogue::generatedId(n);
        idList << QString::number(id);
        pictures << QUrl(catalogue.artworkUrl(id, "1024x1024"));
    }

    // The floor. Fetched once to make the pictures, then timed.
    double transferMs = 0;
    downloadAll(pictures, transferMs);
    const QList<QByteArray> bodies = downloadAll(pictures, transferMs);
    const IconSaveOptions rounded { IconSaveOptions::Shape::rounded, IconResolution::size1024 };
    double encodeMs = 0;
    for (const QByteArray &body : bodies) {
        const double started = threadCpuMs();
        const Result<QImage> image = decodeImage(body);
        if (image)
            (void)encodePng(rounded.applied(*image)); // the work, not the bytes, is measured
        encodeMs += threadCpuMs() - started;
    }
    const int cores = QThread::idealThreadCount();
    const double floorMs = std::max(encodeMs / cores, transferMs);

    std::printf("%d ids, %s ms added to every answer, 1024 px rounded PNG, %d cores\n\n", count,
        qPrintable(parser.value(latency)), cores);
    std::printf("%-28s %9s %9s %10s %8s\n", "way", "wall ms", "CPU ms", "peak MiB", "calls");
    const Measured idle = measure({ parser.value(cli), "--help" }, catalogue);
    printRow("vellumar-cli --help (idle)", idle);

    const auto cliRun = [&](const QString &program) {
        const QString out = home.path() + "/out-" + QString::number(qHash(program));
        return measure(QStringList { program, "save", "--region", "US", "--size", "1024", "--shape",
                           "rounded", "--no-history", "--output", out }
                + idList,
            catalogue);
    };
    const Measured ours = cliRun(parser.value(cli));
    printRow("vellumar-cli save", ours);
    if (parser.isSet(before))
        printRow("vellumar-cli save (before)", cliRun(parser.value(before)));

    // What an icon script does, one id after another.
    QFile list(home.path() + "/ids.txt");
    if (!list.open(QIODevice::WriteOnly))
        return 1;
    list.write(idList.join('\n').toUtf8() + '\n');
    list.close();
    QDir(home.path()).mkpath("peer");
    const QString script = QStringLiteral(
        "while read id; do "
        "url=$(curl -s \"%1/lookup?id=$id&country=US\" | grep -o '\"artworkUrl512\":\"[^\"]*\"' "
        "| cut -d'\"' -f4 | sed 's/512x512/1024x1024/'); "
        "curl -s -o \"%2/$id.src.png\" \"$url\"; "
        "convert \"%2/$id.src.png\" \\( -size 1024x1024 xc:none -fill white "
        "-draw 'roundrectangle 0,0 1023,1023 512,512' \\) -compose DstIn -composite "
        "\"%2/$id.png\"; "
        "done < %3")
                               .arg(base, home.path() + "/peer", list.fileName());
    const Measured peer = measure({ "/bin/sh", "-c", script }, catalogue);
    printRow("curl + curl + convert loop", peer);

    Measured floor;
    floor.wallMs = floorMs;
    floor.ok = true;
    printRow("floor", floor);
    std::printf("\nfloor: encode CPU %.0f ms / %d cores = %.0f ms; transfer at 6 in flight %.0f "
                "ms\n",
        encodeMs, cores, encodeMs / cores, transferMs);
    std::printf("vellumar-cli: %.2f x the floor, %.1f x faster than the loop, %.1f MiB above idle, "
                "%lld catalogue calls\n",
        ours.wallMs / floorMs, peer.wallMs / ours.wallMs, ours.peakRssMiB - idle.peakRssMiB,
        qint64(ours.calls));
    return ours.ok && peer.ok ? 0 : 1;
}
