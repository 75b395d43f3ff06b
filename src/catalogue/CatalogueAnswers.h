#pragma once

#include "AppItem.h"
#include "DetailedAppInfo.h"
#include "Result.h"

#include <QByteArray>
#include <QList>

// The envelope of a catalogue answer: its "results". Decoding is all or
// nothing: one malformed item fails the whole answer.
template<typename Record>
struct CatalogueAnswer
{
    QList<Record> results;

    [[nodiscard]] static Result<CatalogueAnswer> decode(const QByteArray &json);
};

using SearchResult = CatalogueAnswer<AppItem>;
using LookupResult = CatalogueAnswer<DetailedAppInfo>;
