// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Controls
import Vellumar.Style

// A pop-up menu drawn flat, without shader effects, so that it shows on
// every backend and in either look.
Menu {
    background: Rectangle {
        implicitWidth: 220
        radius: 8
        color: Theme.systemBackground
        border.width: 1
        border.color: Theme.separator
    }
}
