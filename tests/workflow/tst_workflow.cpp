// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FixtureCatalogue.h"
#include "TestEnvironment.h"
#include "catalogue/AppStoreAPI.h"
#include "catalogue/CataloguePacer.h"
#include "export/DesktopPhotoLibrary.h"
#include "store/HistoryManager.h"
#include "store/KeyValueStore.h"
#include "store/LocalizationManager.h"
#include "store/SettingsManager.h"
#include "workflow/AppDetailLoader.h"
#include "workflow/ApplicationContext.h"
#include "workflow/BatchSave.h"
#include "workflow/ContentViewModel.h"
#include "workflow/NewIconCheck.h"
#include "workflow/RegionComparison.h"

#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QStandardPaths>

#include <atomic>
#include <cerrno>

using namespace std::chrono_literals;
using Overlay = ContentViewModel::Overlay;

// Options, resolution, side of the icon requested and written, the file's name
// after the app's, a transparent pixel ((-1, -1): square), the 512 artwork's
// address (empty: the fixture's), the failure message (empty: saved).
using Save = std::tuple<QString, IconResolution, int, QString, QPoint, QString, QString>;
// Text, region, request line (empty: none), recorded, status line, region found.
using Outcome = std::tuple<QString, QString, QByteArray, bool, QString, QString>;

// The search model and the icon save flow against the fixture catalogue.
class tst_Workflow : public QObject
{
    Q_OBJECT

    FixtureCatalogue *catalogue = nullptr;
    std::unique_ptr<LocalizationManager> strings; // for the data functions
    std::unique_ptr<QTemporaryDir> storeFolder;
    std::unique_ptr<ApplicationContext> context;
    SettingsManager *settings = nullptr;

    static QDir photoFolder()
    {
        return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + "/Vellumar";
    }
    static QByteArray search(const QString &term, const QByteArray &country = "CN")
    {
        return "GET /search?term=" + term.toUtf8() + "&country=" + country + "&entity=software";
    }
    // Submits each term without waiting, then waits until the model is idle.
    static void submit(ContentViewModel &model, const QStringList &terms)
    {
        for (const QString &term : terms) {
            model.setSearchTerm(term);
            model.performSearch();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!model.isLoading(), 10000);
    }
    // Lantern Notes; with another 512 address also without the 100 one.
    AppItem lantern(const QString &artwork512 = {}, const QString &region = {}) const
    {
        const qint64 id = FixtureCatalogue::apps().at(0).trackId;
        return AppItem { id, QStringLiteral("Lantern Notes"),
            artwork512.isEmpty() ? catalogue->artworkUrl(id, "100x100") : QString(),
            artwork512.isEmpty() ? catalogue->artworkUrl(id, "512x512") : artwork512,
            region.isEmpty() ? std::nullopt : std::optional(region) };
    }

private slots:
    void initTestCase()
    {
        strings = std::make_unique<LocalizationManager>(Language::chinese);
        catalogue = new FixtureCatalogue(this);
    }

    void init()
    {
        QFile::remove(photoFolder().path());
        photoFolder().removeRecursively();
        catalogue->clearRequests();
        catalogue->undoChanges();
        // A store of its own, with both shapes true, as an older version may
        // have stored them.
        storeFolder = std::make_unique<QTemporaryDir>();
        const QString store = storeFolder->filePath("store.sqlite");
        for (const char *key : { "saveAsRounded", "saveAsSlightlyRounded" })
            QVERIFY(KeyValueStore(store).setBool(key, true));
        context = std::make_unique<ApplicationContext>(store);
        settings = &context->settings();
    }
    void cleanup() { context.reset(); }

    // The format and the resolution are read before the download, the rounding
    // after it. Options: J(PEG), R(ounded), S(lightly rounded), *: as stored,
    // M: a Mac app, whose artwork has a clear corner. Files are named in the
    // interface's language, Chinese here, with the size they have.
    void saves_data()
    {
        QTest::addColumn<Save>("save");
        const auto row = [](const char *name, const char *options, IconResolution resolution,
                             int side, const QString &file, QPoint clear = { -1, -1 },
                             const QString &url = {}, const QString &message = {}) {
            QTest::newRow(name) << Save { options, resolution, side, file, clear, url, message };
        };
        using enum IconResolution;
        const QString base = catalogue->baseUrl().toString(),
                      mac = base + "/art/mac-1/512x512bb.png";
        row("both stored: the full rounding wins", "*", size256, 256, "256 圆角.png", { 30, 30 });
        row("defaults: square PNG", "", size1024, 1024, "1024.png");
        // Radius 40.96: clear 2 px into a corner, opaque 40 px in.
        row("slightly rounded", "S", size512, 512, "512 轻微圆角.png", { 2, 2 });
        row("JPEG ignores size and rounding", "JR", size256, 1024, "原图.jpg");
        // Rounding turned on and the size changed while the bytes are on their way.
        row("changed in flight", "", size256, 256, "256 圆角.png", { 30, 30 });
        row("Mac: as its maker shaped it, never rounded", "MR", size512, 512, "512.png", { 1, 1 },
            mac);
        row("Mac original: the file as delivered", "MJ", size256, 1024, "原图.png", { 1, 1 }, mac);
        // An old record's address without a size: the artwork's own 512 px, or less when asked.
        for (const auto &[resolution, side] : { std::pair { size1024, 512 }, { size256, 256 } })
            row(qPrintable("no size in the address, " + QString::number(side)), "", resolution,
                side, QString::number(side) + ".png", { -1, -1 },
                base + "/art/1234567890123/artwork.png");
        row("HTML error page", "J", size256, 0, {}, { -1, -1 }, base + "/lookup?id=404",
            qtTrId("save_fail_message").arg(qtTrId("image_data_error")));
        // A file where the folder should be: the library cannot be written, and says why.
        row("no folder", "", size256, 0, {}, { -1, -1 }, {},
            qtTrId("save_fail_message").arg(qtTrId("error_not_a_folder")));
    }

    void saves()
    {
        QFETCH(Save, save);
        const auto &[options, resolution, side, file, clear, url, message] = save;
        const bool jpeg = options.contains('J'), mac = options.contains('M'),
                   inFlight = QTest::currentDataTag() == QByteArray("changed in flight");
        using Shape = IconSaveOptions::Shape;
        const Shape shape = options == "*" ? settings->saveOptions().shape
            : jpeg                         ? Shape::original
            : options.contains('R')        ? Shape::rounded
            : options.contains('S')        ? Shape::slightlyRounded
                                           : Shape::square;
        settings->setSaveOptions({ shape, resolution });
        const QString path = url.endsWith("/artwork.png")
            ? QUrl(url).path()
            : QStringLiteral("/art/%1/%2x%2bb.png").arg(mac ? "mac-1" : "1234567890123").arg(side);
        catalogue->setDelay(path, inFlight ? 800ms : 0ms);
        QFile blocker(photoFolder().path());
        QVERIFY(QTest::currentDataTag() != QByteArray("no folder")
            || blocker.open(QIODevice::WriteOnly));

        AppItem item = lantern(url);
        item.kind = mac ? "mac-software" : "software";
        IconSaveFlow flow;
        flow.setContext(*context);
        flow.saveIcon(item);
        if (inFlight) {
            QTRY_VERIFY(!catalogue->requestLines().isEmpty());
            settings->setSaveOptions({ IconSaveOptions::Shape::rounded, IconResolution::size512 });
        }
        QVERIFY(QTest::qWaitFor([&] { return flow.showingSaveAlert(); }, 15000));
        const bool saved = message.isEmpty();
        QCOMPARE(flow.saveAlertTitle() + '|' + flow.saveAlertMessage(),
            qtTrId(saved ? "success" : "error") + '|'
                + (!saved ? message
                          : qtTrId(jpeg ? "save_success_message_original"
                                  : mac ? "save_success_message_mac"
                                        : "save_success_message_icon")));
        QCOMPARE(
            context->history().loadHistory(), saved ? QList<AppItem> { item } : QList<AppItem> {});
        const QStringList files = photoFolder().entryList(QDir::Files);
        QCOMPARE(files, saved ? QStringList { "Lantern Notes " + file } : QStringList {});
        if (!saved)
            return;
        QCOMPARE(catalogue->requestLines(), QList<QByteArray> { "GET " + path.toLatin1() });
        QImageReader reader(photoFolder().filePath(files.first()));
        QCOMPARE(reader.format(), QByteArray(jpeg && !mac ? "jpeg" : "png"));
        const QImage photo = reader.read();
        QCOMPARE(photo.size(), QSize(side, side));
        QCOMPARE(qAlpha(photo.pixel(side / 2, 3)), 255);
        // A clear corner where rounded, an opaque one where square.
        QCOMPARE(
            qAlpha(photo.pixel(clear.x() < 0 ? QPoint(0, 0) : clear)), clear.x() < 0 ? 255 : 0);
        if (mac) { // never rounded; an original is the file as delivered
            QCOMPARE(qAlpha(photo.pixel(side - 1, 0)), 255);
            QCOMPARE(
                QImageReader(reader.fileName()).text("Comment"), jpeg ? "delivered artwork" : "");
        }
    }

    // What one submit leaves: the request, the term history, the status line,
    // the item a store link found (its region) and the overlay.
    void outcomes_data()
    {
        QTest::addColumn<Outcome>("outcome");
        const auto row
            = [](const char *name, const QString &text, const QByteArray &line, bool recorded,
                  const QString &status = {}, const char *found = "", const char *region = "CN") {
                  QTest::newRow(name) << Outcome { text, region, line, recorded, status, found };
              };
        const QByteArray lookup = "GET /lookup?id=1234567890123&country=";
        const QString linkFound = qtTrId("url_found_message"), empty = FixtureCatalogue::emptyTerm;
        const QString unknown = qtTrId("url_failure_message").arg(qtTrId("app_not_found"));
        row("hits", "lantern", search("lantern"), true);
        row("spaces only", "  \t ", {}, false, qtTrId("initial_search_message"));
        row("line break kept", " maps\n", search("maps%0A"), true);
        row("link with a region", "see https://apps.apple.com/jp/app/x/id1234567890123 now",
            lookup + "JP", false, linkFound, "JP", "FR");
        row("link without one", "https://itunes.apple.com/app/id1234567890123", lookup + "FR",
            false, linkFound, "FR", "FR");
        row("any case; the last /id on its line", "HTTPS://ITUNES.APPLE.COM/US/APP/id1/ID42\n/id7",
            "GET /lookup?id=42&country=US", false, unknown);
        for (const char16_t end : { u'\r', u'\u0085', u'\u2028', u'\u2029' })
            row(qPrintable(QStringLiteral("line end U+%1").arg(int(end), 4, 16, QChar(u'0'))),
                "apps.apple.com/app/x/id42" + QString(QChar(end)) + "/id7",
                "GET /lookup?id=42&country=CN", false, unknown);
        row("ASCII letters only", "apps.apple.com/ſK/app/id1",
            "GET /search?term=apps.apple.com/%C5%BFK/app/id1&country=CN&entity=software", true);
        for (const char *text : { "https://apps.apple.com/usa/app/x/id5",
                 "https://apps.apple.com/cn/developer/id5", "https://appsXapple.com/app/id5" })
            row(text, text, search(QString::fromLatin1(text)), true);
        // The whole text is searched, yet not recorded.
        const QString overlong = QStringLiteral("apps.apple.com/app/id99999999999999999999");
        row("id beyond 64 bits", overlong, search(overlong), false);
        row("Mac: a bundle id looked up, then searched", "com.lanternlabs.notes",
            "GET /search?term=com.lanternlabs.notes&country=CN&entity=macSoftware", true);
        row("no hits, known region", empty, search(empty), true,
            qtTrId("search_no_results_message").arg(qtTrId("country_name_cn"), empty));
    }

    void outcomes()
    {
        QFETCH(Outcome, outcome);
        const auto &[text, region, requestLine, recorded, status, found] = outcome;
        const bool mac = QByteArray(QTest::currentDataTag()).startsWith("Mac");
        settings->setPlatform(mac ? Platform::Mac : Platform::IPhone);
        ContentViewModel model(*context);
        model.setSelectedCountryCode(region);
        QSignalSpy loading(&model, &ContentViewModel::isLoadingChanged);
        QSignalSpy resets(model.searchResultsModel(), &QAbstractItemModel::modelReset);
        submit(model, { text });
        QCOMPARE(catalogue->lastRequestLine(), requestLine);
        QCOMPARE(model.searchResults().size() == 2, mac); // the app looked up, the Mac hit
        QCOMPARE(loading.isEmpty(), requestLine.isEmpty()); // a blank term does nothing at all
        QCOMPARE(model.searchHistory().size(), int(recorded));
        QCOMPARE(model.statusMessage(), status);
        QCOMPARE(model.searchResults().isEmpty(), !status.isEmpty());
        QCOMPARE(model.overlay(),
            status.isEmpty() || !found.isEmpty() ? Overlay::None : Overlay::Status);
        QCOMPARE(model.hasFoundAppItem(), !found.isEmpty());
        if (found.isEmpty())
            return;
        QCOMPARE(resets.count(), 1); // emptied at the start, never written by the lookup
        AppItem expected = lantern(lantern().artworkUrl512, found); // without the 100 artwork
        expected.kind = "software";
        expected.artistId = FixtureCatalogue::artistIdOf(expected.trackId);
        QCOMPARE(model.foundAppItemFromURL(), expected);
        QCOMPARE(model.foundAppItemRegion(), found);
        // An identifier the catalogue does not know keeps the item found before.
        submit(model, { QStringLiteral("https://apps.apple.com/app/id55") });
        QCOMPARE(model.foundAppItemFromURL(), expected);
    }

    // Each item saved as a single save would, then one summary; a cut-off picture
    // that declares 8000 x 8000 (within the pixel cap) still decodes, rounds and saves.
    void batchSaves()
    {
        const AppItem nowhere { 1, "Nowhere", {}, "http://127.0.0.1:1/512x512bb.png", {} };
        AppItem harbor = lantern();
        harbor.trackId = FixtureCatalogue::apps().at(1).trackId;
        settings->setSaveOptions(
            { IconSaveOptions::Shape::rounded, settings->saveOptions().resolution });
        BatchSave batch;
        batch.setContext(*context);
        QSignalSpy finished(&batch, &BatchSave::finished);
        batch.saveIcons(QVariantList { QVariant::fromValue(lantern()), QVariant::fromValue(nowhere),
            QVariant::fromValue(harbor),
            QVariant::fromValue(
                lantern(catalogue->baseUrl().toString() + "/art/special/huge/512x512bb.jpg")) });
        QVERIFY(batch.running() && finished.wait(90000));
        QCOMPARE(batch.completed(), 4);
        QCOMPARE(photoFolder().entryList(QDir::Files).size(), 3);
        QCOMPARE(context->history().loadHistory().size(), 2); // the last is Lantern again
        QCOMPARE(batch.saveAlertTitle() + '|' + batch.saveAlertMessage(),
            qtTrId("error") + '|' + qtTrId("batch_save_summary").arg("3", "4") + '\n'
                + qtTrId("batch_save_failure")
                      .arg("Nowhere", qtTrId("download_fail_message_icon")));
    }

    // Many at once: every file and history entry whatever order they end in, an image host's
    // 429 answered with a wait and fewer at once (never a failure), stale artwork looked up
    // again. Cancel lets the icons in flight end and starts no more; a full disk stops the
    // batch and keeps what was saved.
    void pipeline()
    {
        settings->setSaveOptions({ IconSaveOptions::Shape::rounded, IconResolution::size256 });
        const QString base = catalogue->baseUrl().toString();
        QList<AppItem> items;
        QStringList names;
        for (int n = 1; n <= 12; ++n) {
            const qint64 id = FixtureCatalogue::generatedId(n);
            const QString art = n % 3
                ? catalogue->artworkUrl(id, "512x512")
                : base + "/art/throttled-" + QString::number(id) + "/512x512bb.png";
            items.append({ id, "App " + QString::number(n), {}, art, "US" });
            names << items.last().trackName + " 256 圆角.png";
        }
        BatchSave batch;
        batch.setContext(*context);
        QSignalSpy finished(&batch, &BatchSave::finished), saved(&batch, &BatchSave::iconSaved);
        batch.saveIcons(items);
        QVERIFY(finished.wait(90000));
        QCOMPARE(saved.size(), 12);
        QCOMPARE(batch.saveAlertMessage(), qtTrId("batch_save_summary").arg("12", "12"));
        QStringList files = photoFolder().entryList(QDir::Files);
        files.sort();
        names.sort();
        QCOMPARE(files, names);
        QSet<qint64> remembered;
        for (const AppItem &item : context->history().loadHistory())
            remembered.insert(item.trackId);
        QCOMPARE(remembered.size(), 12);

        // Artwork that moved: one grouped lookup finds where it is now.
        photoFolder().removeRecursively();
        catalogue->clearRequests();
        batch.setRefreshesItems(true);
        QList<AppItem> stale = items.mid(0, 3);
        stale[0].artworkUrl512 = "http://127.0.0.1:1/512x512bb.png";
        batch.saveIcons(stale);
        QVERIFY(finished.wait(90000));
        QCOMPARE(photoFolder().entryList(QDir::Files).size(), 3);
        QCOMPARE(catalogue->requestLines().first(),
            "GET /lookup?id=3000000001,3000000002,3000000003&country=US");
        batch.setRefreshesItems(false);

        photoFolder().removeRecursively();
        batch.saveIcons(items);
        batch.cancel();
        QVERIFY(finished.wait(90000));
        QCOMPARE(batch.completed(), BatchSave::maxInFlight);
        QCOMPARE(photoFolder().entryList(QDir::Files).size(), BatchSave::maxInFlight);
        QCOMPARE(batch.saveAlertTitle(), qtTrId("batch_cancelled"));

        // The disk fills after two pictures, while six are in flight.
        struct FullDisk : DesktopPhotoLibrary
        {
            using DesktopPhotoLibrary::DesktopPhotoLibrary;
            std::atomic<int> room = 2;
            Result<QString> addPhoto(const QByteArray &bytes, const QString &title) override
            {
                if (room-- <= 0)
                    return Error::fromErrno(ENOSPC, folder());
                return DesktopPhotoLibrary::addPhoto(bytes, title);
            }
        };
        photoFolder().removeRecursively();
        context->setPhotoLibrary(std::make_shared<FullDisk>(photoFolder().path()));
        batch.saveIcons(items);
        QVERIFY(finished.wait(90000));
        QCOMPARE(photoFolder().entryList(QDir::Files).size(), 2);
        QVERIFY(batch.completed() < 12);
        QVERIFY2(batch.saveAlertMessage().startsWith(
                     qtTrId("batch_stopped_summary").arg("2", "12") + '\n'),
            qPrintable(batch.saveAlertMessage()));
        QVERIFY(batch.saveAlertMessage().contains(qtTrId("error_disk_full")));
    }

    // The history checked for new icons: 250 apps saved in two regions take three grouped
    // lookups. Two changed icons and an app gone (no failure); the saved file stands for the
    // saved icon while it is there. Saving the new icons writes them and puts their artwork in
    // the history, each entry in its place. A catalogue out of reach is a failure that
    // changes nothing, and the check of the day stays due.
    void newIcons()
    {
        const auto generated = [this](int n) {
            const qint64 id = FixtureCatalogue::generatedId(n);
            return AppItem { id, "Generated App " + QString::number(n),
                catalogue->artworkUrl(id, "100x100"), catalogue->artworkUrl(id, "512x512"),
                n <= 150 ? "US" : "JP" };
        };
        QJsonArray stored;
        for (int n = 1; n <= 250; ++n)
            stored.append(generated(n).toJson());
        QVERIFY(context->store().setData("DownloadHistory", QJsonDocument(stored).toJson()));
        settings->setChecksForNewIcons(true);
        NewIconCheck check;
        check.setContext(*context);
        QSignalSpy finished(&check, &NewIconCheck::finished);
        QVERIFY(check.isDue());
        check.check();
        QVERIFY(check.running() && finished.wait(30000));
        QVERIFY(check.changes().isEmpty() && check.gone().isEmpty() && check.failure().isEmpty());
        QCOMPARE(catalogue->requestLines().size(), 3);
        QVERIFY(!check.isDue());

        catalogue->changeArtwork(FixtureCatalogue::generatedId(2));
        catalogue->changeArtwork(FixtureCatalogue::generatedId(200));
        catalogue->withdraw(FixtureCatalogue::generatedId(3));
        QVERIFY(photoFolder().mkpath("."));
        const QString savedFile = photoFolder().filePath("Generated App 2 1024 圆角.png");
        QImage picture(8, 8, QImage::Format_ARGB32);
        picture.fill(Qt::green);
        QVERIFY(picture.save(savedFile));
        check.check();
        QVERIFY(finished.wait(30000));
        QCOMPARE(check.changes().size(), 2);
        const NewIconCheck::Change &first = check.changes().first();
        QCOMPARE(first.saved, generated(2));
        QCOMPARE(first.current.artworkUrl512,
            catalogue->baseUrl().toString() + "/art/3000000002-v1/512x512bb.png");
        QCOMPARE(first.savedFile, savedFile);
        QCOMPARE(check.changes().last().current.trackId, FixtureCatalogue::generatedId(200));
        QCOMPARE(check.changes().last().savedFile, QString());
        QCOMPARE(check.gone().size(), 1);
        QCOMPARE(check.gone().first().trackId, FixtureCatalogue::generatedId(3));
        QVERIFY(check.failure().isEmpty());

        QSignalSpy saved(check.batch(), &BatchSave::finished);
        check.saveNewIcons();
        QVERIFY(saved.wait(30000));
        QCOMPARE(photoFolder().entryList(QDir::Files).size(), 3);
        QVERIFY(check.changes().isEmpty());
        const QList<AppItem> history = context->history().loadHistory();
        QCOMPARE(history.size(), 250);
        QCOMPARE(history.at(1).artworkUrl512,
            catalogue->baseUrl().toString() + "/art/3000000002-v1/512x512bb.png");
        QCOMPARE(history.at(199).trackId, FixtureCatalogue::generatedId(200));
        QVERIFY(history.at(199).artworkUrl512.contains("-v1/"));
        QCOMPARE(history.at(2), generated(3)); // gone, and kept as it was

        // Nothing answers: every app is a failure, none is changed or gone.
        catalogue->changeArtwork(FixtureCatalogue::generatedId(4));
        QVERIFY(context->store().removeObject("lastNewIconCheck"));
        qputenv("VELLUMAR_CATALOGUE_URL", "http://127.0.0.1:1");
        NewIconCheck unreachable;
        unreachable.setContext(*context);
        QSignalSpy ended(&unreachable, &NewIconCheck::finished);
        unreachable.check();
        const bool checked = ended.wait(30000);
        qputenv("VELLUMAR_CATALOGUE_URL", catalogue->baseUrl().toString().toUtf8());
        QVERIFY(checked);
        QVERIFY(unreachable.changes().isEmpty() && unreachable.gone().isEmpty());
        QVERIFY2(unreachable.failure().startsWith(qtTrId("new_icons_check_failed", 250).arg("")),
            qPrintable(unreachable.failure()));
        QVERIFY(unreachable.isDue());
    }

    // One lookup a region, in the remembered regions' order: icons grouped by address and by
    // pixels (each address downloaded once), a region without the app apart, a failed lookup
    // with its reason while the rest go on. A choice of regions is remembered, unknown codes
    // left out. A cancel asks nothing more and keeps what was found.
    void comparesIconsAcrossRegions()
    {
        const auto asked = [this](const char *kind) {
            QList<QByteArray> lines = catalogue->requestLines();
            lines.removeIf([kind](const QByteArray &line) { return !line.startsWith(kind); });
            return lines;
        };
        const auto lookups = [](const QStringList &regions) {
            QList<QByteArray> lines;
            for (const QString &region : regions)
                lines << "GET /lookup?id=1000000888&country=" + region.toLatin1();
            return lines;
        };
        const auto grouped = [](const RegionComparison &comparison) {
            QStringList icons;
            for (const RegionComparison::Icon &icon : comparison.icons())
                icons << icon.regions.join(',');
            return icons;
        };
        RegionComparison comparison;
        comparison.setContext(*context);
        QSignalSpy finished(&comparison, &RegionComparison::finished);
        const AppItem atlas { FixtureCatalogue::regionalId, {}, {}, {}, {} };
        comparison.start(atlas);
        QVERIFY(comparison.running() && finished.wait(20000));
        QCOMPARE(asked("GET /lookup"), lookups(SettingsManager::defaultComparedRegions));
        QCOMPARE(asked("GET /art/").size(), 3);
        QCOMPARE(grouped(comparison), (QStringList { "US,CN,GB,KR,DE,CA,AU,TW", "JP" }));
        QCOMPARE(comparison.icons()[0].artworkUrls.size(), 2); // the KR address's pixels
        const AppItem japan = comparison.icons()[1].item;
        QVERIFY(japan.countryCode == "JP" && japan.artworkUrl512.contains("/1000000888-jp/"));
        QCOMPARE(comparison.notSoldInRegions(), QStringList { "FR" });
        QVERIFY(comparison.failedRegions().isEmpty() && comparison.completed() == 10);

        for (const char *code : { "US", "IT", "CA", "AU", "TW", "DE" })
            comparison.toggleRegion(code);
        const QStringList chosen { "CN", "JP", "GB", "KR", "FR", "IT" };
        QCOMPARE(SettingsManager(context->store()).comparedRegions(), chosen);
        catalogue->clearRequests();
        comparison.start(atlas);
        QVERIFY(finished.wait(20000));
        QCOMPARE(asked("GET /lookup"), lookups(chosen));
        QCOMPARE(grouped(comparison), (QStringList { "CN,GB,KR", "JP" }));
        QCOMPARE(comparison.failedRegions().size(), 1);
        QCOMPARE(comparison.failedRegions()[0].region, "IT");
        QCOMPARE(comparison.failedRegions()[0].error.kind, Error::Kind::unreadableAnswer);
        settings->setComparedRegions({ "us", "ZZ", "JP", "JP", "KR" });
        QCOMPARE(SettingsManager(context->store()).comparedRegions(), (QStringList { "JP", "KR" }));

        // Cancelled once two regions have answered, then compared in KR alone: the lookups
        // of the cancelled run ended with the second.
        catalogue->clearRequests();
        connect(&comparison, &RegionComparison::progressChanged, &comparison, [&] {
            if (comparison.running() && comparison.completed() == 2)
                comparison.cancel();
        });
        comparison.start(FixtureCatalogue::regionalId, chosen);
        QVERIFY(finished.wait(20000));
        QVERIFY(!comparison.running());
        QCOMPARE(grouped(comparison), (QStringList { "CN", "JP" }));
        comparison.start(FixtureCatalogue::regionalId, { "KR" });
        QVERIFY(finished.wait(20000));
        QCOMPARE(asked("GET /lookup"), lookups({ "CN", "JP", "KR" }));
    }

    // A detail loader shows the iPad's screenshots for the iPad platform and for an app with no
    // others, and asks for the developer's other apps only once their section nears. Nothing
    // else is sent that nobody waits for: the lookup of a screen left while it waits for its
    // turn, the retries of a replaced search.
    void onlyWantedRequestsAreSent()
    {
        const qint64 notes = lantern().trackId,
                     ipadOnly = FixtureCatalogue::platformApps()[1].trackId;
        for (const auto &[id, platform, count, ipad] :
            { std::tuple { notes, Platform::IPhone, 5, 0 }, { notes, Platform::IPad, 1, 1 },
                { ipadOnly, Platform::IPhone, 2, 2 } }) {
            settings->setPlatform(platform);
            AppDetailLoader loader(*context);
            loader.setAppItem(AppItem { id, {}, {}, {}, {} });
            loader.setActive(true);
            QTRY_VERIFY(loader.hasDetailedInfo());
            QCOMPARE(loader.screenshotUrls().size(), count);
            QCOMPARE(
                loader.screenshotUrls().filter(id == notes ? "-ipad-" : "/shots/").size(), ipad);
            QVERIFY(!catalogue->lastRequestLine().contains("&entity=software"));
            loader.setDeveloperAppsWanted(true);
            QTRY_VERIFY(catalogue->lastRequestLine().contains("&entity=software"));
        }
        settings->setPlatform(Platform::IPhone);
        // Turns a twentieth of a second apart, the burst used up.
        CataloguePacer::setWaitUnit(20ms);
        while (context->catalogue().pacer().reserve(std::chrono::steady_clock::now()) == 0ms) { }
        catalogue->clearRequests();
        {
            AppDetailLoader left(*context);
            left.setAppItem(lantern());
            left.setActive(true);
        }
        ContentViewModel model(*context);
        catalogue->setDelay(FixtureCatalogue::rateLimitedTerm, 300ms);
        model.setSearchTerm(FixtureCatalogue::rateLimitedTerm);
        model.performSearch();
        QTRY_VERIFY(!catalogue->requestLines().isEmpty());
        catalogue->setDelay("harbor", 1s); // the replaced search's retries would come meanwhile
        submit(model, { QStringLiteral("harbor") });
        for (const QString &key : { QStringLiteral("harbor"), FixtureCatalogue::rateLimitedTerm })
            catalogue->setDelay(key, 0ms);
        CataloguePacer::setWaitUnit(1ms);
        QCOMPARE(catalogue->requestLines(),
            (QList<QByteArray> { search(FixtureCatalogue::rateLimitedTerm), search("harbor") }));
    }

    // The term is recorded trimmed before its request, and the spinner beats the
    // history panel. Whichever answer comes first, only the latest request's is
    // shown; a later twin of the dropped request answers after it. An emptied
    // term clears the results only once it stays empty.
    void onlyTheLatestRequestWrites()
    {
        for (const QString &delayed : { QStringLiteral("lantern"), QStringLiteral("harbor") }) {
            init();
            catalogue->setDelay(delayed, 700ms);
            ContentViewModel model(*context), witness(*context);
            QSignalSpy loading(&model, &ContentViewModel::isLoadingChanged);
            model.setSearchTerm(QStringLiteral("\u3000 lantern\t "));
            model.performSearch();
            QCOMPARE(model.searchHistory(), QStringList { QStringLiteral("lantern") });
            QCOMPARE(model.statusMessage(), qtTrId("searching"));
            model.setSearchTerm(QString());
            QCOMPARE(model.overlay(), Overlay::Loading);
            submit(model, { QStringLiteral("harbor") });
            submit(witness, { QStringLiteral("lantern") });
            catalogue->setDelay(delayed, 0ms);
            QCOMPARE(catalogue->requestLines().count(search(QStringLiteral("lantern"))), 2);
            QCOMPARE(model.searchResults().size(), 1);
            QCOMPARE(model.searchResults().first().trackName, QStringLiteral("Harbor Maps"));
            QCOMPARE(loading.count(), 3); // busy, busy, idle once
            model.setSearchTerm(QString());
            model.setSearchTerm(QStringLiteral("l"));
            QTRY_VERIFY(!model.findChild<QTimer *>()->isActive());
            QVERIFY(!model.searchResults().isEmpty());
            model.setSearchTerm(QString());
            QTRY_VERIFY(model.searchResults().isEmpty());
        }
    }
};

VELLUMAR_TEST_MAIN(tst_Workflow)
#include "tst_workflow.moc"
