// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CommandLine.h"

#include <QByteArray>

// The message a later start sends the running window over the socket: the
// text and the region as two QDataStream strings. Anyone of this user can
// connect, so the decoder trusts nothing: it reads no string longer than the
// whole message may be, and checks the region against the table.
namespace HandOver {

// A whole message is at most this long; a longer one is refused unread.
inline constexpr qsizetype messageLimit = 64 * 1024;

[[nodiscard]] QByteArray encode(const StartRequest &request);

struct Decoded
{
    enum Status { Incomplete, Refused, Complete } status = Incomplete;
    StartRequest request; // meaningful when Complete
};
// What the bytes received so far hold.
[[nodiscard]] Decoded decode(const QByteArray &bytes);

} // namespace HandOver
