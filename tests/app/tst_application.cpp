#include "FixtureCatalogue.h"
#include "TestEnvironment.h"

#include <QProcess>
#include <QStandardPaths>

#include <csignal>

// The real executable, started as a user would start it (offscreen here).
class tst_Application : public QObject
{
    Q_OBJECT

    static void start(QProcess &app, const QStringList &arguments)
    {
        app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        app.start(QStringLiteral(VELLUMAR_EXECUTABLE), arguments);
        QVERIFY(app.waitForStarted());
    }

    static void finishes(QProcess &app, int exitCode)
    {
        QVERIFY(app.waitForFinished(20000));
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.exitCode(), exitCode);
    }

private slots:
    void opensItsWindowAndQuitsCleanlyOnRequest()
    {
        QProcess app;
        start(app, {});
        // The window's screens open the store, so once it exists the process
        // is past its set-up; it must still be running before it is asked to stop.
        const QString store = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
            + QStringLiteral("/store.sqlite");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(store), 10000);
        QCOMPARE(app.state(), QProcess::Running);
        ::kill(pid_t(app.processId()), SIGTERM);
        finishes(app, 0);
    }

    void answersOnTheTerminal_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("printed"); // on the standard output if 0, else on errors
        const auto row = [](const char *name, const QStringList &arguments, int exitCode,
                             const QByteArray &printed) {
            QTest::newRow(name) << arguments << exitCode << printed;
        };
        row("version", { "--version" }, 0, "Vellumar " VELLUMAR_VERSION "\n");
        row("help", { "--help" }, 0, "--region <code>");
        row("unknown option", { "--bogus" }, 2, "Unknown option 'bogus'");
        row("unknown region", { "--region", "XX", "maps" }, 2, "'XX' is not a store region");
        row("region without code", { "--region" }, 2, "Missing value after '--region'");
        row("two terms", { "harbor", "maps" }, 2, "One search term or link at most");
    }
    void answersOnTheTerminal()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, printed);
        QProcess app;
        app.start(QStringLiteral(VELLUMAR_EXECUTABLE), arguments);
        finishes(app, exitCode);
        const QByteArray output
            = exitCode == 0 ? app.readAllStandardOutput() : app.readAllStandardError();
        QVERIFY2(output.contains(printed), output.constData());
    }

    // The first start searches its term in its region; a later start hands a
    // link to it and ends, and the window opens that app's detail screen. A
    // crashed window leaves its socket behind, which holds up no later start.
    void oneWindowTakesEveryStartsRequest()
    {
        FixtureCatalogue catalogue;
        QProcess first;
        start(first, { "--region", "us", "lantern" });
        QTRY_VERIFY_WITH_TIMEOUT(catalogue.requestLines().contains(
                                     "GET /search?term=lantern&country=US&entity=software"),
            20000);

        QProcess second;
        start(second, { "see https://apps.apple.com/jp/app/x/id1234567890123?l=en" });
        finishes(second, 0);
        // Looked up once to resolve the link, once more by the detail screen it opens.
        QTRY_COMPARE_WITH_TIMEOUT(
            catalogue.requestLines().count("GET /lookup?id=1234567890123&country=JP"), 2, 20000);
        QCOMPARE(first.state(), QProcess::Running);

        first.kill();
        QVERIFY(first.waitForFinished());
        QVERIFY(QFile::exists(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
            + QStringLiteral("/io.github.vellumar.Vellumar")));
        QProcess third;
        start(third, { "harbor" });
        QTRY_VERIFY_WITH_TIMEOUT(
            catalogue.requestLines().contains("GET /search?term=harbor&country=CN&entity=software"),
            20000);
        QProcess fourth; // reaches the third
        start(fourth, {});
        finishes(fourth, 0);
        ::kill(pid_t(third.processId()), SIGTERM);
        finishes(third, 0);
    }
};

VELLUMAR_TEST_MAIN(tst_Application)
#include "tst_application.moc"
