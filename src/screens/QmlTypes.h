#pragma once

#include "catalogue/AppItem.h"
#include "catalogue/DetailedAppInfo.h"
#include "store/LocalizationManager.h"
#include "store/SettingsManager.h"
#include "workflow/AppDetailLoader.h"
#include "workflow/ContentViewModel.h"
#include "workflow/HistoryViewModel.h"
#include "workflow/IconSaveFlow.h"
#include "workflow/ScreenshotSaver.h"

#include <QJSEngine>
#include <QList>
#include <QQmlEngine>

// The core library knows nothing of QML; its types are registered here, in
// the screens module, without touching their headers.

namespace QmlTypes {
// The process-wide instance, kept out of the JavaScript garbage collector.
template<typename T>
T *sharedInstance()
{
    T *instance = T::shared();
    QJSEngine::setObjectOwnership(instance, QJSEngine::CppOwnership);
    return instance;
}
} // namespace QmlTypes

struct AppItemForeign
{
    Q_GADGET
    QML_FOREIGN(AppItem)
    QML_VALUE_TYPE(appItem)
};

struct AppItemListForeign
{
    Q_GADGET
    QML_FOREIGN(QList<AppItem>)
    QML_ANONYMOUS
    QML_SEQUENTIAL_CONTAINER(AppItem)
};

struct IconSaveFlowForeign
{
    Q_GADGET
    QML_FOREIGN(IconSaveFlow)
    QML_NAMED_ELEMENT(IconSaveFlow)
};

struct ContentViewModelForeign
{
    Q_GADGET
    QML_FOREIGN(ContentViewModel)
    QML_NAMED_ELEMENT(ContentViewModel)
};

struct SettingsManagerForeign
{
    Q_GADGET
    QML_FOREIGN(SettingsManager)
    QML_NAMED_ELEMENT(SettingsManager)
    QML_SINGLETON
public:
    static SettingsManager *create(QQmlEngine *, QJSEngine *)
    {
        return QmlTypes::sharedInstance<SettingsManager>();
    }
};

struct LocalizationManagerForeign
{
    Q_GADGET
    QML_FOREIGN(LocalizationManager)
    QML_NAMED_ELEMENT(LocalizationManager)
    QML_SINGLETON
public:
    static LocalizationManager *create(QQmlEngine *, QJSEngine *)
    {
        return QmlTypes::sharedInstance<LocalizationManager>();
    }
};

// The detail, screenshot and history screens.

struct DetailedAppInfoForeign
{
    Q_GADGET
    QML_FOREIGN(DetailedAppInfo)
    QML_VALUE_TYPE(detailedAppInfo)
};

struct AppDetailLoaderForeign
{
    Q_GADGET
    QML_FOREIGN(AppDetailLoader)
    QML_NAMED_ELEMENT(AppDetailLoader)
};

struct ScreenshotSaverForeign
{
    Q_GADGET
    QML_FOREIGN(ScreenshotSaver)
    QML_NAMED_ELEMENT(ScreenshotSaver)
};

struct HistoryViewModelForeign
{
    Q_GADGET
    QML_FOREIGN(HistoryViewModel)
    QML_NAMED_ELEMENT(HistoryViewModel)
};
