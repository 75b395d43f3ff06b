// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ApplicationContext.h"

#include "catalogue/AppStoreAPI.h"
#include "export/DesktopPhotoLibrary.h"
#include "store/HistoryManager.h"
#include "store/KeyValueStore.h"
#include "store/SearchHistoryManager.h"
#include "store/SettingsManager.h"

#include <QQmlEngine>

namespace {
// Where an engine keeps its context.
constexpr const char *engineProperty = "vellumarApplicationContext";
} // namespace

ApplicationContext::ApplicationContext(
    const QString &storePath, std::optional<Language> language, QObject *parent)
    : QObject(parent)
    , m_store(std::make_unique<KeyValueStore>(storePath))
    , m_localization(language ? std::make_unique<LocalizationManager>(*language)
                              : std::make_unique<LocalizationManager>(*m_store))
    , m_settings(std::make_unique<SettingsManager>(*m_store))
    , m_history(std::make_unique<HistoryManager>(*m_store))
    , m_searchHistory(std::make_unique<SearchHistoryManager>(*m_store))
    , m_photoLibrary(std::make_shared<DesktopPhotoLibrary>())
    , m_catalogue(std::make_unique<AppStoreAPI>())
    , m_notices(std::make_unique<Notices>())
{
    connect(m_settings.get(), &SettingsManager::writeFailed, this, &ApplicationContext::report);
    connect(
        m_localization.get(), &LocalizationManager::writeFailed, this, &ApplicationContext::report);
}

ApplicationContext::~ApplicationContext()
{
    // The catalogue first: what awaits it may still use the rest.
    m_catalogue.reset();
}

void ApplicationContext::setPhotoLibrary(std::shared_ptr<PhotoLibrary> library)
{
    m_photoLibrary = std::move(library);
}

void ApplicationContext::report(const Error &error)
{
    if (m_notices->enabled())
        m_notices->post(error.localizedDescription(), Notices::Kind::failure);
    else
        Q_EMIT failureReported(error.localizedDescription());
}

void ApplicationContext::attach(QQmlEngine &engine)
{
    engine.setProperty(engineProperty, QVariant::fromValue(static_cast<QObject *>(this)));
}

ApplicationContext &ApplicationContext::of(QQmlEngine *engine)
{
    auto *context = engine
        ? qobject_cast<ApplicationContext *>(engine->property(engineProperty).value<QObject *>())
        : nullptr;
    if (!context)
        qFatal("no application context is attached to the QML engine");
    return *context;
}

ApplicationContext &ApplicationContext::of(const QObject *object)
{
    return of(qmlEngine(object));
}

void ContextObject::setContext(ApplicationContext &context)
{
    m_context = &context;
    contextSet();
}

void ContextObject::classBegin()
{
    setContext(ApplicationContext::of(this));
}

// The QML singletons are the context's own, which outlive every engine.
template<typename T>
static T *kept(T *object)
{
    QJSEngine::setObjectOwnership(object, QJSEngine::CppOwnership);
    return object;
}

ApplicationContext *ApplicationContext::create(QQmlEngine *engine, QJSEngine *)
{
    return kept(&of(engine));
}

SettingsManager *SettingsManager::create(QQmlEngine *engine, QJSEngine *)
{
    return kept(&ApplicationContext::of(engine).settings());
}

LocalizationManager *LocalizationManager::create(QQmlEngine *engine, QJSEngine *)
{
    return kept(&ApplicationContext::of(engine).localization());
}
