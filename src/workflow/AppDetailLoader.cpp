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
            }
            self->m_isLoading = false;
            Q_EMIT self->isLoadingChanged();
        });
}
