// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Result.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

// Errors of strict JSON decoding, all of the kind unreadableAnswer. The detail
// names the offending key and where it sits, e.g. `results[3]: key "trackId"
// is missing`.
namespace DecodingError {
inline const QString domain = QStringLiteral("DecodingError");
enum Code { DataCorrupted = 1, KeyNotFound, ValueNotFound, TypeMismatch };

[[nodiscard]] Error make(Code code, const QString &detail);
} // namespace DecodingError

// Reads the fields of one JSON object with exact presence and type checks.
// The first problem is kept and later reads return empty values, so a caller
// reads every field and checks error() once at the end.
class JsonObjectReader
{
public:
    // `where` names the object in messages, e.g. "results[3]".
    JsonObjectReader(const QJsonObject &object, QString where);

    // An integral JSON number that fits a signed 64-bit integer. A string of
    // digits, a fraction or an out-of-range number is a type mismatch.
    qint64 requiredInt64(QLatin1StringView key);
    // Missing or null is absent; otherwise as requiredInt64.
    std::optional<qint64> optionalInt64(QLatin1StringView key);
    QString requiredString(QLatin1StringView key);
    // Missing or null is absent; any other non-string is a type mismatch.
    std::optional<QString> optionalString(QLatin1StringView key);
    QJsonArray requiredArray(QLatin1StringView key);
    // An array whose every element is a string; an empty array is valid.
    QStringList requiredStringArray(QLatin1StringView key);
    // Missing or null is an empty list; otherwise as requiredStringArray.
    QStringList optionalStringArray(QLatin1StringView key);

    [[nodiscard]] bool ok() const { return !m_error.has_value(); }
    [[nodiscard]] const Error &error() const { return *m_error; }

private:
    // The value of a required key, or nothing after recording why not.
    std::optional<QJsonValue> required(QLatin1StringView key);
    qint64 int64Of(QLatin1StringView key, const QJsonValue &value);
    void fail(DecodingError::Code code, const QString &problem);

    QJsonObject m_object;
    QString m_where;
    std::optional<Error> m_error;
};

// Parses a whole answer and returns its top-level object, or a decoding error
// when the bytes are not JSON or the top level is not an object.
[[nodiscard]] Result<QJsonObject> parseJsonObject(const QByteArray &data);

// Name of a JSON value's type for messages ("a string", "null", ...).
[[nodiscard]] QString jsonTypeName(const QJsonValue &value);
