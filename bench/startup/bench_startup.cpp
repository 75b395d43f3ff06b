// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up time: from process start until the first frame of the search
// screen has been rendered (offscreen), in Chinese and in English, against
// the same measure for a bare Qt Quick window with one label built the same
// way. Prints the medians and the peak memory of each.
//   bench_startup [runs]   (default 31: start-up times on a shared machine are noisy)

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Run
{
    double milliseconds = 0;
    long peakKiB = 0;
};

// Starts `program` with its own home and waits for its first-frame line.
std::optional<Run> startOnce(
    const char *program, const QString &home, const char *argument = nullptr)
{
    int fds[2];
    if (pipe(fds) != 0)
        return std::nullopt;
    QElapsedTimer clock;
    clock.start();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        const QByteArray root = QFile::encodeName(home);
        setenv("HOME", root.constData(), 1);
        setenv("XDG_DATA_HOME", (root + "/.local/share").constData(), 1);
        setenv("XDG_CONFIG_HOME", (root + "/.config").constData(), 1);
        setenv("XDG_CACHE_HOME", (root + "/.cache").constData(), 1);
        setenv("XDG_RUNTIME_DIR", (root + "/run").constData(), 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execl(program, program, argument, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string output;
    char buffer[256];
    ssize_t got = 0;
    double milliseconds = -1;
    while ((got = read(fds[0], buffer, sizeof buffer)) > 0) {
        output.append(buffer, size_t(got));
        if (milliseconds < 0 && output.find("first-frame\n") != std::string::npos)
            milliseconds = clock.nsecsElapsed() / 1e6;
    }
    close(fds[0]);
    int status = 0;
    rusage usage {};
    wait4(pid, &status, 0, &usage);
    if (milliseconds < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return Run { milliseconds, usage.ru_maxrss };
}

template<typename T>
T median(QList<T> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 31;
    struct Probe
    {
        const char *label;
        const char *program;
        const char *language; // stored by the unmeasured first start; none for the bare window
        QString home;
        QList<double> times;
        QList<long> peaks;
    };
    Probe probes[] = {
        { "bare Qt Quick window", VELLUMAR_PROBE_BARE, nullptr, {}, {}, {} },
        { "Vellumar, Chinese", VELLUMAR_PROBE_APPLICATION, "zh-Hans", {}, {}, {} },
        { "Vellumar, English", VELLUMAR_PROBE_APPLICATION, "en", {}, {}, {} },
    };

    QTemporaryDir homes;
    for (Probe &probe : probes) {
        probe.home = homes.filePath(QString::fromLatin1(probe.label));
        QDir().mkpath(probe.home + QStringLiteral("/run"));
        QFile::setPermissions(probe.home + QStringLiteral("/run"),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        // One unmeasured start creates the store and warms the file cache.
        if (!startOnce(probe.program, probe.home, probe.language)) {
            std::fprintf(stderr, "%s did not render a frame\n", probe.label);
            return 1;
        }
    }
    // Alternate them, so that drift in machine load hits all alike.
    for (int i = 0; i < runs; ++i) {
        for (Probe &probe : probes) {
            const std::optional<Run> run = startOnce(probe.program, probe.home);
            if (!run) {
                std::fprintf(stderr, "%s failed\n", probe.label);
                return 1;
            }
            probe.times.append(run->milliseconds);
            probe.peaks.append(run->peakKiB);
        }
    }

    std::printf("start-up to first frame, offscreen, %d runs each (median)\n", runs);
    const double floor = median(probes[0].times);
    for (const Probe &probe : probes) {
        const double ratio = median(probe.times) / floor;
        std::printf("  %-22s %8.1f ms   peak memory %6.1f MiB", probe.label, median(probe.times),
            median(probe.peaks) / 1024.0);
        if (probe.language)
            std::printf(
                "   ratio %.2f (target at most 1.40): %s", ratio, ratio <= 1.4 ? "met" : "missed");
        std::printf("\n");
    }
    return 0;
}
