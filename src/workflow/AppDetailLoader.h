// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AppItemListModel.h"
#include "ApplicationContext.h"
#include "catalogue/AppItem.h"
#include "catalogue/AppStoreAPI.h"
#include "catalogue/DetailedAppInfo.h"

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>
#include <qcorotask.h>

#include <optional>

// The details behind the detail screen: looked up again every time the screen
// appears, and when it is shown with another item or region. The first answer
// decides between the details and the failure text; after that a success
// replaces the details and a failure keeps what is shown. The developer's other
// apps are asked for once per item and region, when the details name the
// developer and the screen is about to show that section.
class AppDetailLoader : public ContextObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(AppItem appItem READ appItem WRITE setAppItem NOTIFY appItemChanged)
    Q_PROPERTY(QString countryCode READ countryCode WRITE setCountryCode NOTIFY countryCodeChanged)
    // Meaningful only while hasDetailedInfo is true.
    Q_PROPERTY(DetailedAppInfo detailedInfo READ detailedInfoValue NOTIFY detailedInfoChanged)
    Q_PROPERTY(bool hasDetailedInfo READ hasDetailedInfo NOTIFY detailedInfoChanged)
    // The screenshots shown for the chosen platform (see DetailedAppInfo).
    Q_PROPERTY(QStringList screenshotUrls READ screenshotUrls NOTIFY screenshotUrlsChanged)
    // True until the first lookup has answered.
    Q_PROPERTY(bool isLoading READ isLoading NOTIFY isLoadingChanged)
    // Whether the screen is the one shown; each time it becomes so is an appearance.
    Q_PROPERTY(bool active READ active WRITE setActive NOTIFY activeChanged)
    // The developer's apps but the shown one; empty until loaded, and after a failure.
    Q_PROPERTY(AppItemListModel *developerApps READ developerApps CONSTANT)
    Q_PROPERTY(bool isLoadingDeveloperApps READ isLoadingDeveloperApps NOTIFY
            isLoadingDeveloperAppsChanged)
    // Set by the screen when the developer's section is about to come into view.
    Q_PROPERTY(bool developerAppsWanted READ developerAppsWanted WRITE setDeveloperAppsWanted NOTIFY
            developerAppsWantedChanged)

public:
    explicit AppDetailLoader(QObject *parent = nullptr);
    explicit AppDetailLoader(ApplicationContext &context, QObject *parent = nullptr);

    [[nodiscard]] AppItem appItem() const { return m_appItem; }
    // Another item or region is another screen: it starts over at the spinner.
    void setAppItem(const AppItem &item);
    [[nodiscard]] QString countryCode() const { return m_countryCode; }
    void setCountryCode(const QString &code);

    [[nodiscard]] std::optional<DetailedAppInfo> detailedInfo() const { return m_detailedInfo; }
    [[nodiscard]] bool hasDetailedInfo() const { return m_detailedInfo.has_value(); }
    [[nodiscard]] QStringList screenshotUrls() const;
    [[nodiscard]] bool isLoading() const { return m_isLoading; }
    [[nodiscard]] bool active() const { return m_active; }
    void setActive(bool active);
    [[nodiscard]] AppItemListModel *developerApps() { return &m_developerApps; }
    [[nodiscard]] bool isLoadingDeveloperApps() const { return m_isLoadingDeveloperApps; }
    [[nodiscard]] bool developerAppsWanted() const { return m_developerAppsWanted; }
    void setDeveloperAppsWanted(bool wanted);

    // Looks the item up; the answer arrives through the properties. Earlier
    // content stays on screen until then.
    void loadDetails();

Q_SIGNALS:
    void appItemChanged();
    void countryCodeChanged();
    void detailedInfoChanged();
    void isLoadingChanged();
    void activeChanged();
    void isLoadingDeveloperAppsChanged();
    void developerAppsWantedChanged();
    void screenshotUrlsChanged();

private:
    void startOver();
    // True while an answer for the shown item and region is still wanted.
    [[nodiscard]] AppStoreAPI::StillWanted stillWanted();
    void loadDeveloperAppsIfWanted();
    QCoro::Task<> loadDeveloperApps(qint64 artistId);
    void setLoadingDeveloperApps(bool loading);
    [[nodiscard]] DetailedAppInfo detailedInfoValue() const
    {
        return m_detailedInfo.value_or(DetailedAppInfo());
    }

    void contextSet() override;

    AppItem m_appItem;
    QString m_countryCode;
    std::optional<DetailedAppInfo> m_detailedInfo;
    bool m_isLoading = true;
    bool m_active = false;
    AppItemListModel m_developerApps;
    bool m_isLoadingDeveloperApps = false;
    bool m_developerAppsRequested = false;
    bool m_developerAppsWanted = false;
    // Answers for an item or region no longer shown are dropped.
    quint64 m_generation = 0;
};
