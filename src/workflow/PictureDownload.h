#pragma once

#include <QImage>
#include <QUrl>
#include <qcorotask.h>

#include <optional>

// Downloads a picture under the catalogue's network rules and decodes it in
// the thread pool (a large one takes seconds); empty when either fails.
[[nodiscard]] QCoro::Task<std::optional<QImage>> downloadPicture(QUrl url);
