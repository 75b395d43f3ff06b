// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/CatalogueAnswers.h"

#include <cstdint>

// Catalogue answers, search and lookup alike: any bytes give records or an
// error, and every listed item reads back from its own JSON form, the form the
// download history keeps.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const Result<SearchResult> answer = SearchResult::decode(bytes)) {
        for (const AppItem &item : answer.value().results) {
            const Result<AppItem> again = AppItem::decode(item.toJson());
            if (!again || !(again.value() == item))
                qFatal("An item does not read back from its JSON form");
        }
    }
    (void)LookupResult::decode(bytes);
    return 0;
}
