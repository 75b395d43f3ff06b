// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class KeyValueStore;
class QWindow;

#include <QSize>

// The window comes back where and as large as it was left, as long as that
// is still on a screen; the store keeps it under "WindowGeometry".
namespace WindowGeometry {

void restore(QWindow &window, const KeyValueStore &store);
// Writes only a change: against what is stored or, with nothing stored, against
// the window's own size (where a window manager placed it is no choice of the user's).
// A write that fails leaves its console line: the application is ending.
void remember(const QWindow &window, QSize defaultSize, KeyValueStore &store);

} // namespace WindowGeometry
