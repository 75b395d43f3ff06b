#include "TestEnvironment.h"

#include <QProcess>
#include <QStandardPaths>

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
        // The window's screens open the store, so once it exists the process
        // is past its set-up; it must still be running before it is asked to stop.
        const QString store = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
            + QStringLiteral("/store.sqlite");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(store), 10000);
        QCOMPARE(app.state(), QProcess::Running);
        ::kill(pid_t(app.processId()), SIGTERM);
        QVERIFY(app.waitForFinished(10000));
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.exitCode(), 0);
    }
};

VELLUMAR_TEST_MAIN(tst_Application)
#include "tst_application.moc"
