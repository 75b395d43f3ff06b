// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

#include <optional>

namespace Platforms {
Q_NAMESPACE
QML_NAMED_ELEMENT(Platform)

// The devices whose apps a search lists. Capitalised, as QML reads enum
// values only by capitalised names.
enum class Platform { IPhone, IPad, Mac };
Q_ENUM_NS(Platform)
} // namespace Platforms

using Platform = Platforms::Platform;

// The stored form: "iphone", "ipad", "mac".
[[nodiscard]] QString rawValue(Platform platform);
[[nodiscard]] std::optional<Platform> platformFromRawValue(const QString &raw);

// The names people know them by, the same in every language, in the order of the cases.
[[nodiscard]] QStringList platformDisplayNames();

// The search's entity: "software", "iPadSoftware", "macSoftware".
[[nodiscard]] QByteArray searchEntity(Platform platform);
