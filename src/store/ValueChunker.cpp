#include "ValueChunker.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <cstring>

namespace ValueChunker {
namespace {

// Piece sizes: 8 KiB on average for random bytes (the minimum plus 4 KiB),
// about 15 KiB for the history's JSON, whose repeated structure offers fewer
// cut points. An edit then rewrites little, and a 4 MB value still has only a
// few hundred pieces.
constexpr qsizetype minPiece = 4 * 1024;
constexpr qsizetype maxPiece = 64 * 1024;
// A cut falls where the top 12 bits of the rolling hash are zero. The top bits
// are used because they depend on the whole 64-byte window, the low bits only
// on the last few bytes.
constexpr quint64 cutMask = ~quint64(0) << 52;
constexpr qsizetype window = 64;

// A fixed random value per byte. Changing the table moves every boundary, so
// values stored before would no longer share pieces with new ones.
constexpr std::array<quint64, 256> gearTable = [] {
    std::array<quint64, 256> table {};
    quint64 state = 0x5645'4c4c'554d'4152; // splitmix64
    for (quint64 &entry : table) {
        quint64 z = (state += 0x9e37'79b9'7f4a'7c15);
        z = (z ^ (z >> 30)) * 0xbf58'476d'1ce4'e5b9;
        z = (z ^ (z >> 27)) * 0x94d0'49bb'1331'11eb;
        entry = z ^ (z >> 31);
    }
    return table;
}();

// The end of the piece that starts at start. The hash at byte i is a function
// of bytes i-63..i alone (older bytes are shifted out), so the same content
// gives the same cut wherever it sits.
qsizetype pieceEnd(const uchar *data, qsizetype start, qsizetype size)
{
    const qsizetype limit = std::min(size, start + maxPiece);
    if (limit - start <= minPiece)
        return limit;
    quint64 hash = 0;
    qsizetype i = start + minPiece - window;
    for (; i < start + minPiece - 1; ++i)
        hash = (hash << 1) + gearTable[data[i]];
    for (; i < limit; ++i) {
        hash = (hash << 1) + gearTable[data[i]];
        if (!(hash & cutMask))
            return i + 1;
    }
    return limit;
}

constexpr qsizetype block = 4096;

qsizetype commonPrefix(QByteArrayView a, QByteArrayView b)
{
    const qsizetype limit = std::min(a.size(), b.size());
    qsizetype i = 0;
    while (i + block <= limit && std::memcmp(a.data() + i, b.data() + i, block) == 0)
        i += block;
    while (i < limit && a[i] == b[i])
        ++i;
    return i;
}

// The length of the equal tails of a and b, at most limit.
qsizetype commonSuffix(QByteArrayView a, QByteArrayView b, qsizetype limit)
{
    const char *endA = a.data() + a.size();
    const char *endB = b.data() + b.size();
    qsizetype n = 0;
    while (n + block <= limit && std::memcmp(endA - n - block, endB - n - block, block) == 0)
        n += block;
    while (n < limit && endA[-n - 1] == endB[-n - 1])
        ++n;
    return n;
}

} // namespace

QList<PlannedPiece> plan(
    QByteArrayView previous, const QList<Piece> &previousPieces, QByteArrayView value)
{
    const qsizetype n = previous.size();
    const qsizetype m = value.size();
    QList<qsizetype> offsets;
    offsets.reserve(previousPieces.size());
    qsizetype total = 0;
    for (const Piece &piece : previousPieces) {
        offsets.append(total);
        total += piece.length;
    }
    const bool reusable = total == n && !previousPieces.isEmpty();

    QList<PlannedPiece> planned;
    planned.reserve(m / (minPiece + 4 * 1024) + 2);
    qsizetype pos = 0;
    qsizetype prefix = 0;
    qsizetype suffix = 0;
    if (reusable) {
        prefix = commonPrefix(previous, value);
        suffix = commonSuffix(previous, value, std::min(n, m) - prefix);
        // Pieces wholly inside the equal start stay. The last piece of the
        // previous value ended where the value did, not at a cut, so it stays
        // only when nothing changed.
        for (qsizetype k = 0; k < previousPieces.size(); ++k) {
            const qsizetype end = offsets[k] + previousPieces[k].length;
            if (end > prefix || (end == n && n != m))
                break;
            planned.append({ previousPieces[k].id, pos, previousPieces[k].length });
            pos = end;
        }
    }

    // Where previous pieces start within the equal tail, and all of them by
    // length, for the pieces in between that may recur elsewhere.
    QHash<qsizetype, qsizetype> tailStarts;
    QMultiHash<qsizetype, qsizetype> byLength;
    if (reusable) {
        for (qsizetype k = 0; k < previousPieces.size(); ++k) {
            if (offsets[k] >= n - suffix)
                tailStarts.insert(offsets[k], k);
            byLength.insert(previousPieces[k].length, k);
        }
    }

    const auto *data = reinterpret_cast<const uchar *>(value.data());
    const qsizetype shift = m - n;
    while (pos < m) {
        // Once a piece starts in the equal tail where a previous piece started,
        // cutting the same bytes from the same point gives the same pieces.
        if (const auto found = tailStarts.constFind(pos - shift); found != tailStarts.cend()) {
            for (qsizetype k = *found; k < previousPieces.size(); ++k) {
                planned.append({ previousPieces[k].id, pos, previousPieces[k].length });
                pos += previousPieces[k].length;
            }
            break;
        }
        const qsizetype end = pieceEnd(data, pos, m);
        const qsizetype length = end - pos;
        qint64 id = 0;
        for (auto it = byLength.constFind(length); it != byLength.cend() && it.key() == length;
             ++it) {
            if (std::memcmp(previous.data() + offsets[*it], value.data() + pos, length) == 0) {
                id = previousPieces[*it].id;
                break;
            }
        }
        planned.append({ id, pos, length });
        pos = end;
    }
    return planned;
}

} // namespace ValueChunker
