// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalogue/AppItem.h"

#include <QAbstractListModel>
#include <QList>
#include <QtQml/qqmlregistration.h>

// A list of catalogue items as QML lists read it: the search hits and the
// download history. The list is replaced as a whole, never edited in place.
class AppItemListModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("owned by the screen models")
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Role {
        TrackIdRole = Qt::UserRole + 1,
        TrackNameRole,
        ArtworkUrl100Role,
        ArtworkUrl512Role,
        CountryCodeRole,
        // The 512-pixel icon address the rows show.
        IconUrlRole,
        ItemRole,
    };
    Q_ENUM(Role)

    explicit AppItemListModel(QObject *parent = nullptr);

    [[nodiscard]] const QList<AppItem> &items() const { return m_items; }
    void setItems(const QList<AppItem> &items);
    [[nodiscard]] int count() const { return int(m_items.size()); }

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void countChanged();

private:
    QList<AppItem> m_items;
};
