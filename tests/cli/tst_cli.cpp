#include "FixtureCatalogue.h"
#include "TestEnvironment.h"
#include "store/HistoryManager.h"
#include "store/LocalizationManager.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>

// Arguments, exit status, part of what standard output (status 0) or error
// holds, then the files in both folders and the entries of the history.
using Command = std::tuple<QStringList, int, QString, int, int>;

// vellumar-cli as a script runs it, against the fixture catalogue, in the
// test's home. The rows run in order, on the same files and history.
class tst_Cli : public QObject
{
    Q_OBJECT

    FixtureCatalogue catalogue;
    const QString out = TestEnvironment::home() + "/out";

private slots:
    void initTestCase() { LocalizationManager::shared(); } // the command line's language

    void commands_data()
    {
        QTest::addColumn<Command>("command");
        const auto row = [](const char *name, const QStringList &arguments, int status,
                             const QString &printed, int files = 0, int history = 0) {
            QTest::newRow(name) << Command { arguments, status, printed, files, history };
        };
        row("search", { "search", "lantern" }, 0, "1234567890123\tLantern Notes\tLantern Labs\n");
        row("json", { "search", "desk", "--platform", "mac", "--json" }, 0, "Lantern Desk");
        row("id, bundle id, term",
            { "save", "284910350", "com.lanternlabs.notes", "墨水", "--shape", "rounded", "--size",
                "256", "--output", out },
            0, out + "/Harbor Maps 256 rounded.png\n", 3, 3);
        row("one fails",
            { "save", "https://apps.apple.com/app/id55", "--from", "-", "--no-history" }, 1,
            qtTrId("app_not_found"), 4, 3);
        row("bad option", { "save", "--size", "300", "x" }, 2, "--size takes 256, 512 or 1024.", 4,
            3);
    }

    void commands()
    {
        QFETCH(Command, command);
        const auto &[arguments, status, printed, files, history] = command;
        QProcess cli;
        QSignalSpy finished(&cli, &QProcess::finished);
        cli.start(QStringLiteral(VELLUMAR_CLI), arguments);
        if (arguments.contains("-")) // blank lines skipped
            cli.write("\n1000000003\n\n");
        cli.closeWriteChannel();
        QVERIFY(finished.wait(30000));
        QCOMPARE(cli.exitCode(), status);
        const QString output = status ? cli.readAllStandardError() : cli.readAllStandardOutput();
        QVERIFY2(output.contains(printed), qPrintable(output));
        if (arguments.contains("--json"))
            QCOMPARE(QJsonDocument::fromJson(output.toUtf8())[0]["kind"], "mac-software");
        const QDir photos
            = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + "/Vellumar";
        QCOMPARE(
            photos.entryList(QDir::Files).size() + QDir(out).entryList(QDir::Files).size(), files);
        QCOMPARE(HistoryManager::shared()->loadHistory().size(), history);
    }
};

VELLUMAR_TEST_MAIN(tst_Cli)
#include "tst_cli.moc"
