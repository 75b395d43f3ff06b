// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AppStoreURLParser.h"

// The rule: either web host of the store, "/", an optional two-letter region
// and "/", "app", then "/id" and digits, either at once or after "/" and more
// text on the same line; of several such "/id" the last on the line counts.
// ASCII letters match in any case. The first host that starts a link wins.
//
// A regular expression says this in one line, but backtracks through the rest
// of the line at every host it finds: quadratic in the text. This reads the
// text once, and the end of each line once.

namespace {

// ASCII letters in either case; no other letter folds to one of them.
bool sameLetter(QChar c, char lower)
{
    return c.unicode() < 0x80 && (c.unicode() | 0x20) == lower;
}

bool isLetter(QChar c)
{
    return c.unicode() < 0x80 && (c.unicode() | 0x20) >= 'a' && (c.unicode() | 0x20) <= 'z';
}

// What ends a line for the rule: LF, VT, FF, CR, NEL and the Unicode line and
// paragraph separators.
bool isLineEnd(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x0a && u <= 0x0d) || u == 0x85 || u == 0x2028 || u == 0x2029;
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Whether `word` (lower case, with its punctuation) stands at `at`.
bool startsWith(QStringView text, qsizetype at, QLatin1StringView word)
{
    if (at < 0 || text.size() - at < word.size())
        return false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char w = word[i].toLatin1();
        if (w >= 'a' && w <= 'z' ? !sameLetter(text[at + i], w) : text[at + i] != QLatin1Char(w))
            return false;
    }
    return true;
}

bool isIdAt(QStringView text, qsizetype at)
{
    return startsWith(text, at, QLatin1StringView("/id")) && at + 3 < text.size()
        && isDigit(text[at + 3]);
}

} // namespace

std::optional<AppStoreURLParser::Link> AppStoreURLParser::parse(const QString &urlString)
{
    const QStringView text(urlString);
    qsizetype lineEnd = -1; // of the line the last host was on
    qsizetype lastId = -1; // the last "/id" and digit on that line, or -1
    for (qsizetype at = 0; at < text.size(); ++at) {
        qsizetype next = -1;
        for (const char *host : { "apps.apple.com/", "itunes.apple.com/" }) {
            if (startsWith(text, at, QLatin1StringView(host)))
                next = at + qsizetype(qstrlen(host));
        }
        if (next < 0)
            continue;
        std::optional<QString> country;
        if (next + 2 < text.size() && isLetter(text[next]) && isLetter(text[next + 1])
            && text[next + 2] == u'/') {
            country = text.mid(next, 2).toString();
            next += 3;
        }
        if (!startsWith(text, next, QLatin1StringView("app")))
            continue;
        const qsizetype appEnd = next + 3;
        if (appEnd > lineEnd) {
            lineEnd = appEnd;
            while (lineEnd < text.size() && !isLineEnd(text[lineEnd]))
                ++lineEnd;
            lastId = -1;
            for (qsizetype i = lineEnd - 4; i >= appEnd && lastId < 0; --i)
                lastId = isIdAt(text, i) ? i : -1;
        }
        qsizetype id = -1;
        if (appEnd < text.size() && text[appEnd] == u'/' && lastId >= appEnd + 2)
            id = lastId;
        else if (isIdAt(text, appEnd))
            id = appEnd;
        if (id < 0)
            continue;
        qsizetype digitsEnd = id + 3;
        while (digitsEnd < text.size() && isDigit(text[digitsEnd]))
            ++digitsEnd;
        return Link { text.mid(id + 3, digitsEnd - id - 3).toString(), country };
    }
    return std::nullopt;
}
