// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workflow/AppStoreURLParser.h"

#include <QRegularExpression>

#include <cstdint>

// A store link found in any text: the identifier is ASCII digits and the
// region two ASCII letters, both as written in the text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QRegularExpression digits(QRegularExpression::anchoredPattern("[0-9]+"));
    static const QRegularExpression letters(QRegularExpression::anchoredPattern("[A-Za-z]{2}"));
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<AppStoreURLParser::Link> link = AppStoreURLParser::parse(text);
    if (link
        && (!digits.match(link->id).hasMatch()
            || !text.contains(QStringLiteral("/id") + link->id, Qt::CaseInsensitive)
            || (link->country
                && (!letters.match(*link->country).hasMatch()
                    || !text.contains(QLatin1Char('/') + *link->country + QLatin1Char('/'))))))
        qFatal("Unexpected link parts");
    return 0;
}
