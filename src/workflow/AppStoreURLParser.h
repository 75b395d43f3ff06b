// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

// Recognises a store web link of an app inside any text, e.g.
// "look: https://apps.apple.com/cn/app/some-name/id1234567890?l=en".
class AppStoreURLParser
{
public:
    struct Link
    {
        QString id; // decimal digits, possibly more than fit in 64 bits
        std::optional<QString> country; // two letters, as written in the link
    };

    AppStoreURLParser() = delete;

    [[nodiscard]] static std::optional<Link> parse(const QString &urlString);
};
