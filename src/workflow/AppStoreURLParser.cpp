#include "AppStoreURLParser.h"

#include <QRegularExpression>

std::optional<AppStoreURLParser::Link> AppStoreURLParser::parse(const QString &urlString)
{
    // Either web host of the store, an optional region segment, the "app"
    // segment, then the identifier. The greedy middle makes the last "/id"
    // segment win when there are several.
    static const QRegularExpression pattern(
            QStringLiteral(R"((?:apps\.apple\.com|itunes\.apple\.com)/(?:([a-zA-Z]{2})/)?app(?:/.+)?/id([0-9]+))"),
            QRegularExpression::CaseInsensitiveOption);
    if (!pattern.isValid())
        return std::nullopt;

    const QRegularExpressionMatch match = pattern.match(urlString);
    if (!match.hasMatch() || !match.hasCaptured(2))
        return std::nullopt;

    Link link;
    link.id = match.captured(2);
    if (match.hasCaptured(1))
        link.country = match.captured(1);
    return link;
}
