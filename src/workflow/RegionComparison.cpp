// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RegionComparison.h"

#include "PictureDownload.h"
#include "store/Country.h"
#include "store/SettingsManager.h"

#include <QPointer>

namespace {

// A region as a screen shows it, its name in the interface's language.
QVariantMap regionForQml(const QString &code)
{
    const Country country = countryForCode(code).value_or(Country { {}, code });
    return { { "code", code }, { "flag", country.flag() },
        { "name", country.nameKey.isEmpty() ? code : country.localizedName() } };
}

bool isNotSold(const Error &error)
{
    return error.domain == AppStoreAPI::errorDomain && error.code == AppStoreAPI::AppNotFound;
}

} // namespace

RegionComparison::RegionComparison(QObject *parent)
    : QAbstractListModel(parent)
{ }

void RegionComparison::setContext(ApplicationContext &context)
{
    m_context = &context;
    connect(&context.settings(), &SettingsManager::comparedRegionsChanged, this,
        &RegionComparison::regionsChanged);
}

void RegionComparison::classBegin()
{
    setContext(ApplicationContext::of(this));
}

int RegionComparison::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_icons.size());
}

QVariant RegionComparison::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Icon &icon = m_icons.at(index.row());
    switch (role) {
    case ItemRole:
        return QVariant::fromValue(icon.item);
    case ArtworkUrlRole:
        return icon.artworkUrls.first();
    case RegionsRole:
        return regionsForQml(icon.regions);
    default:
        return {};
    }
}

QHash<int, QByteArray> RegionComparison::roleNames() const
{
    return { { ItemRole, "item" }, { ArtworkUrlRole, "artworkUrl" }, { RegionsRole, "regions" } };
}

QStringList RegionComparison::regions() const
{
    return context().settings().comparedRegions();
}

void RegionComparison::toggleRegion(const QString &code)
{
    QStringList chosen = regions();
    if (!chosen.removeOne(code))
        chosen.append(code);
    context().settings().setComparedRegions(chosen);
}

void RegionComparison::setRunning(bool running)
{
    m_running = running;
    Q_EMIT runningChanged();
    if (!running)
        Q_EMIT finished();
}

void RegionComparison::start(const AppItem &item)
{
    start(item.trackId, regions());
}

void RegionComparison::start(qint64 trackId, const QStringList &codes)
{
    ++m_generation;
    m_compared = codes;
    m_completed = 0;
    beginResetModel();
    m_icons.clear();
    endResetModel();
    m_notSoldIn.clear();
    m_failures.clear();
    Q_EMIT progressChanged();
    Q_EMIT regionsLeftOutChanged();
    m_running = true;
    Q_EMIT runningChanged();
    // Fire and forget: the run ends in setRunning(false), or finds itself replaced.
    run(trackId, codes);
}

void RegionComparison::cancel()
{
    if (!m_running)
        return;
    ++m_generation;
    setRunning(false);
}

QCoro::Task<> RegionComparison::run(qint64 trackId, QStringList codes)
{
    const AppStoreAPI::StillWanted current
        = [self = QPointer<RegionComparison>(this), generation = m_generation] {
              return self && self->m_generation == generation;
          };
    AppStoreAPI &catalogue = context().catalogue();
    // Named: GCC 12 cannot take a braced list inside an awaited call.
    const QList<qint64> ids(1, trackId);
    // One region after another, so a cancel leaves the rest unasked.
    for (const QString &region : codes) {
        const QList<Result<AppItem>> found = co_await catalogue.lookupIds(ids, region, current);
        if (!current())
            co_return;
        const Result<AppItem> &answer = found.first();
        if (answer) {
            AppItem item = answer.value();
            item.countryCode = region;
            co_await place(std::move(item), current);
            if (!current())
                co_return;
        } else if (isNotSold(answer.error())) {
            m_notSoldIn.append(region);
            Q_EMIT regionsLeftOutChanged();
        } else {
            m_failures.append({ region, answer.error() });
            Q_EMIT regionsLeftOutChanged();
        }
        ++m_completed;
        Q_EMIT progressChanged();
    }
    setRunning(false);
}

QCoro::Task<> RegionComparison::place(AppItem item, AppStoreAPI::StillWanted current)
{
    const QString region = item.countryCodeText(), address = item.artworkUrl512;
    const auto join = [this, &region](qsizetype row) {
        m_icons[row].regions.append(region);
        Q_EMIT dataChanged(index(int(row)), index(int(row)), { RegionsRole });
    };
    for (qsizetype row = 0; row < m_icons.size(); ++row) {
        if (m_icons[row].artworkUrls.contains(address)) {
            join(row);
            co_return;
        }
    }
    // Another address may still serve the same picture: its pixels tell.
    QImage picture;
    if (const std::optional<QUrl> url = item.iconUrl(IconResolution::size512)) {
        const Result<QImage> downloaded = co_await downloadPicture(context().catalogue(), *url);
        if (!current())
            co_return;
        if (downloaded) // one format, so equal pixels compare equal
            picture = downloaded->convertToFormat(QImage::Format_ARGB32);
    }
    for (qsizetype row = 0; row < m_icons.size(); ++row) {
        if (!picture.isNull() && m_icons[row].picture == picture) {
            m_icons[row].artworkUrls.append(address);
            join(row);
            co_return;
        }
    }
    beginInsertRows({}, int(m_icons.size()), int(m_icons.size()));
    m_icons.append(Icon { std::move(item), { address }, { region }, std::move(picture) });
    endInsertRows();
}

QVariantList RegionComparison::regionsForQml(const QStringList &codes)
{
    QVariantList regions;
    for (const QString &code : codes)
        regions.append(regionForQml(code));
    return regions;
}

QVariantList RegionComparison::notSoldInForQml() const
{
    return regionsForQml(m_notSoldIn);
}

QVariantList RegionComparison::failuresForQml() const
{
    QVariantList failures;
    for (const Failure &failure : m_failures) {
        QVariantMap region = regionForQml(failure.region);
        region.insert("reason", failure.error.localizedDescription());
        failures.append(region);
    }
    return failures;
}
