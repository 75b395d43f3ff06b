// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalogue/Error.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

#include <array>
#include <memory>
#include <optional>

class KeyValueStore;
class QJSEngine;
class QQmlEngine;
class QTranslator;

// The interface language, in picker order.
enum class Language { chinese, english };

// The language of the process's locale, for what follows the terminal rather
// than the stored choice: the first non-empty of LC_ALL, LC_MESSAGES and LANG,
// as POSIX orders them. Chinese for any zh locale, English for every other,
// C, POSIX and none included.
[[nodiscard]] Language localeLanguage();

// Holds the in-app language and installs its string table on the
// application, so that qtTrId() in C++ and qsTrId() in QML (after the engine
// retranslates) both answer in it. The choice is read from the store at
// construction, without writing, and written on every assignment.
class LocalizationManager : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    // The raw value ("zh-Hans" or "en"). Its change signal is the cue for the
    // application root to rebuild every screen in the new language.
    Q_PROPERTY(QString currentLanguage READ currentLanguageRawValue WRITE setCurrentLanguageRawValue
            NOTIFY currentLanguageChanged)
    // Raw values and display names of every language, in picker order.
    Q_PROPERTY(QStringList languages READ languages CONSTANT)
    Q_PROPERTY(QStringList languageDisplayNames READ languageDisplayNames CONSTANT)
    // Whether to offer English once: nothing is stored yet and the desktop's
    // locale is not Chinese. Any choice, Chinese included, ends the offer.
    Q_PROPERTY(bool offersEnglish READ offersEnglish NOTIFY offersEnglishChanged)

public:
    // QML's singleton is the one of the engine's application context.
    static LocalizationManager *create(QQmlEngine *engine, QJSEngine *);

    // Reads the stored choice and installs its table. Destroying the
    // instance uninstalls its table.
    explicit LocalizationManager(KeyValueStore &store, QObject *parent = nullptr);
    // Installs the table of `language` for this process alone: the stored
    // choice is neither read nor written (vellumar-cli speaks the terminal's).
    explicit LocalizationManager(Language language, QObject *parent = nullptr);
    ~LocalizationManager() override;

    [[nodiscard]] Language currentLanguage() const { return m_currentLanguage; }
    void setCurrentLanguage(Language language);

    [[nodiscard]] QString currentLanguageRawValue() const;
    // A text that is no raw value changes nothing and is reported on the console.
    void setCurrentLanguageRawValue(const QString &raw);

    [[nodiscard]] bool offersEnglish() const { return m_offersEnglish; }

    [[nodiscard]] static QStringList languages();
    [[nodiscard]] static QStringList languageDisplayNames();
    // The text of a message id in every language's table, whichever is installed;
    // a table that lacks the id adds nothing.
    [[nodiscard]] static QStringList translationsOf(const char *id);

signals:
    void currentLanguageChanged();
    void offersEnglishChanged();
    // The choice could not be stored; it holds for this run.
    void writeFailed(const Error &error);

private:
    void installTable(Language language);

    static inline const QString userDefaultsKey = QStringLiteral("selectedLanguage");
    KeyValueStore *m_store = nullptr; // null: nothing is remembered
    Language m_currentLanguage = Language::chinese;
    bool m_offersEnglish = false;
    std::unique_ptr<QTranslator> m_translator;
};
