// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/AppStoreAPI.h"
#include "export/DesktopPhotoLibrary.h"
#include "store/Country.h"
#include "store/KeyValueStore.h"
#include "store/LocalizationManager.h"
#include "store/SettingsManager.h"
#include "workflow/AppStoreURLParser.h"
#include "workflow/ApplicationContext.h"
#include "workflow/BatchSave.h"
#include "workflow/NewIconCheck.h"
#include "workflow/RegionComparison.h"
#include "workflow/SaveManifest.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QCoroSignal>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QStringDecoder>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <unistd.h>
#include <variant>

namespace {

constexpr int someFailed = 1;
constexpr int usageError = 2;
constexpr int iconsChanged = 3; // watch: for a timer job to act on

// What one start asks for.
struct Request
{
    enum class Command { search, save, watch, regions };
    Command command = Command::search;
    QStringList queries; // the one search term, what to save, or the app to compare
    QString region;
    Platform platform = Platform::IPhone;
    bool json = false;
    IconSaveOptions options;
    QString output; // empty: the photo folder
    bool recordHistory = true;
    Language language = Language::english;
    QString searchTerm; // every hit of it is saved
    std::optional<qint64> developer; // every app of theirs is saved
    QString manifest;
    bool skipExisting = false;
    bool saveNewIcons = false; // watch --save
    QStringList problems; // lines of the query file that are no query, each a failure
    qint64 trackId = 0; // the app whose icons are compared
    QStringList regions; // where they are compared
};

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fflush(stream);
}

int usage(const QString &message)
{
    print(stderr,
        QStringLiteral("vellumar-cli: %1\nTry 'vellumar-cli --help' for more information.\n")
            .arg(message));
    return usageError;
}

// The queries of a file, one a line, after those of the command line. Blank
// lines are passed over and a query met before is saved once; a line that is
// no query (too long, or not text) is a failure of its own, and the rest go on.
void readQueries(QIODevice &file, const QString &name, Request &request)
{
    constexpr qsizetype longest = 4096; // far beyond any link, id or term
    QSet<QString> seen(request.queries.cbegin(), request.queries.cend());
    for (int number = 1; !file.atEnd(); ++number) {
        QByteArray line = file.readLine(longest + 2);
        // The rest of a longer line is read and dropped, a piece at a time.
        bool tooLong = line.size() > longest && !line.endsWith('\n');
        while (!line.endsWith('\n') && !file.atEnd()) {
            const QByteArray piece = file.readLine(64 * 1024);
            tooLong = tooLong || !piece.isEmpty();
            if (piece.endsWith('\n'))
                break;
        }
        const QString where = QStringLiteral("%1:%2: ").arg(name).arg(number);
        if (tooLong) {
            request.problems.append(
                where + QStringLiteral("longer than %1 characters; skipped.").arg(longest));
            continue;
        }
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = QString(utf8(line)).trimmed();
        const bool control = std::any_of(text.cbegin(), text.cend(),
            [](QChar c) { return c.category() == QChar::Other_Control; });
        if (utf8.hasError() || control) {
            request.problems.append(where + QStringLiteral("not text; skipped."));
            continue;
        }
        if (text.isEmpty())
            continue;
        if (seen.contains(text)) {
            print(stderr, where + QStringLiteral("%1 is asked for again; saved once.\n").arg(text));
            continue;
        }
        seen.insert(text);
        request.queries.append(text);
    }
}

// Reads the arguments; help, the version and mistakes are answered here, and
// the result is then the exit status.
std::variant<Request, int> parse(const QStringList &arguments, const SettingsManager &settings)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Searches the App Store and saves app icons as Vellumar does, without a window.\n\n"
        "  vellumar-cli search TERM [--region CC] [--platform P] [--json]\n"
        "  vellumar-cli save QUERY... [--region CC] [--platform P] [--size S] [--shape SHAPE]\n"
        "               [--output DIR] [--from FILE] [--search TERM] [--developer ID]\n"
        "               [--manifest FILE] [--skip-existing] [--no-history]\n"
        "  vellumar-cli watch [--save] [--json] [--size S] [--shape SHAPE] [--output DIR]\n"
        "  vellumar-cli regions ID [--regions CC,CC,...] [--json]\n\n"
        "A query is an app's id, its bundle id, a store link or a search term, whose first hit\n"
        "is saved. Ids and bundle ids are looked up up to 100 in one call, and several icons\n"
        "are saved at once. Saved files are printed on standard output, failures on standard\n"
        "error. Exit status: 0 when all was saved, 1 when something failed, 2 after a usage\n"
        "error.\n\n"
        "watch looks every app of the download history up again in the region it was saved\n"
        "from and prints a line for each whose icon changed; --save saves the new icons.\n"
        "Exit status: 0 when none changed, 3 when some did, 1 when some could not be checked\n"
        "or saved.\n\n"
        "regions looks the app with this id up in each region and prints each of its icons once,\n"
        "with the regions that show it, then the regions that do not sell it.\n"
        "Exit status: 0 when all was done, 1 when something failed."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption region(
        "region", "The store region, two letters such as US (default CN).", "CC", "CN");
    const QCommandLineOption platform(
        "platform", "iphone, ipad or mac (default: as chosen in Vellumar).", "P");
    const QCommandLineOption json("json",
        "search: the records as a JSON array; watch: one JSON object a line; regions: the "
        "icons as a JSON object.");
    const QCommandLineOption saveNew("save", "watch: save each new icon.");
    const QCommandLineOption compared("regions",
        "regions: where to look, such as US,JP,KR (default: as chosen in Vellumar).", "CC,CC");
    const QCommandLineOption size("size", "save: 256, 512 or 1024 (default: as saved).", "S");
    const QCommandLineOption shape("shape",
        "save: " + IconSaveOptions::shapeNames().join(", ") + " (default: as saved).", "SHAPE");
    const QCommandLineOption output("output", "save: into DIR, not the photo folder.", "DIR");
    const QCommandLineOption from(
        "from", "save: one query a line from FILE (- for standard input).", "FILE");
    const QCommandLineOption searchAll(
        "search", "save: every hit of a search for TERM, not only the first.", "TERM");
    const QCommandLineOption developer(
        "developer", "save: every app of the developer with this artistId.", "ID");
    const QCommandLineOption manifest("manifest",
        "save: a record of each icon in FILE (.csv, or .jsonl for JSON Lines), appended.", "FILE");
    const QCommandLineOption skipExisting("skip-existing",
        "save: leave out icons already in the output folder with the same artwork and options.");
    const QCommandLineOption noHistory("no-history", "save: leave the download history as it is.");
    const QCommandLineOption language(
        "language", "zh or en (default: as the terminal's locale).", "L");
    const QCommandLineOption verbose(
        "verbose", "Also the technical detail of each failure, on standard error.");
    parser.addOptions({ region, platform, json, saveNew, compared, size, shape, output, from,
        searchAll, developer, manifest, skipExisting, noHistory, language, verbose });
    parser.addPositionalArgument(
        "command", "search, save, watch or regions; then the term, the queries or the app id.");

    if (!parser.parse(arguments))
        return usage(parser.errorText());
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("vellumar-cli " VELLUMAR_VERSION "\n"));
        return 0;
    }

    Request request;
    request.queries = parser.positionalArguments();
    const QString command = request.queries.isEmpty() ? QString() : request.queries.takeFirst();
    static const QStringList commands { "search", "save", "watch",
        "regions" }; // in the order of Command
    if (!commands.contains(command))
        return usage("Give a command: search, save, watch or regions.");
    request.command = Request::Command(commands.indexOf(command));
    request.saveNewIcons = parser.isSet(saveNew);
    request.region = parser.value(region).toUpper();
    if (!countryForCode(request.region))
        return usage(QStringLiteral("'%1' is not a store region; give two letters such as US, "
                                    "CN or JP.")
                         .arg(parser.value(region)));
    request.platform = settings.platform();
    if (parser.isSet(platform)) {
        const std::optional<Platform> chosen = platformFromRawValue(parser.value(platform));
        if (!chosen)
            return usage("--platform takes iphone, ipad or mac.");
        request.platform = *chosen;
    }
    request.json = parser.isSet(json);
    request.options = settings.saveOptions();
    if (parser.isSet(size)) {
        const QString side = parser.value(size);
        const std::optional<IconResolution> chosen = iconResolutionFromRawValue(side + 'x' + side);
        if (!chosen)
            return usage("--size takes 256, 512 or 1024.");
        request.options.resolution = *chosen;
    }
    if (parser.isSet(shape)) {
        const std::optional<IconSaveOptions::Shape> chosen
            = IconSaveOptions::shapeNamed(parser.value(shape));
        if (!chosen)
            return usage("--shape takes one of " + IconSaveOptions::shapeNames().join(", ") + '.');
        request.options.shape = *chosen;
    }
    request.output = parser.value(output);
    request.recordHistory = !parser.isSet(noHistory);
    request.language = localeLanguage();
    if (parser.isSet(language)) {
        static const QStringList languages { "zh", "en" }; // in the order of Language
        const qsizetype chosen = languages.indexOf(parser.value(language));
        if (chosen < 0)
            return usage("--language takes zh or en.");
        request.language = Language(chosen);
    }
    if (parser.isSet(from)) {
        const QString path = parser.value(from);
        QFile file(path);
        if (!(path == "-" ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly)))
            return usage(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
        readQueries(file, path == "-" ? QStringLiteral("stdin") : path, request);
    }
    request.searchTerm = parser.value(searchAll).trimmed();
    if (parser.isSet(developer)) {
        bool number = false;
        request.developer = parser.value(developer).toLongLong(&number);
        if (!number || *request.developer <= 0)
            return usage("--developer takes a developer's artistId, a number.");
    }
    request.manifest = parser.value(manifest);
    request.skipExisting = parser.isSet(skipExisting);
    using enum Request::Command;
    if (request.command == regions) {
        bool number = false;
        request.trackId = request.queries.value(0).toLongLong(&number);
        if (request.queries.size() != 1 || !number || request.trackId <= 0)
            return usage("regions takes one app id, a number.");
        request.regions = settings.comparedRegions();
        if (parser.isSet(compared)) {
            request.regions.clear();
            for (const QString &code : parser.value(compared).split(u',')) {
                const QString upper = code.trimmed().toUpper();
                if (!countryForCode(upper))
                    return usage(QStringLiteral("'%1' is not a store region; give two-letter codes "
                                                "such as US,JP,KR.")
                                     .arg(code.trimmed()));
                if (!request.regions.contains(upper))
                    request.regions.append(upper);
            }
        }
        if (request.regions.isEmpty())
            return usage("No regions are chosen; give them with --regions CC,CC.");
        return request;
    }
    if (request.command == search && request.queries.size() != 1)
        return usage("search takes one term; quote a term of several words.");
    if (request.command == watch && !request.queries.isEmpty())
        return usage("watch takes no queries: it checks the download history.");
    if (request.command == save && request.queries.isEmpty() && request.problems.isEmpty()
        && request.searchTerm.isEmpty() && !request.developer)
        return usage("save takes at least one query, or --from FILE, --search TERM or "
                     "--developer ID.");
    return request;
}

// A hit as --json prints it, with the keys the README documents: each always
// there, null where the catalogue gave no value.
QJsonObject hitJson(const AppItem &hit, Platform searched, const QString &region)
{
    const auto text = [](const std::optional<QString> &value) {
        return value ? QJsonValue(*value) : QJsonValue();
    };
    return {
        { "trackId", hit.trackId },
        { "trackName", hit.trackName },
        { "bundleId", text(hit.bundleId) },
        { "artistId", hit.artistId ? QJsonValue(*hit.artistId) : QJsonValue() },
        { "artistName", text(hit.artistName) },
        { "version", text(hit.version) },
        { "platform", rawValue(hit.platform(searched)) },
        { "artworkUrl512", hit.artworkUrl512 },
        { "storeUrl", hit.appStoreUrl() },
        { "region", region },
    };
}

QCoro::Task<int> search(AppStoreAPI &catalogue, Request request)
{
    const Result<QList<AppItem>> hits
        = co_await catalogue.findApps(request.queries.first(), request.region, request.platform);
    if (!hits) {
        print(
            stderr, qtTrId("search_error_message").arg(hits.error().localizedDescription()) + '\n');
        co_return someFailed;
    }
    if (request.json) {
        QJsonArray records;
        for (const AppItem &hit : hits.value())
            records.append(hitJson(hit, request.platform, request.region));
        print(stdout, QString::fromUtf8(QJsonDocument(records).toJson()));
        co_return 0;
    }
    for (const AppItem &hit : hits.value()) {
        print(stdout,
            QStringLiteral("%1\t%2\t%3\n")
                .arg(QString::number(hit.trackId), hit.trackName, hit.artistNameText()));
    }
    co_return 0;
}

// The apps the request names, each carrying the region it was found in:
// every hit of --search, every app of --developer, then each query's app.
// Store links and ids are looked up in groups per region, bundle ids too;
// any other term is searched as on the search screen and its first hit taken.
// A query that finds nothing is a failure of its own. An app named twice is
// saved once.
QCoro::Task<QList<AppItem>> resolve(AppStoreAPI &catalogue, Request request,
    std::function<void(const QString &, const QString &)> fail)
{
    QList<AppItem> found;
    const auto take = [&found](AppItem item, const QString &region) {
        item.countryCode = region;
        found.append(std::move(item));
    };
    if (!request.searchTerm.isEmpty()) {
        const Result<QList<AppItem>> hits
            = co_await catalogue.findApps(request.searchTerm, request.region, request.platform);
        if (!hits)
            fail(request.searchTerm, hits.error().localizedDescription());
        for (const AppItem &hit : hits ? hits.value() : QList<AppItem>())
            take(hit, request.region);
    }
    if (request.developer) {
        const Result<QList<AppItem>> apps
            = co_await catalogue.developerApps(*request.developer, request.region);
        if (!apps || apps->isEmpty())
            fail(QString::number(*request.developer),
                apps ? qtTrId("app_not_found") : apps.error().localizedDescription());
        for (const AppItem &app : apps ? apps.value() : QList<AppItem>())
            take(app, request.region);
    }

    // Each query's place in the order given, by region and kind.
    struct Asked
    {
        QStringList values;
        QList<qsizetype> places;
    };
    QMap<QString, Asked> ids, bundleIds;
    QList<std::optional<AppItem>> named(request.queries.size());
    for (qsizetype place = 0; place < request.queries.size(); ++place) {
        const QString &query = request.queries.at(place);
        const std::optional<AppStoreURLParser::Link> link = AppStoreURLParser::parse(query);
        bool isLink = false;
        const qint64 id = link ? link->id.toLongLong(&isLink) : 0;
        if (isLink) {
            Asked &asked = ids[link->country ? link->country->toUpper() : request.region];
            asked.values.append(QString::number(id));
            asked.places.append(place);
        } else if (AppStoreAPI::directLookupUrl(query, request.region)) {
            const bool digits
                = std::all_of(query.cbegin(), query.cend(), [](QChar c) { return c.isDigit(); });
            Asked &asked = (digits ? ids : bundleIds)[request.region];
            asked.values.append(query);
            asked.places.append(place);
        } else {
            Result<QList<AppItem>> hits
                = co_await catalogue.findApps(query, request.region, request.platform);
            if (hits && hits->isEmpty())
                hits = Error { AppStoreAPI::errorDomain, AppStoreAPI::AppNotFound,
                    QStringLiteral("nothing found for ") + query, Error::Kind::notFound };
            if (hits) {
                named[place] = hits->first();
                named[place]->countryCode = request.region;
            } else {
                fail(query, hits.error().localizedDescription());
            }
        }
    }
    for (const bool byBundleId : { false, true }) {
        const QMap<QString, Asked> &groups = byBundleId ? bundleIds : ids;
        for (auto group = groups.cbegin(); group != groups.cend(); ++group) {
            QList<Result<AppItem>> apps;
            if (byBundleId) {
                apps = co_await catalogue.lookupBundleIds(group->values, group.key());
            } else {
                QList<qint64> numbers;
                for (const QString &value : group->values)
                    numbers.append(value.toLongLong());
                apps = co_await catalogue.lookupIds(numbers, group.key());
            }
            for (qsizetype i = 0; i < apps.size(); ++i) {
                const qsizetype place = group->places.at(i);
                if (apps[i]) {
                    named[place] = apps[i].value();
                    named[place]->countryCode = group.key();
                } else {
                    fail(request.queries.at(place), apps[i].error().localizedDescription());
                }
            }
        }
    }
    for (const std::optional<AppItem> &app : std::as_const(named)) {
        if (app)
            found.append(*app);
    }
    QSet<QPair<qint64, QString>> seen;
    found.removeIf([&seen](const AppItem &app) {
        const QPair<qint64, QString> key { app.trackId, app.countryCodeText() };
        if (seen.contains(key))
            return true;
        seen.insert(key);
        return false;
    });
    co_return found;
}

// The width of the PNG or JPEG picture at `path` (no other reader is asked),
// -1 when it is none.
int pictureWidth(const QString &path)
{
    QImageReader reader(path, path.endsWith(u".png") ? "png" : "jpeg");
    reader.setAutoDetectImageFormat(false);
    return reader.canRead() ? reader.size().width() : -1;
}

// Where an icon is already saved with these options, for --skip-existing: as
// the manifest records it (with the content it recorded), or else under the
// name its save would give it, as a whole picture of its size that no record
// gives to another icon.
std::optional<QString> alreadySaved(const AppItem &item, const IconSaveOptions &options,
    const DesktopPhotoLibrary &library, const SaveManifest *manifest)
{
    const QString artwork = item.iconUrl(options.downloadResolution()).value_or(QUrl()).toString();
    if (manifest) {
        if (const SaveManifest::Record *record = manifest->savedFrom(artwork, options.shapeName()))
            return record->file;
    }
    const bool original = options.shape == IconSaveOptions::Shape::original;
    const QString title = IconSaveFlow::iconTitle(item, options);
    for (const QString &extension : { QStringLiteral(".png"), QStringLiteral(".jpg") }) {
        const QString path = library.firstPathFor(title, extension);
        if (manifest && manifest->lists(path))
            continue;
        const int width = pictureWidth(path);
        if (width > 0 && (original || width == options.side()))
            return path;
    }
    return std::nullopt;
}

SaveManifest::Record manifestRecord(
    const AppItem &item, const IconSaveOptions &options, const QString &path, Platform platform)
{
    return { item.trackId, item.bundleId.value_or(QString()), item.trackName, item.artistNameText(),
        item.countryCodeText(), rawValue(item.platform(platform)), pictureWidth(path),
        options.shapeName(), path, SaveManifest::sha256Of(path),
        item.iconUrl(options.downloadResolution()).value_or(QUrl()).toString(),
        QDateTime::currentDateTimeUtc() };
}

// The folder the request saves into, made the context's photo library; none,
// after saying why, when it takes no files.
std::shared_ptr<DesktopPhotoLibrary> openLibrary(
    ApplicationContext &context, const Request &request)
{
    const auto library = request.output.isEmpty()
        ? std::make_shared<DesktopPhotoLibrary>()
        : std::make_shared<DesktopPhotoLibrary>(QDir(request.output).absolutePath());
    context.setPhotoLibrary(library);
    if (const Result<void> allowed = library->requestAddOnlyAuthorization(); !allowed) {
        print(stderr,
            QStringLiteral("vellumar-cli: %1: %2\n")
                .arg(PhotoLibrary::readable(library->folder()),
                    allowed.error().localizedDescription()));
        return nullptr;
    }
    return library;
}

// Saves through the batch save of the screens, with the options of the command line.
QCoro::Task<int> save(ApplicationContext &context, Request request)
{
    int failures = 0;
    const auto fail = [&failures](const QString &what, const QString &reason) {
        ++failures;
        print(stderr, qtTrId("batch_save_failure").arg(what, reason) + '\n');
    };
    for (const QString &problem : std::as_const(request.problems)) {
        ++failures;
        print(stderr, problem + '\n');
    }
    // A folder that takes nothing, or a manifest that cannot be written, ends
    // the run before the catalogue is asked anything.
    const std::shared_ptr<DesktopPhotoLibrary> library = openLibrary(context, request);
    if (!library)
        co_return someFailed;
    std::unique_ptr<SaveManifest> manifest;
    if (!request.manifest.isEmpty()) {
        Result<std::unique_ptr<SaveManifest>> opened = SaveManifest::open(request.manifest);
        if (!opened) {
            print(stderr, QStringLiteral("vellumar-cli: %1\n").arg(opened.error().detail));
            co_return someFailed;
        }
        manifest = std::move(opened).value();
    }

    const QList<AppItem> items = co_await resolve(context.catalogue(), request, fail);
    BatchSave batch;
    batch.setContext(context);
    batch.setOptions(request.options);
    batch.setRecordsHistory(request.recordHistory);
    if (request.skipExisting) {
        batch.setAlreadySaved(
            [&library, &manifest](const AppItem &item, const IconSaveOptions &options) {
                return alreadySaved(item, options, *library, manifest.get());
            });
    }
    const auto done = [&](const AppItem &item, const QString &path) {
        print(stdout, path + '\n');
        if (!manifest || manifest->lists(path))
            return;
        const Result<void> recorded
            = manifest->append(manifestRecord(item, request.options, path, request.platform));
        if (!recorded)
            fail(item.trackName, recorded.error().localizedDescription());
    };
    QObject::connect(&batch, &BatchSave::iconSaved, done);
    QObject::connect(&batch, &BatchSave::iconSkipped, done);
    QObject::connect(&batch, &BatchSave::iconFailed,
        [&fail](const AppItem &item, const QString &reason) { fail(item.trackName, reason); });
    if (::isatty(STDERR_FILENO)) {
        QObject::connect(&batch, &BatchSave::progressChanged, [&batch] {
            print(stderr, QStringLiteral("[%1/%2]\n").arg(batch.completed()).arg(batch.total()));
        });
    }
    // Connected before the start: an empty batch ends at once.
    auto finished = qCoro(&batch, &BatchSave::finished);
    batch.saveIcons(items);
    co_await finished;
    // Stopped by a failure every later save would meet: the first line of its summary.
    if (batch.completed() < batch.total()) {
        ++failures;
        print(stderr, batch.saveAlertMessage().section(u'\n', 0, 0) + '\n');
    }
    co_return failures > 0 ? someFailed : 0;
}

// Checks the download history for new icons, as the history screen does; a
// line for each app whose icon changed, once the new ones are saved if asked.
QCoro::Task<int> watch(ApplicationContext &context, Request request)
{
    if (request.saveNewIcons && !openLibrary(context, request))
        co_return someFailed;
    NewIconCheck check;
    check.setContext(context);
    co_await check.checkNow();
    int failures = 0;
    if (!check.failure().isEmpty()) {
        ++failures;
        print(stderr, check.failure() + '\n');
    }
    for (const AppItem &gone : check.gone())
        print(stderr, qtTrId("new_icons_app_gone_line").arg(gone.trackName) + '\n');
    const QList<NewIconCheck::Change> changes = check.changes();
    QHash<qint64, QString> files;
    if (request.saveNewIcons && !changes.isEmpty()) {
        BatchSave &batch = *check.batch();
        batch.setOptions(request.options);
        QObject::connect(
            &batch, &BatchSave::iconSaved, [&files](const AppItem &item, const QString &path) {
                files.insert(item.trackId, path);
            });
        QObject::connect(&batch, &BatchSave::iconFailed,
            [&failures](const AppItem &item, const QString &reason) {
                ++failures;
                print(stderr, qtTrId("batch_save_failure").arg(item.trackName, reason) + '\n');
            });
        auto finished = qCoro(&batch, &BatchSave::finished);
        check.saveNewIcons();
        co_await finished;
        if (batch.completed() < batch.total()) {
            ++failures;
            print(stderr, batch.saveAlertMessage().section(u'\n', 0, 0) + '\n');
        }
    }
    for (const NewIconCheck::Change &change : changes) {
        const AppItem &now = change.current;
        const QString file = files.value(now.trackId);
        if (request.json) {
            QJsonObject line { { "trackId", now.trackId }, { "trackName", now.trackName },
                { "region", now.countryCodeText() },
                { "savedArtworkUrl512", change.saved.artworkUrl512 },
                { "artworkUrl512", now.artworkUrl512 },
                { "file", file.isEmpty() ? QJsonValue() : QJsonValue(file) } };
            print(stdout,
                QString::fromUtf8(QJsonDocument(line).toJson(QJsonDocument::Compact)) + '\n');
        } else {
            print(stdout,
                QStringLiteral("%1\t%2\t%3\t%4\t%5%6\n")
                    .arg(QString::number(now.trackId), now.countryCodeText(), now.trackName,
                        change.saved.artworkUrl512, now.artworkUrl512,
                        file.isEmpty() ? QString() : u'\t' + file));
        }
    }
    co_return failures > 0 ? someFailed : changes.isEmpty() ? 0 : iconsChanged;
}

// Each icon once with its regions and address, then the regions without the app; a
// region whose lookup failed is a failure, and so is an app no region sells.
QCoro::Task<int> compareRegions(ApplicationContext &context, Request request)
{
    RegionComparison comparison;
    comparison.setContext(context);
    if (::isatty(STDERR_FILENO)) {
        QObject::connect(&comparison, &RegionComparison::progressChanged, [&comparison] {
            print(stderr,
                QStringLiteral("[%1/%2]\n").arg(comparison.completed()).arg(comparison.total()));
        });
    }
    auto finished = qCoro(&comparison, &RegionComparison::finished);
    comparison.start(request.trackId, request.regions);
    co_await finished;

    const QList<RegionComparison::Icon> &icons = comparison.icons();
    const QList<RegionComparison::Failure> &failures = comparison.failedRegions();
    for (const RegionComparison::Failure &failure : failures) {
        print(stderr,
            qtTrId("region_lookup_failure")
                    .arg(failure.region, failure.error.localizedDescription())
                + '\n');
    }
    if (icons.isEmpty() && failures.isEmpty())
        print(stderr,
            qtTrId("batch_save_failure")
                    .arg(QString::number(request.trackId), qtTrId("app_not_found"))
                + '\n');
    const QStringList &notSold = comparison.notSoldInRegions();
    if (request.json) {
        QJsonArray shown, failed;
        for (const RegionComparison::Icon &icon : icons) {
            shown.append(QJsonObject { { "regions", QJsonArray::fromStringList(icon.regions) },
                { "artworkUrl512", icon.artworkUrls.first() },
                { "artworkUrls", QJsonArray::fromStringList(icon.artworkUrls) } });
        }
        for (const RegionComparison::Failure &failure : failures)
            failed.append(QJsonObject {
                { "region", failure.region }, { "reason", failure.error.localizedDescription() } });
        const QJsonObject answer { { "trackId", request.trackId },
            { "trackName", icons.isEmpty() ? QJsonValue() : icons.first().item.trackName },
            { "icons", shown }, { "notSoldIn", QJsonArray::fromStringList(notSold) },
            { "failed", failed } };
        print(stdout, QString::fromUtf8(QJsonDocument(answer).toJson()));
    } else {
        for (const RegionComparison::Icon &icon : icons)
            print(stdout, icon.regions.join(u',') + '\t' + icon.artworkUrls.first() + '\n');
        if (!notSold.isEmpty())
            print(stdout, qtTrId("regions_not_sold_in").arg(notSold.join(u',')) + '\n');
    }
    co_return icons.isEmpty() || !failures.isEmpty() ? someFailed : 0;
}

QCoro::Task<> run(ApplicationContext &context, Request request)
{
    int status = 0;
    switch (request.command) {
    case Request::Command::search:
        status = co_await search(context.catalogue(), std::move(request));
        break;
    case Request::Command::save:
        status = co_await save(context, std::move(request));
        break;
    case Request::Command::watch:
        status = co_await watch(context, std::move(request));
        break;
    case Request::Command::regions:
        status = co_await compareRegions(context, std::move(request));
        break;
    }
    QCoreApplication::exit(status);
}

} // namespace

int main(int argc, char *argv[])
{
    // No window, so no display needed: images are decoded, rounded and
    // encoded without one.
    QCoreApplication app(argc, argv);
    // The application's own store, history and photo folder.
    QCoreApplication::setApplicationName(QStringLiteral("Vellumar"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELLUMAR_VERSION));

    // A script's reader gets the sentences; addresses and codes only on request. Every
    // category of ours, whatever its area, and before the store is first opened while the
    // options are read; QT_LOGGING_RULES still overrides this.
    if (!QCoreApplication::arguments().contains(QStringLiteral("--verbose")))
        QLoggingCategory::setFilterRules(QStringLiteral("vellumar*=false"));
    // Reasons in the terminal's language, not the one chosen in the window.
    ApplicationContext context(KeyValueStore::defaultFilePath(), localeLanguage());
    const auto parsed = parse(QCoreApplication::arguments(), context.settings());
    if (const int *status = std::get_if<int>(&parsed))
        return *status;
    const Request &request = std::get<Request>(parsed);
    context.localization().setCurrentLanguage(request.language);
    QTimer::singleShot(0, &app, [&context, request] { run(context, request); });
    return QCoreApplication::exec();
}
