// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SaveAlert.h"

#include "ApplicationContext.h"
#include "export/PhotoLibrary.h"

#include <QFileInfo>

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
    Notices &notices = *context().notices();
    if (!notices.enabled()) {
        showAlert(success ? qtTrId("success") : qtTrId("error"), message, savedPhoto);
    } else if (!success) {
        notices.post(message, Notices::Kind::failure);
    } else if (savedPhoto.isEmpty()) {
        notices.post(message, Notices::Kind::done);
    } else {
        // Each notice shows its own photo, whatever was saved after it.
        notices.post(qtTrId("notice_saved").arg(QFileInfo(savedPhoto).fileName()),
            Notices::Kind::done, { qtTrId("show_in_folder"), this, [this, savedPhoto] {
                                      showPhoto(savedPhoto);
                                  } });
    }
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
        showPhoto(m_savedPhoto);
}

QCoro::Task<> SaveAlert::showPhoto(QString place) const
{
    ApplicationContext &context = this->context();
    const QPointer<ApplicationContext> alive(&context);
    const Result<void> shown = co_await context.photoLibrary()->showPhoto(place);
    if (!shown && alive)
        context.report(shown.error());
}
