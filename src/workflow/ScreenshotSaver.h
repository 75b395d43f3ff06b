#pragma once

#include <QObject>
#include <QString>
#include <qcorotask.h>

// The save behind the screenshot viewer's long press: the screenshot is
// downloaded afresh and written into the photo library as PNG at the size the
// server delivers, whatever the save options say. It never touches the
// download history and reports through alert fields of its own.
class ScreenshotSaver : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool showingSaveAlert READ showingSaveAlert WRITE setShowingSaveAlert NOTIFY
            showingSaveAlertChanged)
    Q_PROPERTY(QString saveAlertTitle READ saveAlertTitle NOTIFY saveAlertTitleChanged)
    Q_PROPERTY(QString saveAlertMessage READ saveAlertMessage NOTIFY saveAlertMessageChanged)

public:
    explicit ScreenshotSaver(QObject *parent = nullptr);

    [[nodiscard]] bool showingSaveAlert() const { return m_showingSaveAlert; }
    // The screen sets it back to false when the alert is dismissed.
    void setShowingSaveAlert(bool showing);
    [[nodiscard]] QString saveAlertTitle() const { return m_saveAlertTitle; }
    [[nodiscard]] QString saveAlertMessage() const { return m_saveAlertMessage; }

    // Starts an independent save and returns at once; the outcome arrives as
    // one alert. Several presses start several saves.
    Q_INVOKABLE void saveScreenshot(const QString &imageUrl);

Q_SIGNALS:
    void showingSaveAlertChanged();
    void saveAlertTitleChanged();
    void saveAlertMessageChanged();

private:
    QCoro::Task<> save(QUrl url);
    void showSaveAlert(bool success, const QString &message);

    bool m_showingSaveAlert = false;
    QString m_saveAlertTitle;
    QString m_saveAlertMessage;
};
