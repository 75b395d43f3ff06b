// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SaveAlert.h"
#include "catalogue/AppItem.h"
#include "export/IconSaveOptions.h"

#include <QtQml/qqmlregistration.h>
#include <qcorotask.h>

#include <functional>

class ApplicationContext;

// How one icon save ended: the saved file or the error, and what the alert says.
struct IconSaveOutcome
{
    Result<QString> saved;
    QString message;
};

// The icon save flow behind every save button: choose the address from the
// save options, download, decode, round, write into the photo library, and
// report through the alert fields. The search model, the detail screen and the
// history screen each own one, configured by two properties: whether a success
// is recorded in the download history, and which region the saved item carries.
class IconSaveFlow : public SaveAlert
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool recordsHistory READ recordsHistory WRITE setRecordsHistory NOTIFY
            recordsHistoryChanged)
    // Stamped on the saved item in place of its own; empty keeps the item's.
    Q_PROPERTY(QString regionCode READ regionCode WRITE setRegionCode NOTIFY regionCodeChanged)

public:
    explicit IconSaveFlow(QObject *parent = nullptr);

    [[nodiscard]] bool recordsHistory() const { return m_recordsHistory; }
    void setRecordsHistory(bool records);
    [[nodiscard]] QString regionCode() const { return m_regionCode; }
    void setRegionCode(const QString &code);

    // Starts an independent save and returns at once; the outcome arrives as
    // one alert. Nothing guards against a second tap: each tap is its own save.
    Q_INVOKABLE void saveIcon(const AppItem &item);
    // The same, once, with these options in place of the settings'.
    Q_INVOKABLE void saveIconAs(const AppItem &item, const IconSaveOptions &options);

    // The options a save of `item` uses: a Mac app's icon comes shaped by its
    // maker, transparency and all, so it stays square unless the original is
    // asked for.
    [[nodiscard]] static IconSaveOptions optionsFor(const AppItem &item, IconSaveOptions options);
    // The title a save of `item` with `options` gives its icon.
    [[nodiscard]] static QString iconTitle(const AppItem &item, const IconSaveOptions &options);
    // One save from start to end, the only one there is: address, download,
    // decode, shaping, writing into the context's photo library and, when
    // `recordHistory`, its download history. `options` is asked before the
    // download for the format and the size, and after it for the rounding,
    // so a rounding chosen meanwhile counts.
    static QCoro::Task<IconSaveOutcome> saveOne(AppItem item,
        std::function<IconSaveOptions()> options, ApplicationContext &context, bool recordHistory);

Q_SIGNALS:
    void recordsHistoryChanged();
    void regionCodeChanged();

protected:
    // The item as this flow saves it: with its region stamped.
    [[nodiscard]] AppItem stamped(const AppItem &item) const;

private:
    // With the settings' options, or these.
    QCoro::Task<> save(AppItem item, std::optional<IconSaveOptions> fixed);

    bool m_recordsHistory = true;
    QString m_regionCode;
};
