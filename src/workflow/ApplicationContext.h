// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Notices.h"
#include "catalogue/Error.h"
#include "store/LocalizationManager.h"

#include <QObject>
#include <QQmlParserStatus>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <memory>
#include <optional>

class AppStoreAPI;
class HistoryManager;
class KeyValueStore;
class PhotoLibrary;
class QJSEngine;
class QQmlEngine;
class SearchHistoryManager;
class SettingsManager;

// Everything of the application that lives as long as it runs: the store,
// the settings, both histories, the interface language, the photo library
// and the catalogue client. main() makes one (vellumar-cli too) and hands it
// to what needs it; QML reaches it through the engine it is attached to, and
// each test case makes a fresh one. It outlives what it starts: destroyed, it
// ends the transfers in flight.
class ApplicationContext : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(Notices *notices READ notices CONSTANT)

public:
    // On the store at `storePath`. The interface speaks the stored language,
    // or `language`, which is then neither read nor remembered.
    explicit ApplicationContext(
        const QString &storePath, std::optional<Language> language = {}, QObject *parent = nullptr);
    ~ApplicationContext() override;

    // QML's singleton: the context attached to the engine.
    static ApplicationContext *create(QQmlEngine *engine, QJSEngine *);
    // The QML singletons and models `engine` makes use this context.
    void attach(QQmlEngine &engine);
    // The context of `engine`, or of the engine that made `object`. A program
    // error when none is attached.
    [[nodiscard]] static ApplicationContext &of(QQmlEngine *engine);
    [[nodiscard]] static ApplicationContext &of(const QObject *object);

    [[nodiscard]] KeyValueStore &store() const { return *m_store; }
    [[nodiscard]] SettingsManager &settings() const { return *m_settings; }
    [[nodiscard]] HistoryManager &history() const { return *m_history; }
    [[nodiscard]] SearchHistoryManager &searchHistory() const { return *m_searchHistory; }
    [[nodiscard]] LocalizationManager &localization() const { return *m_localization; }
    [[nodiscard]] AppStoreAPI &catalogue() const { return *m_catalogue; }
    // Shared with the work on the thread pool that writes into it.
    [[nodiscard]] const std::shared_ptr<PhotoLibrary> &photoLibrary() const
    {
        return m_photoLibrary;
    }
    void setPhotoLibrary(std::shared_ptr<PhotoLibrary> library);
    [[nodiscard]] Notices *notices() const { return m_notices.get(); }

    // The one way a failure the person should know of reaches the screens
    // (its technical side is on the console already, where it happened): a
    // notice that stays, or where the window shows none, an alert.
    void report(const Error &error);

Q_SIGNALS:
    // What to tell the person in an alert, in the interface's language.
    void failureReported(const QString &message);
    // A start (this one's, or a later one's handed over) asks the window to
    // search `text`, or open the store link in it, in `region` (empty: the
    // window's own).
    void startRequested(const QString &text, const QString &region);

private:
    std::unique_ptr<KeyValueStore> m_store;
    std::unique_ptr<LocalizationManager> m_localization;
    std::unique_ptr<SettingsManager> m_settings;
    std::unique_ptr<HistoryManager> m_history;
    std::unique_ptr<SearchHistoryManager> m_searchHistory;
    std::shared_ptr<PhotoLibrary> m_photoLibrary;
    std::unique_ptr<AppStoreAPI> m_catalogue;
    std::unique_ptr<Notices> m_notices;
};

// What works on an application context: given one when made in C++, or
// taking the one of its engine when QML makes it, before any property is set.
class ContextObject : public QObject, public QQmlParserStatus
{
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)

public:
    // Once, before the object is used.
    void setContext(ApplicationContext &context);
    void classBegin() override;
    void componentComplete() override { }

protected:
    using QObject::QObject;
    [[nodiscard]] ApplicationContext &context() const { return *m_context; }
    // Follows what the context holds; called once, by setContext().
    virtual void contextSet() { }

private:
    ApplicationContext *m_context = nullptr;
};
