// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFuture>
#include <QUrl>

class ApplicationContext;
class Desktop;
class QQmlApplicationEngine;
class QQmlEngine;

// The set-up that the application, the screen tests and the tools share, so
// that every one of them shows exactly what a user sees.
namespace ScreensEngine {

// Before the first engine: the Material style and the fonts. The embedded
// fonts (symbols, the Chinese cuts) are registered on another thread, as the
// first registration reads the system's whole font configuration, the longest
// single step of a start: the application sets up its engine meanwhile. No
// text may be laid out before the returned future has finished. Chinese text
// missing from the cuts, and flags, come from the system's fonts.
[[nodiscard]] QFuture<void> startPreparingApplication();

// The same, finished on return.
void prepareApplication();

// Starts compiling the window's types on the engine's loader thread, the
// longest step of a start after the fonts: a start opens its context
// meanwhile. Optional; loadMainWindow compiles what is left.
void startCompiling(QQmlEngine &engine);

// Every image the screens load obeys the network rules of the core; rounded
// pictures come from the "picture" image provider; the screens work on
// `context`, which outlives the engine.
void setUpEngine(QQmlEngine &engine, ApplicationContext &context);

// The engine's desktop singleton.
[[nodiscard]] Desktop &desktop(QQmlEngine &engine);

// The window: the tab shell in the chosen language.
[[nodiscard]] QUrl mainUrl();

// Loads the window into `engine` once `preparation` has finished: its first
// text needs the fonts.
void loadMainWindow(QQmlApplicationEngine &engine, QFuture<void> preparation);

} // namespace ScreensEngine
