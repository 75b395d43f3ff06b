#include "TestEnvironment.h"

#include <QProcess>

#include <csignal>

// The real executable, started as a user would start it (offscreen here).
class tst_Application : public QObject
{
    Q_OBJECT
private slots:
    void opensItsWindowAndQuitsCleanlyOnRequest()
    {
        QProcess app;
        app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        app.start(QStringLiteral(VELLUMAR_EXECUTABLE), {});
        QVERIFY(app.waitForStarted());
        // The window is up once the event loop runs; give QML time to load, then
        // check the process is still alive before asking it to stop.
        QVERIFY(!app.waitForFinished(1500));
        ::kill(pid_t(app.processId()), SIGTERM);
        QVERIFY(app.waitForFinished(10000));
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.exitCode(), 0);
    }
};

VELLUMAR_TEST_MAIN(tst_Application)
#include "tst_application.moc"
