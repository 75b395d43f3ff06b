// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <variant>

// What one start of the application asks of the window.
struct StartRequest
{
    QString text; // a search term, or any text holding a store link; may be empty
    QString region; // an upper-case region code; empty keeps the window's region

    [[nodiscard]] bool isEmpty() const { return text.isEmpty() && region.isEmpty(); }
};

namespace CommandLine {

// Reads the arguments (the program name first). Help, the version and
// mistakes are answered on the terminal here, and the result is then the
// exit status: 0 after help or the version, 2 after a mistake.
[[nodiscard]] std::variant<StartRequest, int> parse(const QStringList &arguments);

} // namespace CommandLine
