// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "JsonDecoding.h"

#include <QCborValue>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <cmath>

Error DecodingError::make(Code code, const QString &description)
{
    return Error { domain, code, description, Error::Kind::unreadableAnswer };
}

QString jsonTypeName(const QJsonValue &value)
{
    // In the order of QJsonValue::Type, Undefined aside.
    static constexpr const char *names[]
        = { "null", "a boolean", "a number", "a string", "an array", "an object" };
    return QLatin1StringView(value.isUndefined() ? "nothing" : names[value.type()]);
}

JsonObjectReader::JsonObjectReader(const QJsonObject &object, QString where)
    : m_object(object)
    , m_where(std::move(where))
{ }

void JsonObjectReader::fail(DecodingError::Code code, const QString &problem)
{
    if (m_error)
        return;
    const QString prefix = m_where.isEmpty() ? QString() : m_where + QStringLiteral(": ");
    m_error = DecodingError::make(code, prefix + problem);
}

std::optional<QJsonValue> JsonObjectReader::required(QLatin1StringView key)
{
    if (m_error)
        return std::nullopt;
    const auto it = m_object.constFind(key);
    if (it == m_object.constEnd()) {
        fail(DecodingError::KeyNotFound, QStringLiteral("key \"%1\" is missing").arg(key));
        return std::nullopt;
    }
    if (it->isNull()) {
        fail(DecodingError::ValueNotFound, QStringLiteral("key \"%1\" is null").arg(key));
        return std::nullopt;
    }
    return it.value();
}

qint64 JsonObjectReader::requiredInt64(QLatin1StringView key)
{
    const std::optional<QJsonValue> value = required(key);
    return value ? int64Of(key, *value) : 0;
}

std::optional<qint64> JsonObjectReader::optionalInt64(QLatin1StringView key)
{
    const QJsonValue value = m_object.value(key);
    if (m_error || value.isUndefined() || value.isNull())
        return std::nullopt;
    const qint64 number = int64Of(key, value);
    return ok() ? std::optional(number) : std::nullopt;
}

qint64 JsonObjectReader::int64Of(QLatin1StringView key, const QJsonValue &value)
{
    // Qt keeps integer literals that fit qint64 as exact integers and all
    // other numbers as doubles; going through QCborValue tells them apart, so
    // large identifiers never pass through a double.
    const QCborValue cbor = QCborValue::fromJsonValue(value);
    if (cbor.isInteger())
        return cbor.toInteger();
    if (cbor.isDouble()) {
        const double d = cbor.toDouble();
        // Whole numbers written as 12.0 or 1e3 are accepted; 2^63 is not.
        if (std::isfinite(d) && std::trunc(d) == d && d >= -9223372036854775808.0
            && d < 9223372036854775808.0)
            return static_cast<qint64>(d);
        fail(DecodingError::TypeMismatch,
            QStringLiteral("key \"%1\" must be a whole number within 64 bits, found %2")
                .arg(key, QString::number(d, 'g', 17)));
        return 0;
    }
    fail(DecodingError::TypeMismatch,
        QStringLiteral("key \"%1\" must be an integer, found %2").arg(key, jsonTypeName(value)));
    return 0;
}

QString JsonObjectReader::requiredString(QLatin1StringView key)
{
    const std::optional<QJsonValue> value = required(key);
    if (!value)
        return {};
    if (!value->isString()) {
        fail(DecodingError::TypeMismatch,
            QStringLiteral("key \"%1\" must be a string, found %2").arg(key, jsonTypeName(*value)));
        return {};
    }
    return value->toString();
}

std::optional<QString> JsonObjectReader::optionalString(QLatin1StringView key)
{
    if (m_error)
        return std::nullopt;
    const QJsonValue value = m_object.value(key);
    if (value.isUndefined() || value.isNull())
        return std::nullopt;
    if (!value.isString()) {
        fail(DecodingError::TypeMismatch,
            QStringLiteral("key \"%1\" must be a string or null, found %2")
                .arg(key, jsonTypeName(value)));
        return std::nullopt;
    }
    return value.toString();
}

QJsonArray JsonObjectReader::requiredArray(QLatin1StringView key)
{
    const std::optional<QJsonValue> value = required(key);
    if (value && !value->isArray()) {
        fail(DecodingError::TypeMismatch,
            QStringLiteral("key \"%1\" must be an array, found %2").arg(key, jsonTypeName(*value)));
    }
    return value ? value->toArray() : QJsonArray();
}

QStringList JsonObjectReader::requiredStringArray(QLatin1StringView key)
{
    const QJsonArray array = requiredArray(key);
    QStringList strings;
    for (qsizetype i = 0; i < array.size() && ok(); ++i) {
        if (!array.at(i).isString()) {
            fail(DecodingError::TypeMismatch,
                QStringLiteral("element %1 of \"%2\" must be a string, found %3")
                    .arg(QString::number(i), key, jsonTypeName(array.at(i))));
        }
        strings.append(array.at(i).toString());
    }
    return ok() ? strings : QStringList();
}

QStringList JsonObjectReader::optionalStringArray(QLatin1StringView key)
{
    const QJsonValue value = m_object.value(key);
    return value.isUndefined() || value.isNull() ? QStringList() : requiredStringArray(key);
}

Result<QJsonObject> parseJsonObject(const QByteArray &data)
{
    if (data.isEmpty()) {
        return DecodingError::make(
            DecodingError::DataCorrupted, QStringLiteral("The answer is empty"));
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(data, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return DecodingError::make(DecodingError::DataCorrupted,
            QStringLiteral("The answer is not valid JSON (%1 at offset %2)")
                .arg(parseError.errorString(), QString::number(parseError.offset)));
    }
    if (!document.isObject()) {
        return DecodingError::make(
            DecodingError::TypeMismatch, QStringLiteral("The answer must be a JSON object"));
    }
    return document.object();
}
