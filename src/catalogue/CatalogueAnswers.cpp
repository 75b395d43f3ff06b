#include "CatalogueAnswers.h"

#include "JsonDecoding.h"

#include <QJsonArray>

namespace {

// Decodes the "results" array of an answer with Record::decode per item.
template<typename Record>
Result<QList<Record>> decodeResults(const QByteArray &json)
{
    Result<QJsonObject> top = parseJsonObject(json);
    if (!top)
        return top.error();
    const QJsonObject &envelope = top.value();
    const auto key = QLatin1StringView("results");
    const auto it = envelope.constFind(key);
    if (it == envelope.constEnd())
        return DecodingError::make(
            DecodingError::KeyNotFound, QStringLiteral("key \"results\" is missing"));
    if (it->isNull())
        return DecodingError::make(
            DecodingError::ValueNotFound, QStringLiteral("key \"results\" is null"));
    if (!it->isArray())
        return DecodingError::make(DecodingError::TypeMismatch,
            QStringLiteral("key \"results\" must be an array, found %1")
                .arg(jsonTypeName(it.value())));
    const QJsonArray array = it->toArray();
    QList<Record> records;
    records.reserve(array.size());
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QString where = QStringLiteral("results[%1]").arg(i);
        const QJsonValue element = array.at(i);
        if (!element.isObject())
            return DecodingError::make(DecodingError::TypeMismatch,
                QStringLiteral("%1 must be an object, found %2").arg(where, jsonTypeName(element)));
        Result<Record> record = Record::decode(element.toObject(), where);
        if (!record)
            return record.error();
        records.append(std::move(record).value());
    }
    return records;
}

} // namespace

Result<SearchResult> SearchResult::decode(const QByteArray &json)
{
    Result<QList<AppItem>> items = decodeResults<AppItem>(json);
    if (!items)
        return items.error();
    return SearchResult { std::move(items).value() };
}

Result<LookupResult> LookupResult::decode(const QByteArray &json)
{
    Result<QList<DetailedAppInfo>> items = decodeResults<DetailedAppInfo>(json);
    if (!items)
        return items.error();
    return LookupResult { std::move(items).value() };
}
