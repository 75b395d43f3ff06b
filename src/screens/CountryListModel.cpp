#include "CountryListModel.h"

CountryListModel::CountryListModel(QObject *parent)
    : QAbstractListModel(parent)
    , m_rows(allCountries())
{
}

bool CountryListModel::matches(const Country &country, const QString &text)
{
    return country.localizedName().contains(text, Qt::CaseInsensitive)
        || country.code.contains(text, Qt::CaseInsensitive);
}

void CountryListModel::setSearchText(const QString &text)
{
    if (text == m_searchText)
        return;
    m_searchText = text;

    QList<Country> rows;
    if (text.isEmpty()) {
        rows = allCountries();
    } else {
        for (const Country &country : allCountries()) {
            if (matches(country, text))
                rows.append(country);
        }
    }

    const bool countChanges = rows.size() != m_rows.size();
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
    Q_EMIT searchTextChanged();
    if (countChanges)
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
    return {{CodeRole, "code"}, {FlagRole, "flag"}, {NameRole, "name"}};
}

QString RegionTable::flagForCode(const QString &code) const
{
    const std::optional<Country> country = countryForCode(code);
    return country ? country->flag() : QString();
}
