#include "HistoryDocument.h"

#include <array>
#include <limits>

namespace HistoryDocument {
namespace {

// Well-formed UTF-8 as the JSON parser demands it: no overlong forms, no
// surrogates, nothing above U+10FFFF, no sequence cut short.
bool isValidUtf8(const uchar *s, const uchar *end)
{
    while (s < end) {
        const uchar lead = *s++;
        if (lead < 0x80)
            continue;
        int needed;
        char32_t least;
        char32_t code;
        if (lead < 0xc2)
            return false;
        if (lead < 0xe0) {
            needed = 1, least = 0x80, code = lead & 0x1f;
        } else if (lead < 0xf0) {
            needed = 2, least = 0x800, code = lead & 0x0f;
        } else if (lead < 0xf5) {
            needed = 3, least = 0x10000, code = lead & 0x07;
        } else {
            return false;
        }
        if (end - s < needed)
            return false;
        for (int k = 0; k < needed; ++k) {
            if ((s[k] & 0xc0) != 0x80)
                return false;
            code = (code << 6) | (s[k] & 0x3f);
        }
        s += needed;
        if (code < least || (code >= 0xd800 && code <= 0xdfff) || code > 0x10ffff)
            return false;
    }
    return true;
}

// The bytes a string of printable ASCII without escapes consists of: one
// lookup per byte finds where such a run ends.
constexpr std::array<bool, 256> plainAscii = [] {
    std::array<bool, 256> plain {};
    for (int c = 0x20; c < 0x80; ++c)
        plain[c] = c != '"' && c != '\\';
    return plain;
}();

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

enum Field : unsigned {
    TrackId = 1,
    TrackName = 2,
    ArtworkUrl100 = 4,
    ArtworkUrl512 = 8,
    CountryCode = 16,
    Required = TrackId | TrackName | ArtworkUrl100 | ArtworkUrl512,
};

// Reads the document front to back; every method returns false at the first
// thing it does not handle.
class Reader
{
public:
    explicit Reader(QByteArrayView document)
        : m_begin(document.data())
        , m_p(document.data())
        , m_end(document.data() + document.size())
    { }

    bool parse(Parsed *parsed)
    {
        if (!take('['))
            return false;
        skipSpace();
        if (m_p < m_end && *m_p == ']') {
            ++m_p;
        } else {
            do {
                skipSpace();
                const qsizetype begin = m_p - m_begin;
                AppItem item;
                if (!object(&item))
                    return false;
                parsed->items.append(std::move(item));
                parsed->spans.append({ begin, m_p - m_begin });
            } while (take(','));
            if (!take(']'))
                return false;
        }
        skipSpace();
        return m_p == m_end;
    }

private:
    void skipSpace()
    {
        while (m_p < m_end && (*m_p == ' ' || *m_p == '\n' || *m_p == '\r' || *m_p == '\t'))
            ++m_p;
    }

    bool take(char c)
    {
        skipSpace();
        if (m_p < m_end && *m_p == c) {
            ++m_p;
            return true;
        }
        return false;
    }

    bool object(AppItem *item)
    {
        if (!take('{'))
            return false;
        unsigned seen = 0;
        do {
            const Field field = key();
            if (!field || (seen & field) || !take(':'))
                return false;
            seen |= field;
            skipSpace();
            bool ok;
            switch (field) {
            case TrackId:
                ok = integer(&item->trackId);
                break;
            case TrackName:
                ok = string(&item->trackName);
                break;
            case ArtworkUrl100:
                ok = string(&item->artworkUrl100);
                break;
            case ArtworkUrl512:
                ok = string(&item->artworkUrl512);
                break;
            default:
                if (m_end - m_p >= 4 && QByteArrayView(m_p, 4) == "null") {
                    m_p += 4;
                    ok = true;
                } else {
                    ok = string(&item->countryCode.emplace());
                }
                break;
            }
            if (!ok)
                return false;
        } while (take(','));
        return take('}') && (seen & Required) == Required;
    }

    // A key as this application writes it; anything else is Field(0).
    Field key()
    {
        if (!take('"'))
            return Field(0);
        const char *start = m_p;
        while (m_p < m_end && *m_p != '"' && *m_p != '\\')
            ++m_p;
        if (m_p == m_end || *m_p != '"')
            return Field(0);
        const QByteArrayView name(start, m_p - start);
        ++m_p;
        if (name == "trackId")
            return TrackId;
        if (name == "trackName")
            return TrackName;
        if (name == "artworkUrl100")
            return ArtworkUrl100;
        if (name == "artworkUrl512")
            return ArtworkUrl512;
        if (name == "countryCode")
            return CountryCode;
        return Field(0);
    }

    // An integer literal that fits 64 bits. Fractions and exponents are left
    // to the general decoder, which accepts whole numbers written so.
    bool integer(qint64 *value)
    {
        const bool negative = m_p < m_end && *m_p == '-';
        if (negative)
            ++m_p;
        const char *digits = m_p;
        quint64 magnitude = 0;
        const quint64 limit = negative ? quint64(std::numeric_limits<qint64>::max()) + 1
                                       : quint64(std::numeric_limits<qint64>::max());
        while (m_p < m_end && *m_p >= '0' && *m_p <= '9') {
            const unsigned digit = unsigned(*m_p - '0');
            if (magnitude > (limit - digit) / 10)
                return false;
            magnitude = magnitude * 10 + digit;
            ++m_p;
        }
        const qsizetype length = m_p - digits;
        if (length == 0 || (length > 1 && *digits == '0'))
            return false;
        if (m_p < m_end && (*m_p == '.' || *m_p == 'e' || *m_p == 'E'))
            return false;
        *value = negative ? qint64(0 - magnitude) : qint64(magnitude);
        return true;
    }

    bool string(QString *value)
    {
        if (m_p == m_end || *m_p != '"')
            return false;
        const char *start = ++m_p;
        while (m_p < m_end && plainAscii[uchar(*m_p)])
            ++m_p;
        if (m_p < m_end && *m_p == '"') {
            *value = QString::fromLatin1(start, m_p - start);
            ++m_p;
            return true;
        }
        m_p = start;
        return escapedString(value);
    }

    // A string with escapes or beyond ASCII, m_p just after its opening quote.
    bool escapedString(QString *value)
    {
        QString result;
        const char *run = m_p;
        const auto flush = [&] {
            const auto *from = reinterpret_cast<const uchar *>(run);
            const auto *to = reinterpret_cast<const uchar *>(m_p);
            if (!isValidUtf8(from, to))
                return false;
            result.append(QString::fromUtf8(run, m_p - run));
            return true;
        };
        while (m_p < m_end) {
            const auto c = uchar(*m_p);
            if (c < 0x20)
                return false;
            if (c == '"') {
                if (!flush())
                    return false;
                ++m_p;
                *value = std::move(result);
                return true;
            }
            if (c != '\\') {
                ++m_p;
                continue;
            }
            if (!flush() || m_end - m_p < 2)
                return false;
            const char escaped = m_p[1];
            m_p += 2;
            switch (escaped) {
            case '"':
            case '\\':
            case '/':
                result.append(QLatin1Char(escaped));
                break;
            case 'b':
                result.append(QChar(u'\b'));
                break;
            case 'f':
                result.append(QChar(u'\f'));
                break;
            case 'n':
                result.append(QChar(u'\n'));
                break;
            case 'r':
                result.append(QChar(u'\r'));
                break;
            case 't':
                result.append(QChar(u'\t'));
                break;
            case 'u': {
                if (m_end - m_p < 4)
                    return false;
                char16_t unit = 0;
                for (int k = 0; k < 4; ++k) {
                    const int digit = hexValue(m_p[k]);
                    if (digit < 0)
                        return false;
                    unit = char16_t(unit << 4 | digit);
                }
                // One UTF-16 unit per escape, surrogate halves included, as
                // the JSON parser does.
                result.append(QChar(unit));
                m_p += 4;
                break;
            }
            default:
                return false;
            }
            run = m_p;
        }
        return false;
    }

    const char *m_begin;
    const char *m_p;
    const char *m_end;
};

} // namespace

std::optional<Parsed> parse(QByteArrayView document)
{
    Parsed parsed;
    // About 430 bytes per entry in practice.
    parsed.items.reserve(document.size() / 400 + 1);
    parsed.spans.reserve(document.size() / 400 + 1);
    if (!Reader(document).parse(&parsed))
        return std::nullopt;
    return parsed;
}

} // namespace HistoryDocument
