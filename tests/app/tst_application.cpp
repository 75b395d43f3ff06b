// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FixtureCatalogue.h"
#include "TestEnvironment.h"
#include "store/HistoryManager.h"
#include "store/KeyValueStore.h"
#include "store/SettingsManager.h"

#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>

#include <csignal>

// Executable, arguments, exit status, part of what standard output (status 0) or
// error holds, then the files in both folders and the entries of the history.
using Command = std::tuple<QString, QStringList, int, QString, int, int>;

// The real executables, started as a user or a script would start them
// (offscreen here), against the fixture catalogue.
class tst_Application : public QObject
{
    Q_OBJECT

    FixtureCatalogue catalogue;
    const QString out = TestEnvironment::home() + "/out";

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
    // The first start searches its term in its region; a later start hands a link to it and
    // ends, and the window opens that app's detail screen. A crashed window leaves its socket
    // behind, which holds up no later start. A request to quit ends the window cleanly.
    void oneWindowTakesEveryStartsRequest()
    {
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

        // A region the command line would refuse is refused as it would be; a message declaring
        // 2 GiB and a silent connection are cut off at once and after a moment.
        QLocalSocket hostile, greedy, silent;
        for (QLocalSocket *socket : { &hostile, &greedy, &silent }) {
            socket->connectToServer(
                QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
                + QStringLiteral("/io.github.vellumar.Vellumar"));
            QVERIFY(socket->waitForConnected(5000));
        }
        QDataStream handOver(&hostile);
        handOver << QString("harbor") << QString("US&entity=x");
        greedy.write(QByteArray("\x7f\xff\xff\xfe", 4));
        for (QLocalSocket *socket : { &hostile, &greedy, &silent })
            QVERIFY(socket->waitForDisconnected(10000) && socket->readAll().isEmpty());
        first.kill();
        QVERIFY(first.waitForFinished());
        QVERIFY(QFile::exists(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
            + QStringLiteral("/io.github.vellumar.Vellumar")));
        const QString store = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
            + QStringLiteral("/store.sqlite");
        // Ended in the middle of its search, which must not hold up the end. Qt's network
        // teardown leaves the cut-off transfer's objects behind at exit: no leak check here.
        catalogue.setDelay(QStringLiteral("harbor"), std::chrono::minutes(1));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("ASAN_OPTIONS", environment.value("ASAN_OPTIONS") + ":detect_leaks=0");
        // An untouched window stores no geometry; one restored no lower than the window's least
        // height, or no larger than the screen (800 x 800 offscreen), remembers that at the end.
        for (const auto &[stored, remembered] : { std::pair { QString(), QString() },
                 { QStringLiteral("30 40 700 500 0"), QStringLiteral("30 40 700 520 0") },
                 { QStringLiteral("0 0 32767 32767 0"), QStringLiteral("2 2 800 800 0") } }) {
            if (!stored.isEmpty())
                QVERIFY(KeyValueStore(store).setString("WindowGeometry", stored));
            catalogue.clearRequests();
            QProcess third;
            third.setProcessEnvironment(environment);
            start(third, { "harbor" });
            QTRY_VERIFY_WITH_TIMEOUT(catalogue.requestLines().contains(
                                         "GET /search?term=harbor&country=CN&entity=software"),
                20000);
            QProcess fourth; // reaches the third
            start(fourth, {});
            finishes(fourth, 0);
            ::kill(pid_t(third.processId()), SIGTERM);
            finishes(third, 0);
            QCOMPARE(KeyValueStore(store).stringForKey("WindowGeometry").value_or(""), remembered);
        }
        // Without a private runtime folder the window runs alone, never with a socket in "/".
        const QString file = TestEnvironment::home() + "/not-a-folder";
        QVERIFY(QFile(file).open(QIODevice::WriteOnly));
        environment.insert("XDG_RUNTIME_DIR", file);
        environment.insert("TMPDIR", file);
        QProcess alone;
        alone.setProcessEnvironment(environment);
        start(alone, { "maps" });
        QTRY_VERIFY_WITH_TIMEOUT(
            catalogue.requestLines().contains("GET /search?term=maps&country=CN&entity=software"),
            20000);
        QVERIFY(!QFile::exists("/io.github.vellumar.Vellumar"));
        ::kill(pid_t(alone.processId()), SIGTERM);
        finishes(alone, 0);
    }

    // Both executables as a script runs them; rows run in order, on the same files and history.
    void commands_data()
    {
        QTest::addColumn<Command>("command");
        const auto row = [](const char *name, const QStringList &arguments, int status,
                             const QString &printed, int files = 0, int history = 0,
                             const char *program = VELLUMAR_CLI) {
            QTest::newRow(name) << Command { program, arguments, status, printed, files, history };
        };
        const char *app = VELLUMAR_EXECUTABLE;
        row("version", { "--version" }, 0, "Vellumar " VELLUMAR_VERSION "\n", 0, 0, app);
        row("unknown option", { "--bogus" }, 2, "Unknown option 'bogus'", 0, 0, app);
        row("unknown region", { "--region", "XX", "maps" }, 2, "'XX' is not a store region", 0, 0,
            app);
        row("two terms", { "harbor", "maps" }, 2, "One search term or link at most", 0, 0, app);
        row("search", { "search", "lantern" }, 0, "1234567890123\tLantern Notes\tLantern Labs\n");
        // All that --json prints for one app found: the keys the README lists.
        const auto found = [this](const FixtureCatalogue::App &app, const char *platform,
                               const char *region) {
            const QString id = QString::number(app.trackId), base = catalogue.baseUrl().toString();
            const QJsonObject hit { { "trackId", app.trackId }, { "trackName", app.trackName },
                { "bundleId", app.bundleId }, { "version", app.version }, { "region", region },
                { "artistId", FixtureCatalogue::artistIdOf(app.trackId) }, { "platform", platform },
                { "artistName", app.artistName },
                { "storeUrl", "https://apps.apple.com/app/id" + id },
                { "artworkUrl512",
                    base + (app.entity == "macSoftware" ? "/art/mac-" : "/art/") + id
                        + "/512x512bb.png" } };
            return QString::fromUtf8(QJsonDocument(QJsonArray { hit }).toJson());
        };
        row("json", { "search", "desk", "--platform", "mac", "--region", "us", "--json" }, 0,
            found(FixtureCatalogue::platformApps()[0], "mac", "US"));
        row("json, iPad", { "search", "maps", "--platform", "ipad", "--json" }, 0,
            found(FixtureCatalogue::platformApps()[1], "ipad", "CN"));
        // Failures print their sentences alone, in the terminal's language (not the window's:
        // nothing is stored, so Chinese); --verbose adds the technical lines.
        const QString link = "https://apps.apple.com/app/id55",
                      en = link + ": The app could not be found.\n",
                      zh = link + "：未找到该应用。\n";
        row("LC_ALL first", { "LC_ALL=C", "LANG=zh_CN", "save", link }, 1, en);
        row("LC_MESSAGES, then LANG",
            { "LC_ALL=", "LC_MESSAGES=zh_TW.UTF-8", "LANG=en_US", "save", link }, 1, zh);
        row("--language", { "LANG=en_US", "save", link, "--language", "zh" }, 1, zh);
        row("bad option", { "save", "--size", "300", "x" }, 2, "--size takes 256, 512 or 1024.");
        row("bad language", { "search", "x", "--language", "fr" }, 2, "--language takes zh or en.");
        row("search fails", { "search", "error-page" }, 1,
            "Search failed: The App Store sent an answer that could not be read.\n");
        row("--verbose", { "search", "error-page", "--verbose" }, 1,
            "/search?term=error-page&country=CN");
        row("folder unusable", { "save", "1000000003", "--output", "/dev/null" }, 1,
            "vellumar-cli: /dev/null: The folder for the pictures cannot be used: a file or a "
            "broken link is in its place.\n");
        row("id, bundle id, term",
            { "save", "284910350", "com.lanternlabs.notes", "墨水", "--shape", "rounded", "--size",
                "256", "--output", out },
            0, out + "/Harbor Maps 256 rounded.png\n", 3, 3);
        row("one fails", { "save", link, "--from", "-", "--no-history" }, 1, en, 4, 3);
        // A store that cannot be opened: the file is kept, and the missing entry is a failure.
        const QString broken = TestEnvironment::home() + "/broken";
        QVERIFY(QDir().mkpath(broken + "/Vellumar/store.sqlite"));
        row("history fails", { "XDG_DATA_HOME=" + broken, "save", "1000000003", "--output", out },
            1, "墨水日记: The icon was saved, but the download history could not be updated.\n", 5,
            3);
        // Each line that is no query says so; the others are saved.
        const QString queries = TestEnvironment::home() + "/queries.txt";
        QFile file(queries);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("284910350\n\n284910350\n" + QByteArray(10 << 20, 'x') + "\n\x01\xff\xfe\n\n");
        file.close();
        row("bad lines", { "save", "--from", queries, "--output", out, "--no-history" }, 1,
            queries + ":3: 284910350 is asked for again; saved once.\n" + queries
                + ":4: longer than 4096 characters; skipped.\n" + queries
                + ":5: not text; skipped.\n",
            6, 3);
        // Every hit of a search and every app of a developer; again, nothing is fetched twice.
        const QStringList bulk { "save", "--search", "harbor", "--developer", "900000123", "--size",
            "512", "--output", out, "--manifest", TestEnvironment::home() + "/m.jsonl",
            "--skip-existing" };
        row("search and developer", bulk, 0, out + "/Lantern Desk 512.png\n", 9, 4);
        row("all there already", bulk, 0, out + "/Lantern Desk 512.png\n", 9, 4);

        // An app's icons across regions, in those chosen in the window or those given.
        KeyValueStore store(KeyValueStore::defaultFilePath());
        SettingsManager(store).setComparedRegions({ "JP", "KR", "FR" });
        const QString atlas = "1000000888", art = catalogue.baseUrl().toString() + "/art/" + atlas,
                      usual = art + "/512x512bb.png", korean = usual + "?edge=kr",
                      japanese = art + "-jp/512x512bb.png";
        row("regions", { "regions", atlas }, 0,
            "JP\t" + japanese + "\nKR\t" + korean + "\nNot sold in: FR\n", 9, 4);
        const QJsonObject compared { { "trackId", FixtureCatalogue::regionalId },
            { "trackName", "Kite Atlas" },
            { "icons",
                QJsonArray { QJsonObject { { "regions", QJsonArray { "US", "KR" } },
                                 { "artworkUrl512", usual },
                                 { "artworkUrls", QJsonArray { usual, korean } } },
                    QJsonObject { { "regions", QJsonArray { "JP" } }, { "artworkUrl512", japanese },
                        { "artworkUrls", QJsonArray { japanese } } } } },
            { "notSoldIn", QJsonArray { "FR" } }, { "failed", QJsonArray {} } };
        row("regions as JSON", { "regions", atlas, "--regions", "us, kr,fr,JP,us", "--json" }, 0,
            QString::fromUtf8(QJsonDocument(compared).toJson()), 9, 4);
        row("a region fails", { "regions", atlas, "--regions", "US,IT" }, 1,
            "IT: The App Store sent an answer that could not be read.\n", 9, 4);
        row("not a region", { "regions", atlas, "--regions", "US,XX" }, 2,
            "'XX' is not a store region", 9, 4);
    }

    // A run killed with SIGKILL while icons are in flight, started again with the same
    // arguments, saves the rest: every icon once, whole, each with one record.
    void resumesAfterAKill()
    {
        const QString folder = TestEnvironment::home() + "/resume",
                      manifest = TestEnvironment::home() + "/resume.csv";
        QStringList arguments { "save", "--output", folder, "--manifest", manifest,
            "--skip-existing", "--no-history", "--size", "256" };
        for (int n = 1; n <= 8; ++n)
            arguments << QString::number(FixtureCatalogue::generatedId(n));
        // The last two hold back their pictures until the kill.
        for (const int n : { 7, 8 })
            catalogue.setDelay(
                QStringLiteral("/art/%1/256x256bb.png").arg(FixtureCatalogue::generatedId(n)),
                std::chrono::minutes(1));
        QProcess killed;
        killed.start(VELLUMAR_CLI, arguments);
        QTRY_COMPARE_WITH_TIMEOUT(QDir(folder).entryList(QDir::Files).size(), 6, 30000);
        // Both held-back requests recorded before the kill, so none is counted after it.
        const auto heldBack = [this] {
            const QList<QByteArray> asked = catalogue.requestLines();
            return std::count_if(asked.cbegin(), asked.cend(), [](const QByteArray &line) {
                return line.startsWith("GET /art/")
                    && (line.contains(QByteArray::number(FixtureCatalogue::generatedId(7)))
                        || line.contains(QByteArray::number(FixtureCatalogue::generatedId(8))));
            });
        };
        QTRY_COMPARE_WITH_TIMEOUT(heldBack(), 2, 30000);
        ::kill(pid_t(killed.processId()), SIGKILL);
        QVERIFY(killed.waitForFinished());
        catalogue.clearDelays();
        catalogue.clearRequests();

        QProcess again;
        QSignalSpy finished(&again, &QProcess::finished);
        again.start(VELLUMAR_CLI, arguments);
        QVERIFY(finished.wait(30000));
        QCOMPARE(again.exitCode(), 0);
        const QList<QByteArray> asked = catalogue.requestLines();
        QCOMPARE(std::count_if(asked.cbegin(), asked.cend(),
                     [](const QByteArray &line) { return line.startsWith("GET /art/"); }),
            2);
        QStringList names;
        for (int n = 1; n <= 8; ++n)
            names << QStringLiteral("Generated App %1 256.png").arg(n);
        QStringList files = QDir(folder).entryList(QDir::Files);
        files.sort();
        names.sort();
        QCOMPARE(files, names);
        QFile records(manifest);
        QVERIFY(records.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = records.readAll().trimmed().split('\n');
        QCOMPARE(lines.size(), 9);
        QCOMPARE(lines[0],
            "trackId,bundleId,name,developer,region,platform,size,shape,file,"
            "sha256,artworkUrl,time");
        QSet<QByteArray> recorded;
        for (const QByteArray &line : lines.mid(1)) {
            const QList<QByteArray> fields = line.split(',');
            QCOMPARE(fields.size(), 12);
            QFile saved(QString::fromUtf8(fields[8]));
            QVERIFY(saved.open(QIODevice::ReadOnly));
            QCOMPARE(QCryptographicHash::hash(saved.readAll(), QCryptographicHash::Sha256).toHex(),
                fields[9]);
            recorded.insert(fields[8]);
        }
        QCOMPARE(recorded.size(), 8);
    }

    void commands()
    {
        QFETCH(Command, command);
        const auto &[program, words, status, printed, files, history] = command;
        QProcess cli; // waited for with the event loop running, which the fixture answers in
        QSignalSpy finished(&cli, &QProcess::finished);
        QStringList arguments = words; // after leading NAME=value words, the only locale
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : { "LC_ALL", "LC_MESSAGES", "LANG" })
            environment.remove(name);
        for (; arguments.value(0).contains('='); arguments.removeFirst())
            environment.insert(arguments[0].section('=', 0, 0), arguments[0].section('=', 1));
        cli.setProcessEnvironment(environment);
        cli.start(program, arguments);
        if (arguments.contains("-")) // blank lines skipped
            cli.write("\n1000000003\n\n");
        cli.closeWriteChannel();
        QVERIFY(finished.wait(30000));
        QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
        QCOMPARE(cli.exitCode(), status);
        const QString output = status ? cli.readAllStandardError() : cli.readAllStandardOutput();
        const bool whole = status == 1 && !arguments.contains("--verbose"); // sentences alone
        QVERIFY2(whole ? output == printed : output.contains(printed), qPrintable(output));
        const QDir photos
            = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + "/Vellumar";
        QCOMPARE(
            photos.entryList(QDir::Files).size() + QDir(out).entryList(QDir::Files).size(), files);
        KeyValueStore store(KeyValueStore::defaultFilePath());
        QCOMPARE(HistoryManager(store).loadHistory().size(), history);
    }

    // A timer job's check for new icons: nothing changed, then one icon changed and an app
    // gone (told, no failure), printed as JSON, saved, and then nothing new again.
    void watches()
    {
        const qint64 harbor = FixtureCatalogue::apps().at(1).trackId;
        KeyValueStore store(KeyValueStore::defaultFilePath());
        QVERIFY(store.setData("DownloadHistory", "[]"));
        HistoryManager history(store);
        QVERIFY(history.addHistory({ 55, "Gone App", {}, catalogue.artworkUrl(55, "512x512"), "CN" }));
        QVERIFY(history.addHistory({ harbor, "Harbor Maps", catalogue.artworkUrl(harbor, "100x100"),
            catalogue.artworkUrl(harbor, "512x512"), "CN" }));
        struct Run
        {
            int status;
            QString printed, told;
        };
        const auto watch = [](const QStringList &options) {
            QProcess cli; // waited for with the event loop running, which the fixture answers in
            QSignalSpy finished(&cli, &QProcess::finished);
            cli.start(VELLUMAR_CLI, QStringList { "watch", "--language", "en" } + options);
            cli.closeWriteChannel();
            const int status = finished.wait(30000) ? cli.exitCode() : -1;
            return Run { status, cli.readAllStandardOutput(), cli.readAllStandardError() };
        };
        Run run = watch({});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.printed, QString());
        QCOMPARE(run.told, "Gone App is no longer in the App Store.\n");

        catalogue.changeArtwork(harbor);
        const QString now = catalogue.baseUrl().toString() + "/art/284910350-v1/512x512bb.png";
        run = watch({ "--json" });
        QCOMPARE(run.status, 3);
        const QJsonObject line = QJsonDocument::fromJson(run.printed.toUtf8()).object();
        QCOMPARE(line.value("trackId").toInteger(), harbor);
        QCOMPARE(line.value("region").toString(), "CN");
        QCOMPARE(line.value("savedArtworkUrl512").toString(), catalogue.artworkUrl(harbor, "512x512"));
        QCOMPARE(line.value("artworkUrl512").toString(), now);
        QVERIFY(line.value("file").isNull());

        const QString folder = TestEnvironment::home() + "/watched";
        run = watch({ "--save", "--size", "256", "--output", folder });
        QCOMPARE(run.status, 3);
        QCOMPARE(run.printed,
            QStringLiteral("%1\tCN\tHarbor Maps\t%2\t%3\t%4/Harbor Maps 256.png\n")
                .arg(harbor)
                .arg(catalogue.artworkUrl(harbor, "512x512"), now, folder));
        QCOMPARE(QImage(folder + "/Harbor Maps 256.png").width(), 256);
        QCOMPARE(history.loadHistory().first().artworkUrl512, now);
        run = watch({});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.printed, QString());
    }
};

VELLUMAR_TEST_MAIN(tst_Application)
#include "tst_application.moc"
