// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/Country.h"

#include <QAbstractListModel>
#include <QList>
#include <QString>
#include <QtQml/qqml.h>

// The rows of the region picker: the region table narrowed by the filter
// text. A row stays when its code or its name in any interface language
// contains the text, ignoring case: a person may know a region by its English
// name whatever language the screens speak. The text is used as typed, so a
// single space filters too.
class CountryListModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString searchText READ searchText WRITE setSearchText NOTIFY searchTextChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Role { CodeRole = Qt::UserRole + 1, FlagRole, NameRole };
    Q_ENUM(Role)

    explicit CountryListModel(QObject *parent = nullptr);

    [[nodiscard]] QString searchText() const { return m_searchText; }
    void setSearchText(const QString &text);
    [[nodiscard]] int count() const { return int(m_rows.size()); }

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

    [[nodiscard]] static bool matches(const Country &country, const QString &text);
    // The row of the region with this code, -1 when the filter hides it.
    Q_INVOKABLE [[nodiscard]] int rowOf(const QString &code) const;

Q_SIGNALS:
    void searchTextChanged();
    void countChanged();

private:
    QString m_searchText;
    QList<Country> m_rows;
};

// Tooling learns the model's base class from here; Qt's own type
// descriptions leave it out.
struct AbstractItemModelForeign
{
    Q_GADGET
    QML_FOREIGN(QAbstractItemModel)
    QML_ANONYMOUS
};

// Lookups of the region table that the search screen's toolbar needs.
class RegionTable : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // The flag of the first region with exactly this code; empty when the
    // table has no such code, which leaves the region button without a label.
    Q_INVOKABLE [[nodiscard]] QString flagForCode(const QString &code) const;
};
