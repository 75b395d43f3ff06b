// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Country.h"

namespace {

// Table order, not sorted by code. tools/generate_region_names.py reads this
// list to produce the region names of both string tables.
// clang-format off
constexpr const char *countryCodes[] = {
    "AF", "AX", "AL", "DZ", "AS", "AD", "AO", "AI", "AQ", "AG", "AR", "AM", "AW", "AU", "AT", "AZ",
    "BS", "BH", "BD", "BB", "BY", "BE", "BZ", "BJ", "BM", "BT", "BO", "BA", "BW", "BR", "IO", "BN",
    "BG", "BF", "BI", "KH", "CM", "CA", "CV", "KY", "CF", "TD", "CL", "CN", "CX", "CC", "CO", "KM",
    "CG", "CD", "CK", "CR", "CI", "HR", "CU", "CW", "CY", "CZ", "DK", "DJ", "DM", "DO", "EC", "EG",
    "SV", "GQ", "ER", "EE", "ET", "FK", "FO", "FJ", "FI", "FR", "GF", "PF", "GA", "GM", "GE", "DE",
    "GH", "GI", "GR", "GL", "GD", "GP", "GU", "GT", "GG", "GN", "GW", "GY", "HT", "HN", "HK", "HU",
    "IS", "IN", "ID", "IR", "IQ", "IE", "IM", "IL", "IT", "JM", "JP", "JE", "JO", "KZ", "KE", "KI",
    "KP", "KR", "KW", "KG", "LA", "LV", "LB", "LS", "LR", "LY", "LI", "LT", "LU", "MO", "MK", "MG",
    "MW", "MY", "MV", "ML", "MT", "MH", "MQ", "MR", "MU", "YT", "MX", "FM", "MD", "MC", "MN", "ME",
    "MS", "MA", "MZ", "MM", "NA", "NR", "NP", "NL", "NC", "NZ", "NI", "NE", "NG", "NU", "NF", "MP",
    "NO", "OM", "PK", "PW", "PS", "PA", "PG", "PY", "PE", "PH", "PL", "PT", "PR", "QA", "RE", "RO",
    "RU", "RW", "SH", "KN", "LC", "PM", "VC", "WS", "SM", "ST", "SA", "SN", "RS", "SC", "SL", "SG",
    "SK", "SI", "SB", "SO", "ZA", "ES", "LK", "SD", "SR", "SZ", "SE", "CH", "SY", "TW", "TJ", "TZ",
    "TH", "TL", "TG", "TK", "TO", "TT", "TN", "TR", "TM", "TC", "TV", "UG", "UA", "AE", "GB", "US",
    "UY", "UZ", "VU", "VA", "VE", "VN", "VG", "VI", "YE", "ZM", "ZW",
};
// clang-format on

// Distance from 'A' (U+0041) to REGIONAL INDICATOR SYMBOL LETTER A (U+1F1E6).
constexpr char32_t regionalIndicatorOffset = 0x1F1A5;

} // namespace

QString Country::flag() const
{
    QString result;
    for (const char32_t scalar : code.toUcs4()) {
        const char32_t shifted = scalar + regionalIndicatorOffset;
        result += QString::fromUcs4(&shifted, 1);
    }
    return result;
}

QString Country::localizedName() const
{
    return qtTrId(nameKey.toUtf8().constData());
}

const QList<Country> &allCountries()
{
    // A function-local static is built exactly once, even with concurrent
    // first callers.
    static const QList<Country> table = [] {
        QList<Country> rows;
        rows.reserve(std::size(countryCodes));
        for (const char *code : countryCodes) {
            const QString upper = QString::fromLatin1(code);
            rows.append(Country { QStringLiteral("country_name_") + upper.toLower(), upper });
        }
        return rows;
    }();
    return table;
}

std::optional<Country> countryForCode(const QString &code)
{
    for (const Country &country : allCountries()) {
        if (country.code == code)
            return country;
    }
    return std::nullopt;
}
