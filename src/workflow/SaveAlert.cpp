// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SaveAlert.h"

#include "ApplicationContext.h"
#include "export/PhotoLibrary.h"

SaveAlert::SaveAlert(QObject *parent)
    : ContextObject(parent)
{ }

void SaveAlert::setShowingSaveAlert(bool showing)
{
    m_showingSaveAlert = showing;
    Q_EMIT showingSaveAlertChanged();
}

void SaveAlert::showSaveAlert(bool success, const QString &message, const QString &savedPhoto)
{
    showAlert(success ? qtTrId("success") : qtTrId("error"), message, savedPhoto);
}

void SaveAlert::showAlert(const QString &title, const QString &message, const QString &savedPhoto)
{
    m_savedPhoto = savedPhoto;
    m_saveAlertTitle = title;
    Q_EMIT saveAlertTitleChanged();
    m_saveAlertMessage = message;
    Q_EMIT saveAlertMessageChanged();
    setShowingSaveAlert(true);
}

QString SaveAlert::savedPhotoLocation() const
{
    return m_savedPhoto.isEmpty() ? QString() : PhotoLibrary::readable(m_savedPhoto);
}

void SaveAlert::showSavedPhoto() const
{
    if (!m_savedPhoto.isEmpty())
        context().photoLibrary()->showPhoto(m_savedPhoto);
}
