// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLine.h"

#include "store/Country.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr int usageError = 2;

void print(FILE *stream, const QString &text)
{
    std::fputs(qPrintable(text), stream);
    std::fflush(stream);
}

int fail(const QString &message)
{
    print(stderr,
        QStringLiteral("vellumar: %1\nTry 'vellumar --help' for more information.\n").arg(message));
    return usageError;
}

} // namespace

std::variant<StartRequest, int> CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Collects app icons from the App Store: search by term or open a store "
                       "link, then save an icon at 256, 512 or 1024 pixels.\n"
                       "A running Vellumar takes the request in its own window."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption region(QStringLiteral("region"),
        QStringLiteral("Searches the store region <code> (two letters, e.g. US or JP) from this "
                       "start on."),
        QStringLiteral("code"));
    parser.addOption(region);
    parser.addPositionalArgument(QStringLiteral("term-or-link"),
        QStringLiteral("A search term, or any text holding a store link such as "
                       "https://apps.apple.com/us/app/name/id1234567890 (its app opens)."),
        QStringLiteral("[term-or-link]"));

    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(help)) {
        // Read before any application object exists, Qt's usage line cannot name the program.
        print(stdout,
            parser.helpText().replace(
                QStringLiteral("<executable_name>"), QStringLiteral("vellumar")));
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout,
            QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion()
                + u'\n');
        return 0;
    }

    StartRequest request;
    if (parser.isSet(region)) {
        request.region = parser.value(region).toUpper();
        if (!countryForCode(request.region))
            return fail(QStringLiteral("'%1' is not a store region; give two letters such as US, "
                                       "CN or JP.")
                            .arg(parser.value(region)));
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1)
        return fail(QStringLiteral("One search term or link at most; quote a term of several "
                                   "words."));
    request.text = positional.value(0);
    return request;
}
