// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

// One store region; the code is what the catalogue service takes as its region.
struct Country
{
    Q_GADGET
    Q_PROPERTY(QString nameKey MEMBER nameKey CONSTANT)
    Q_PROPERTY(QString code MEMBER code CONSTANT)
    Q_PROPERTY(QString flag READ flag CONSTANT)
    Q_PROPERTY(QString localizedName READ localizedName)
public:
    QString nameKey;
    QString code;

    // The regional-indicator pair of the code: its flag emoji.
    [[nodiscard]] QString flag() const;
    // The region's name in the in-app language, resolved now.
    [[nodiscard]] QString localizedName() const;

    friend bool operator==(const Country &, const Country &) = default;
};

// The 235 regions in the order the picker shows them; built once per process.
[[nodiscard]] const QList<Country> &allCountries();

// The first region with exactly this code, if any.
[[nodiscard]] std::optional<Country> countryForCode(const QString &code);
