#pragma once

#include "SaveAlert.h"

#include "catalogue/AppItem.h"

#include <qcorotask.h>

// The icon save flow behind every save button: choose the address from the
// save options, download, decode, round, write into the photo library, and
// report through the alert fields. The search model, the detail screen and the
// history screen each own one; they differ only in the item they save
// (itemToSave()) and in whether a success is recorded in the download history.
class IconSaveFlow : public SaveAlert
{
    Q_OBJECT
    Q_PROPERTY(bool recordsHistory READ recordsHistory WRITE setRecordsHistory NOTIFY recordsHistoryChanged)

public:
    explicit IconSaveFlow(QObject *parent = nullptr);

    [[nodiscard]] bool recordsHistory() const { return m_recordsHistory; }
    void setRecordsHistory(bool records);

    // Starts an independent save and returns at once; the outcome arrives as
    // one alert. Nothing guards against a second tap: each tap is its own save.
    Q_INVOKABLE void saveIcon(const AppItem &item);

Q_SIGNALS:
    void recordsHistoryChanged();

protected:
    // The record that is saved and remembered; the search model stamps its region here.
    [[nodiscard]] virtual AppItem itemToSave(const AppItem &item) const { return item; }

private:
    QCoro::Task<> save(AppItem item);

    bool m_recordsHistory = true;
};
