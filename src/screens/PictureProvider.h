// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QQuickAsyncImageProvider>

// Every picture from the network the screens show: image://picture/<radius>/<address>,
// the radius as a fraction of the height shown (0: as it is) and the address
// percent-encoded. Each is downloaded under the network rules, decoded as PNG
// or JPEG only, scaled to the size asked for and cut to the icon's rounded
// shape once, so that a list row is a plain image: no painting per row, and
// no texture larger than what it shows.
class PictureProvider : public QQuickAsyncImageProvider
{
public:
    QQuickImageResponse *requestImageResponse(
        const QString &id, const QSize &requestedSize) override;
};
