// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AppDetailLoader.h"

#include "ApplicationContext.h"
#include "catalogue/AppStoreAPI.h"
#include "store/SettingsManager.h"

#include <QDebug>
#include <QPointer>

AppDetailLoader::AppDetailLoader(QObject *parent)
    : ContextObject(parent)
{
    connect(
        this, &AppDetailLoader::detailedInfoChanged, this, &AppDetailLoader::screenshotUrlsChanged);
}

AppDetailLoader::AppDetailLoader(ApplicationContext &context, QObject *parent)
    : AppDetailLoader(parent)
{
    setContext(context);
}

void AppDetailLoader::contextSet()
{
    connect(&context().settings(), &SettingsManager::platformChanged, this,
        &AppDetailLoader::screenshotUrlsChanged);
}

QStringList AppDetailLoader::screenshotUrls() const
{
    return m_detailedInfo ? m_detailedInfo->loadableScreenshotUrls(context().settings().platform())
                          : QStringList();
}

void AppDetailLoader::setDeveloperAppsWanted(bool wanted)
{
    if (wanted == m_developerAppsWanted)
        return;
    m_developerAppsWanted = wanted;
    Q_EMIT developerAppsWantedChanged();
    loadDeveloperAppsIfWanted();
}

AppStoreAPI::StillWanted AppDetailLoader::stillWanted()
{
    return [self = QPointer<AppDetailLoader>(this), generation = m_generation] {
        return self && generation == self->m_generation;
    };
}

void AppDetailLoader::loadDeveloperAppsIfWanted()
{
    if (m_developerAppsWanted && !m_developerAppsRequested && m_detailedInfo
        && m_detailedInfo->artistId)
        loadDeveloperApps(*m_detailedInfo->artistId);
}

void AppDetailLoader::setAppItem(const AppItem &item)
{
    const bool otherItem = item.trackId != m_appItem.trackId;
    m_appItem = item;
    if (otherItem)
        startOver();
    Q_EMIT appItemChanged();
}

void AppDetailLoader::setCountryCode(const QString &code)
{
    const bool otherRegion = code != m_countryCode;
    m_countryCode = code;
    if (otherRegion)
        startOver();
    Q_EMIT countryCodeChanged();
}

void AppDetailLoader::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    Q_EMIT activeChanged();
    if (m_active)
        loadDetails();
}

void AppDetailLoader::startOver()
{
    ++m_generation;
    m_developerAppsRequested = false;
    if (m_developerApps.count() > 0)
        m_developerApps.setItems({});
    if (m_isLoadingDeveloperApps)
        setLoadingDeveloperApps(false);
    const bool hadDetails = m_detailedInfo.has_value();
    m_detailedInfo.reset();
    if (hadDetails)
        Q_EMIT detailedInfoChanged();
    if (!m_isLoading) {
        m_isLoading = true;
        Q_EMIT isLoadingChanged();
    }
    // Shown with another item or region: look that one up.
    if (m_active)
        loadDetails();
}

void AppDetailLoader::loadDetails()
{
    // isLoading is left as it is: a repeated load keeps the content on screen.
    QPointer<AppDetailLoader> self(this);
    const AppStoreAPI::StillWanted wanted = stillWanted();
    context().catalogue().lookup(
        m_appItem.trackId, m_countryCode,
        [self, wanted](const Result<DetailedAppInfo> &result) {
            if (!wanted())
                return;
            if (!result) {
                qCInfo(lcScreens).noquote()
                    << QStringLiteral("详情加载失败: ") + result.error().localizedDescription();
            }
            if (result) {
                self->m_detailedInfo = result.value();
                Q_EMIT self->detailedInfoChanged();
                self->loadDeveloperAppsIfWanted();
            }
            self->m_isLoading = false;
            Q_EMIT self->isLoadingChanged();
        },
        wanted);
}

void AppDetailLoader::setLoadingDeveloperApps(bool loading)
{
    m_isLoadingDeveloperApps = loading;
    Q_EMIT isLoadingDeveloperAppsChanged();
}

QCoro::Task<> AppDetailLoader::loadDeveloperApps(qint64 artistId)
{
    const AppStoreAPI::StillWanted wanted = stillWanted();
    m_developerAppsRequested = true;
    setLoadingDeveloperApps(true);
    const Result<QList<AppItem>> apps
        = co_await context().catalogue().developerApps(artistId, m_countryCode, wanted);
    if (!wanted())
        co_return;
    if (!apps) {
        qCInfo(lcScreens).noquote()
            << QStringLiteral("开发者的其他应用加载失败: ") + apps.error().localizedDescription();
    }
    QList<AppItem> others = apps ? apps.value() : QList<AppItem>();
    others.removeIf([this](const AppItem &app) { return app.trackId == m_appItem.trackId; });
    m_developerApps.setItems(others);
    setLoadingDeveloperApps(false);
}
