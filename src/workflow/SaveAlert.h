// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ApplicationContext.h"

#include <QString>
#include <QtQml/qqmlregistration.h>
#include <qcorotask.h>

// The alert every save reports through: a title ("success" or "error"), a
// message, where a saved photo went, and whether the screen shows it. The icon and screenshot
// savers share it; the later of two saves overwrites the earlier one's alert.
// A window that shows notices gets one notice per single save instead.
// Made by QML, it takes the application context of its engine.
class SaveAlert : public ContextObject
{
    Q_OBJECT
    QML_ANONYMOUS
    Q_PROPERTY(bool showingSaveAlert READ showingSaveAlert WRITE setShowingSaveAlert NOTIFY
            showingSaveAlertChanged)
    Q_PROPERTY(QString saveAlertTitle READ saveAlertTitle NOTIFY saveAlertTitleChanged)
    Q_PROPERTY(QString saveAlertMessage READ saveAlertMessage NOTIFY saveAlertMessageChanged)
    // Where the saved photo is, as a person reads it ("~/Pictures/Vellumar/微信
    // 1024.png"); empty after a failure.
    Q_PROPERTY(QString savedPhotoLocation READ savedPhotoLocation NOTIFY saveAlertMessageChanged)

public:
    explicit SaveAlert(QObject *parent = nullptr);

    [[nodiscard]] bool showingSaveAlert() const { return m_showingSaveAlert; }
    // The screen sets it back to false when the alert is dismissed.
    void setShowingSaveAlert(bool showing);
    [[nodiscard]] QString saveAlertTitle() const { return m_saveAlertTitle; }
    [[nodiscard]] QString saveAlertMessage() const { return m_saveAlertMessage; }
    [[nodiscard]] QString savedPhotoLocation() const;

    // Shows the saved photo in the desktop's file manager; says so when
    // there is none.
    Q_INVOKABLE void showSavedPhoto() const;

Q_SIGNALS:
    void showingSaveAlertChanged();
    void saveAlertTitleChanged();
    void saveAlertMessageChanged();

protected:
    // A single save's outcome: a notice where the window shows them, else
    // the alert.
    void showSaveAlert(bool success, const QString &message, const QString &savedPhoto = {});
    // Title, then message, then the flag, so a screen that reacts to the flag
    // already sees both texts.
    void showAlert(const QString &title, const QString &message, const QString &savedPhoto = {});

private:
    QCoro::Task<> showPhoto(QString place) const;

    bool m_showingSaveAlert = false;
    QString m_saveAlertTitle;
    QString m_saveAlertMessage;
    QString m_savedPhoto;
};
