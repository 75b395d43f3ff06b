// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SaveAlert.h"

#include <QUrl>
#include <QtQml/qqmlregistration.h>
#include <qcorotask.h>

// The save behind the screenshot viewer's long press: the screenshot is
// downloaded afresh and written into the photo library as PNG at the size the
// server delivers, whatever the save options say. It never touches the
// download history and reports through alert fields of its own.
class ScreenshotSaver : public SaveAlert
{
    Q_OBJECT
    QML_ELEMENT

public:
    explicit ScreenshotSaver(QObject *parent = nullptr);

    // Starts an independent save and returns at once; the outcome arrives as
    // one alert. Several presses start several saves. The photo is titled
    // after the app and the screenshot's number in its strip (from 1).
    Q_INVOKABLE void saveScreenshot(
        const QString &imageUrl, const QString &appName = {}, int number = 0);

private:
    QCoro::Task<> save(QUrl url, QString title);
};
