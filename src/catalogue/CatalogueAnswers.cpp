// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CatalogueAnswers.h"

#include "JsonDecoding.h"

template<typename Record>
Result<CatalogueAnswer<Record>> CatalogueAnswer<Record>::decode(const QByteArray &json)
{
    Result<QJsonObject> top = parseJsonObject(json);
    if (!top)
        return top.error();
    JsonObjectReader reader(top.value(), QString());
    const QJsonArray array = reader.requiredArray(QLatin1StringView("results"));
    if (!reader.ok())
        return reader.error();
    CatalogueAnswer answer;
    answer.results.reserve(array.size());
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QString where = QStringLiteral("results[%1]").arg(i);
        if (!array.at(i).isObject()) {
            return DecodingError::make(DecodingError::TypeMismatch,
                QStringLiteral("%1 must be an object, found %2")
                    .arg(where, jsonTypeName(array.at(i))));
        }
        const QJsonObject object = array.at(i).toObject();
        if (object.value(QLatin1StringView("wrapperType")) == QLatin1StringView("artist"))
            continue;
        Result<Record> record = Record::decode(object, where);
        if (!record)
            return record.error();
        answer.results.append(std::move(record).value());
    }
    return answer;
}

template struct CatalogueAnswer<AppItem>;
template struct CatalogueAnswer<DetailedAppInfo>;
