#include "AppDetailLoader.h"

#include "catalogue/AppStoreAPI.h"

#include <QDebug>
#include <QPointer>

AppDetailLoader::AppDetailLoader(QObject *parent)
    : QObject(parent)
{ }

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
    const quint64 generation = m_generation;
    AppStoreAPI::lookup(m_appItem.trackId, m_countryCode,
        [self, generation](const Result<DetailedAppInfo> &result) {
            if (!result) {
                qInfo().noquote() << QStringLiteral("详情加载失败: ")
                        + result.error().localizedDescription();
            }
            if (!self || generation != self->m_generation)
                return;
            if (result) {
                self->m_detailedInfo = result.value();
                Q_EMIT self->detailedInfoChanged();
                if (result.value().artistId && !self->m_developerAppsRequested)
                    self->loadDeveloperApps(*result.value().artistId);
            }
            self->m_isLoading = false;
            Q_EMIT self->isLoadingChanged();
        });
}

void AppDetailLoader::setLoadingDeveloperApps(bool loading)
{
    m_isLoadingDeveloperApps = loading;
    Q_EMIT isLoadingDeveloperAppsChanged();
}

QCoro::Task<> AppDetailLoader::loadDeveloperApps(qint64 artistId)
{
    QPointer<AppDetailLoader> self(this);
    const quint64 generation = m_generation;
    m_developerAppsRequested = true;
    setLoadingDeveloperApps(true);
    const Result<QList<AppItem>> apps
        = co_await AppStoreAPI::developerApps(artistId, m_countryCode);
    if (!apps) {
        qInfo().noquote() << QStringLiteral("开发者的其他应用加载失败: ")
                + apps.error().localizedDescription();
    }
    if (!self || generation != self->m_generation)
        co_return;
    QList<AppItem> others = apps ? apps.value() : QList<AppItem>();
    others.removeIf([this](const AppItem &app) { return app.trackId == m_appItem.trackId; });
    m_developerApps.setItems(others);
    setLoadingDeveloperApps(false);
}
