#pragma once

#include <QByteArrayView>
#include <QList>

// Splits a large byte value into pieces whose boundaries depend on the bytes
// around them, not on their offset. An insertion or removal then changes only
// the pieces it touches: the store rewrites a few kilobytes of a megabyte-sized
// value instead of all of it.
namespace ValueChunker {

// A piece as stored: its row in the chunk table and its length.
struct Piece
{
    qint64 id = 0;
    qsizetype length = 0;
};

// A piece of a new value: an existing chunk to keep (id > 0) or the bytes at
// offset to store as a new chunk (id == 0).
struct PlannedPiece
{
    qint64 id = 0;
    qsizetype offset = 0;
    qsizetype length = 0;
};

// Below this size a value is stored in one piece.
constexpr qsizetype threshold = 64 * 1024;

// The pieces of value, reusing those of the previous value of the same key
// wherever the bytes are equal. previousPieces must tile previous exactly;
// when they do not, nothing is reused.
[[nodiscard]] QList<PlannedPiece> plan(
    QByteArrayView previous, const QList<Piece> &previousPieces, QByteArrayView value);

} // namespace ValueChunker
