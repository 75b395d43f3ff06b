// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalogue/Result.h"

#include <QImage>
#include <QUrl>
#include <qcorotask.h>

// Downloads a picture under the catalogue's network rules and decodes it in
// the thread pool (a large one takes seconds): the download's error, or
// imageUnusable for bytes that are no PNG or JPEG image.
class AppStoreAPI;

[[nodiscard]] QCoro::Task<Result<QImage>> downloadPicture(AppStoreAPI &catalogue, QUrl url);
