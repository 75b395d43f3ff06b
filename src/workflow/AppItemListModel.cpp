// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AppItemListModel.h"

AppItemListModel::AppItemListModel(QObject *parent)
    : QAbstractListModel(parent)
{ }

void AppItemListModel::setItems(const QList<AppItem> &items)
{
    beginResetModel();
    m_items = items;
    endResetModel();
    Q_EMIT countChanged();
}

int AppItemListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant AppItemListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const AppItem &item = m_items.at(index.row());
    switch (role) {
    case TrackIdRole:
        return item.trackId;
    case Qt::DisplayRole:
    case TrackNameRole:
        return item.trackName;
    case ArtworkUrl100Role:
        return item.artworkUrl100;
    case ArtworkUrl512Role:
        return item.artworkUrl512;
    case CountryCodeRole:
        return item.countryCodeText();
    case IconUrlRole:
        return item.iconUrl(IconResolution::size512).value_or(QUrl());
    case ItemRole:
        return QVariant::fromValue(item);
    default:
        return {};
    }
}

QHash<int, QByteArray> AppItemListModel::roleNames() const
{
    return {
        { TrackIdRole, "trackId" },
        { TrackNameRole, "trackName" },
        { ArtworkUrl100Role, "artworkUrl100" },
        { ArtworkUrl512Role, "artworkUrl512" },
        { CountryCodeRole, "countryCode" },
        { IconUrlRole, "iconUrl" },
        { ItemRole, "item" },
    };
}
