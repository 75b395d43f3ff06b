#pragma once

#include "AppItem.h"
#include "DetailedAppInfo.h"
#include "Result.h"

#include <QByteArray>
#include <QList>

// The envelope of a search answer. Decoding is all or nothing: one malformed
// item fails the whole answer.
struct SearchResult
{
    QList<AppItem> results;

    [[nodiscard]] static Result<SearchResult> decode(const QByteArray &json);
};

// The envelope of a lookup answer, decoded like SearchResult.
struct LookupResult
{
    QList<DetailedAppInfo> results;

    [[nodiscard]] static Result<LookupResult> decode(const QByteArray &json);
};
