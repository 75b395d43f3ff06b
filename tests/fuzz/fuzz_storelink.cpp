#include "workflow/AppStoreURLParser.h"

#include <algorithm>
#include <cstdint>

namespace {
bool only(const QString &text, bool (*accept)(char16_t))
{
    return std::all_of(text.cbegin(), text.cend(), [&](QChar c) { return accept(c.unicode()); });
}
} // namespace

// A store link found in any text: the identifier is ASCII digits and the
// region two ASCII letters, both as written in the text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<AppStoreURLParser::Link> link = AppStoreURLParser::parse(text);
    if (!link)
        return 0;
    const auto digit = [](char16_t c) {
        return c >= u'0' && c <= u'9';
    };
    const auto letter = [](char16_t c) {
        return (c | 0x20) >= u'a' && (c | 0x20) <= u'z';
    };
    if (link->id.isEmpty() || !only(link->id, digit)
        || !text.contains(QStringLiteral("/id") + link->id, Qt::CaseInsensitive)
        || (link->country
            && (link->country->size() != 2 || !only(*link->country, letter)
                || !text.contains(QLatin1Char('/') + *link->country + QLatin1Char('/')))))
        qFatal("Unexpected link parts");
    return 0;
}
