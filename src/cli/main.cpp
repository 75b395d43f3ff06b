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

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QCoroSignal>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <unistd.h>
#include <variant>

namespace {

constexpr int someFailed = 1;
constexpr int usageError = 2;

// What one start asks for.
struct Request
{
    bool save = false; // else a search
    QStringList queries; // the one search term, or what to save
    QString region;
    Platform platform = Platform::IPhone;
    bool json = false;
    IconSaveOptions options;
    QString output; // empty: the photo folder
    bool recordHistory = true;
    Language language = Language::english;
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

// Reads the arguments; help, the version and mistakes are answered here, and
// the result is then the exit status.
std::variant<Request, int> parse(const QStringList &arguments, const SettingsManager &settings)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Searches the App Store and saves app icons as Vellumar does, without a window.\n\n"
        "  vellumar-cli search TERM [--region CC] [--platform P] [--json]\n"
        "  vellumar-cli save QUERY... [--region CC] [--platform P] [--size S] [--shape SHAPE]\n"
        "               [--output DIR] [--from FILE] [--no-history]\n\n"
        "A query is an app's id, its bundle id, a store link or a search term, whose first hit\n"
        "is saved. Saved files are printed on standard output, failures on standard error.\n"
        "Exit status: 0 when all was saved, 1 when something failed, 2 after a usage error."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption region(
        "region", "The store region, two letters such as US (default CN).", "CC", "CN");
    const QCommandLineOption platform(
        "platform", "iphone, ipad or mac (default: as chosen in Vellumar).", "P");
    const QCommandLineOption json("json", "search: the records as a JSON array.");
    const QCommandLineOption size("size", "save: 256, 512 or 1024 (default: as saved).", "S");
    const QCommandLineOption shape("shape",
        "save: " + IconSaveOptions::shapeNames().join(", ") + " (default: as saved).", "SHAPE");
    const QCommandLineOption output("output", "save: into DIR, not the photo folder.", "DIR");
    const QCommandLineOption from(
        "from", "save: one query a line from FILE (- for standard input).", "FILE");
    const QCommandLineOption noHistory("no-history", "save: leave the download history as it is.");
    const QCommandLineOption language(
        "language", "zh or en (default: as the terminal's locale).", "L");
    const QCommandLineOption verbose(
        "verbose", "Also the technical detail of each failure, on standard error.");
    parser.addOptions(
        { region, platform, json, size, shape, output, from, noHistory, language, verbose });
    parser.addPositionalArgument("command", "search or save, then its term or queries.");

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
    if (command != "search" && command != "save")
        return usage("Give a command: search or save.");
    request.save = command == "save";
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
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            if (!line.isEmpty())
                request.queries.append(line);
        }
    }
    if (!request.save && request.queries.size() != 1)
        return usage("search takes one term; quote a term of several words.");
    if (request.save && request.queries.isEmpty())
        return usage("save takes at least one query, or --from FILE.");
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

// The app a query names: a store link, an id or a bundle id is looked up, any
// other term searched as on the search screen and its first hit taken. It
// carries the region it was found in.
QCoro::Task<Result<AppItem>> resolve(
    AppStoreAPI &catalogue, QString query, QString region, Platform platform)
{
    const std::optional<AppStoreURLParser::Link> link = AppStoreURLParser::parse(query);
    bool isLink = false;
    const qint64 id = link ? link->id.toLongLong(&isLink) : 0;
    if (isLink && link->country)
        region = link->country->toUpper();
    const std::optional<QUrl> lookup
        = isLink ? AppStoreAPI::lookupUrl(id, region) : AppStoreAPI::directLookupUrl(query, region);
    Result<QList<AppItem>> found = QList<AppItem>();
    if (isLink || lookup)
        found = co_await catalogue.lookupApps(lookup);
    else
        found = co_await catalogue.findApps(query, region, platform);
    if (!found)
        co_return found.error();
    if (found.value().isEmpty()) {
        co_return Error { AppStoreAPI::errorDomain, AppStoreAPI::AppNotFound,
            QStringLiteral("nothing found for ") + query, Error::Kind::notFound };
    }
    AppItem item = found.value().first();
    item.countryCode = region;
    co_return item;
}

// Saves through the batch save of the screens, with the options of the command line.
QCoro::Task<int> save(ApplicationContext &context, Request request)
{
    int failures = 0;
    const auto fail = [&failures](const QString &what, const QString &reason) {
        ++failures;
        print(stderr, qtTrId("batch_save_failure").arg(what, reason) + '\n');
    };
    QList<AppItem> items;
    for (const QString &query : std::as_const(request.queries)) {
        const Result<AppItem> item
            = co_await resolve(context.catalogue(), query, request.region, request.platform);
        if (item)
            items.append(item.value());
        else
            fail(query, item.error().localizedDescription());
    }

    if (!request.output.isEmpty())
        context.setPhotoLibrary(
            std::make_shared<DesktopPhotoLibrary>(QDir(request.output).absolutePath()));
    BatchSave batch;
    batch.setContext(context);
    batch.setOptions(request.options);
    batch.setRecordsHistory(request.recordHistory);
    QObject::connect(&batch, &BatchSave::iconSaved,
        [](const AppItem &, const QString &path) { print(stdout, path + '\n'); });
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
    co_return failures > 0 ? someFailed : 0;
}

QCoro::Task<> run(ApplicationContext &context, Request request)
{
    int status = 0;
    if (request.save)
        status = co_await save(context, std::move(request));
    else
        status = co_await search(context.catalogue(), std::move(request));
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
