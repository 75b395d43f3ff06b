// Start-up time: from process start until the first frame of the search
// screen has been rendered (offscreen), against the same measure for a bare
// Qt Quick window with one label built the same way. Prints the medians and
// the peak memory of each.
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
std::optional<Run> startOnce(const char *program, const QString &home)
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
        execl(program, program, static_cast<char *>(nullptr));
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
    const char *programs[] = { VELLUMAR_PROBE_BARE, VELLUMAR_PROBE_APPLICATION };
    const char *labels[] = { "bare Qt Quick window", "Vellumar search screen" };

    QTemporaryDir homes;
    QList<double> times[2];
    QList<long> peaks[2];
    for (int probe = 0; probe < 2; ++probe) {
        const QString home = homes.filePath(QString::number(probe));
        QDir().mkpath(home + QStringLiteral("/run"));
        QFile::setPermissions(home + QStringLiteral("/run"),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        // One unmeasured start creates the store and warms the file cache.
        if (!startOnce(programs[probe], home)) {
            std::fprintf(stderr, "%s did not render a frame\n", programs[probe]);
            return 1;
        }
    }
    // Alternate the two, so that drift in machine load hits both alike.
    for (int i = 0; i < runs; ++i) {
        for (int probe = 0; probe < 2; ++probe) {
            const std::optional<Run> run
                = startOnce(programs[probe], homes.filePath(QString::number(probe)));
            if (!run) {
                std::fprintf(stderr, "%s failed\n", programs[probe]);
                return 1;
            }
            times[probe].append(run->milliseconds);
            peaks[probe].append(run->peakKiB);
        }
    }

    std::printf("start-up to first frame, offscreen, %d runs each (median)\n", runs);
    for (int probe = 0; probe < 2; ++probe)
        std::printf("  %-24s %8.1f ms   peak memory %7.1f MiB\n", labels[probe],
            median(times[probe]), median(peaks[probe]) / 1024.0);
    const double ratio = median(times[1]) / median(times[0]);
    std::printf("  ratio %.2f (target at most 1.40): %s\n", ratio, ratio <= 1.4 ? "met" : "missed");
    return 0;
}
