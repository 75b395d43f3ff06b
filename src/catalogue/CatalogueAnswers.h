// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AppItem.h"
#include "DetailedAppInfo.h"
#include "Result.h"

#include <QByteArray>
#include <QList>

// The envelope of a catalogue answer: its "results". Decoding is all or
// nothing: one malformed item fails the whole answer. A developer's own
// record (wrapperType "artist"), which a listing of their apps starts with,
// is no item and is left out.
template<typename Record>
struct CatalogueAnswer
{
    QList<Record> results;

    [[nodiscard]] static Result<CatalogueAnswer> decode(const QByteArray &json);
};

using SearchResult = CatalogueAnswer<AppItem>;
using LookupResult = CatalogueAnswer<DetailedAppInfo>;
