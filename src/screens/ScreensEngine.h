// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QUrl>

class ApplicationContext;
class Desktop;
class QQmlEngine;

// The set-up that the application, the screen tests and the tools share, so
// that every one of them shows exactly what a user sees.
namespace ScreensEngine {

// Before the first engine: the Material style and the embedded symbol font.
// Chinese text and flags come from the system's fonts through fontconfig.
void prepareApplication();

// Every image the screens load obeys the network rules of the core; rounded
// pictures come from the "picture" image provider; the screens work on
// `context`, which outlives the engine.
void setUpEngine(QQmlEngine &engine, ApplicationContext &context);

// The engine's desktop singleton.
[[nodiscard]] Desktop &desktop(QQmlEngine &engine);

// The window: the tab shell in the chosen language.
[[nodiscard]] QUrl mainUrl();

} // namespace ScreensEngine
