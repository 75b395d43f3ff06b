// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CountryListModel.h"

#include "store/LocalizationManager.h"

#include <algorithm>

CountryListModel::CountryListModel(QObject *parent)
    : QAbstractListModel(parent)
    , m_rows(allCountries())
{ }

bool CountryListModel::matches(const Country &country, const QString &text)
{
    if (country.code.contains(text, Qt::CaseInsensitive))
        return true;
    const QStringList names
        = LocalizationManager::translationsOf(country.nameKey.toUtf8().constData());
    return std::any_of(names.cbegin(), names.cend(),
        [&](const QString &name) { return name.contains(text, Qt::CaseInsensitive); });
}

void CountryListModel::setSearchText(const QString &text)
{
    if (text == m_searchText)
        return;
    m_searchText = text;
    const qsizetype before = m_rows.size();

    // Old and new rows both follow table order, so one walk over the table
    // tells which rows leave and which arrive. Rows that stay keep their
    // delegates, and the list never has to be rebuilt from scratch.
    int row = 0;
    for (const Country &country : allCountries()) {
        const bool shown = row < m_rows.size() && m_rows.at(row).code == country.code;
        const bool wanted = text.isEmpty() || matches(country, text);
        if (shown && !wanted) {
            beginRemoveRows({}, row, row);
            m_rows.removeAt(row);
            endRemoveRows();
        } else if (!shown && wanted) {
            beginInsertRows({}, row, row);
            m_rows.insert(row, country);
            endInsertRows();
            ++row;
        } else if (shown) {
            ++row;
        }
    }

    Q_EMIT searchTextChanged();
    if (m_rows.size() != before)
        Q_EMIT countChanged();
}

int CountryListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant CountryListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Country &country = m_rows.at(index.row());
    switch (role) {
    case CodeRole:
        return country.code;
    case FlagRole:
        return country.flag();
    case NameRole:
    case Qt::DisplayRole:
        return country.localizedName();
    default:
        return {};
    }
}

QHash<int, QByteArray> CountryListModel::roleNames() const
{
    return { { CodeRole, "code" }, { FlagRole, "flag" }, { NameRole, "name" } };
}

QString RegionTable::flagForCode(const QString &code) const
{
    const std::optional<Country> country = countryForCode(code);
    return country ? country->flag() : QString();
}

int CountryListModel::rowOf(const QString &code) const
{
    const auto row = std::find_if(m_rows.cbegin(), m_rows.cend(),
        [&](const Country &country) { return country.code == code; });
    return row == m_rows.cend() ? -1 : int(row - m_rows.cbegin());
}
