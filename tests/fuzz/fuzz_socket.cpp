// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HandOver.h"
#include "store/Country.h"

#include <cstdint>

// Bytes a local client sends the window: refused, incomplete, or a request
// with a region of the table that reads back from its own encoding.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const HandOver::Decoded decoded = HandOver::decode(bytes);
    if (decoded.status != HandOver::Decoded::Complete)
        return 0;
    const StartRequest &request = decoded.request;
    if (!request.region.isEmpty() && !countryForCode(request.region))
        qFatal("A region outside the table was taken");
    const HandOver::Decoded again = HandOver::decode(HandOver::encode(request));
    if (again.status != HandOver::Decoded::Complete || again.request.text != request.text
        || again.request.region != request.region)
        qFatal("A request does not read back from its encoding");
    return 0;
}
