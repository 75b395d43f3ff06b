#pragma once

#include "catalogue/AppItem.h"

#include <QObject>
#include <QString>

#include <qcorotask.h>

// The icon save flow behind every save button: choose the address from the
// save options, download, decode, round, write into the photo library, and
// report through the alert fields. The search model, the detail screen and the
// history screen each own one; they differ only in the item they save
// (itemToSave()) and in whether a success is recorded in the download history.
class IconSaveFlow : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool recordsHistory READ recordsHistory WRITE setRecordsHistory NOTIFY recordsHistoryChanged)
    Q_PROPERTY(bool showingSaveAlert READ showingSaveAlert WRITE setShowingSaveAlert NOTIFY showingSaveAlertChanged)
    Q_PROPERTY(QString saveAlertTitle READ saveAlertTitle NOTIFY saveAlertTitleChanged)
    Q_PROPERTY(QString saveAlertMessage READ saveAlertMessage NOTIFY saveAlertMessageChanged)

public:
    explicit IconSaveFlow(QObject *parent = nullptr);

    [[nodiscard]] bool recordsHistory() const { return m_recordsHistory; }
    void setRecordsHistory(bool records);

    [[nodiscard]] bool showingSaveAlert() const { return m_showingSaveAlert; }
    // The screen sets it back to false when the alert is dismissed.
    void setShowingSaveAlert(bool showing);
    [[nodiscard]] QString saveAlertTitle() const { return m_saveAlertTitle; }
    [[nodiscard]] QString saveAlertMessage() const { return m_saveAlertMessage; }

    // Starts an independent save and returns at once; the outcome arrives as
    // one alert. Nothing guards against a second tap: each tap is its own save.
    Q_INVOKABLE void saveIcon(const AppItem &item);

Q_SIGNALS:
    void recordsHistoryChanged();
    void showingSaveAlertChanged();
    void saveAlertTitleChanged();
    void saveAlertMessageChanged();

protected:
    // The record that is saved and remembered; the search model stamps its region here.
    [[nodiscard]] virtual AppItem itemToSave(const AppItem &item) const { return item; }
    void showSaveAlert(bool success, const QString &message);

private:
    QCoro::Task<> save(AppItem item);

    bool m_recordsHistory = true;
    bool m_showingSaveAlert = false;
    QString m_saveAlertTitle;
    QString m_saveAlertMessage;
};
