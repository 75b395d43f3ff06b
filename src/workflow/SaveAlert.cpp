#include "SaveAlert.h"

SaveAlert::SaveAlert(QObject *parent)
    : QObject(parent)
{
}

void SaveAlert::setShowingSaveAlert(bool showing)
{
    m_showingSaveAlert = showing;
    Q_EMIT showingSaveAlertChanged();
}

void SaveAlert::showSaveAlert(bool success, const QString &message)
{
    m_saveAlertTitle = success ? qtTrId("success") : qtTrId("error");
    Q_EMIT saveAlertTitleChanged();
    m_saveAlertMessage = message;
    Q_EMIT saveAlertMessageChanged();
    setShowingSaveAlert(true);
}
