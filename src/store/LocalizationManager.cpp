// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LocalizationManager.h"

#include "KeyValueStore.h"
#include "catalogue/Error.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTranslator>

#include <array>

namespace {

// Each language once: its raw value (id, locale name and stored form), its
// name as the picker shows it, never translated, and its string table.
struct LanguageInfo
{
    const char *rawValue;
    const char *displayName;
    const char *table;
};
constexpr std::array<LanguageInfo, 2> languageInfo { {
    { "zh-Hans", "简体中文", ":/i18n/vellumar_zh_CN.qm" },
    { "en", "English", ":/i18n/vellumar_en.qm" },
} };

QString rawValue(Language language)
{
    return QString::fromLatin1(languageInfo[size_t(language)].rawValue);
}

QString tablePath(Language language)
{
    return QString::fromLatin1(languageInfo[size_t(language)].table);
}

std::optional<Language> languageFromRawValue(const QString &raw)
{
    for (size_t n = 0; n < languageInfo.size(); ++n) {
        if (raw == QLatin1StringView(languageInfo[n].rawValue))
            return Language(n);
    }
    return std::nullopt;
}

} // namespace

Language localeLanguage()
{
    for (const char *name : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        const QByteArray locale = qgetenv(name);
        if (!locale.isEmpty())
            return locale.startsWith("zh") ? Language::chinese : Language::english;
    }
    return Language::english;
}

LocalizationManager::LocalizationManager(KeyValueStore &store, QObject *parent)
    : QObject(parent)
    , m_store(&store)
{
    // Chinese unless English was picked; an unknown stored value is left in
    // place until the user picks again.
    const std::optional<QString> stored = store.stringForKey(userDefaultsKey);
    m_currentLanguage = languageFromRawValue(stored.value_or(rawValue(Language::chinese)))
                            .value_or(Language::chinese);
    m_offersEnglish = !stored && localeLanguage() != Language::chinese;
    installTable(m_currentLanguage);
}

LocalizationManager::LocalizationManager(Language language, QObject *parent)
    : QObject(parent)
    , m_currentLanguage(language)
{
    installTable(language);
}

LocalizationManager::~LocalizationManager()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
}

void LocalizationManager::setCurrentLanguage(Language language)
{
    m_currentLanguage = language;
    // The table first, so that whatever the signal rebuilds reads the new texts.
    installTable(language);
    emit currentLanguageChanged();
    if (m_offersEnglish) {
        m_offersEnglish = false;
        emit offersEnglishChanged();
    }
    if (!m_store)
        return;
    if (const Result<void> written = m_store->setString(userDefaultsKey, rawValue(language));
        !written)
        emit writeFailed(written.error());
}

QString LocalizationManager::currentLanguageRawValue() const
{
    return rawValue(m_currentLanguage);
}

void LocalizationManager::setCurrentLanguageRawValue(const QString &raw)
{
    const std::optional<Language> language = languageFromRawValue(raw);
    if (!language) {
        qCInfo(lcStore).noquote() << QStringLiteral("未知的语言: ") + raw;
        return;
    }
    setCurrentLanguage(*language);
}

QStringList LocalizationManager::languages()
{
    QStringList raw;
    for (const LanguageInfo &info : languageInfo)
        raw.append(QString::fromLatin1(info.rawValue));
    return raw;
}

QStringList LocalizationManager::languageDisplayNames()
{
    QStringList names;
    for (const LanguageInfo &info : languageInfo)
        names.append(QString::fromUtf8(info.displayName));
    return names;
}

QStringList LocalizationManager::translationsOf(const char *id)
{
    // Tables of their own, loaded once and never installed.
    static const auto tables = [] {
        std::array<std::unique_ptr<QTranslator>, languageInfo.size()> loaded;
        for (size_t n = 0; n < loaded.size(); ++n) {
            loaded[n] = std::make_unique<QTranslator>();
            if (!loaded[n]->load(tablePath(Language(n))))
                loaded[n].reset();
        }
        return loaded;
    }();
    QStringList texts;
    for (const std::unique_ptr<QTranslator> &table : tables) {
        const QString text = table ? table->translate(nullptr, id) : QString();
        if (!text.isEmpty())
            texts.append(text);
    }
    return texts;
}

void LocalizationManager::installTable(Language language)
{
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(tablePath(language))) {
        // Install before removing, so that no lookup in between finds no table.
        QCoreApplication::installTranslator(translator.get());
    } else {
        // Every lookup then shows its key rather than the previous language.
        qCInfo(lcStore).noquote() << QStringLiteral("无法加载语言表: ") + tablePath(language);
        translator.reset();
    }
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
    m_translator = std::move(translator);
}
