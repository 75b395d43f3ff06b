// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import Vellumar.Style

// A control's background, ringed in the accent while the keyboard is on it.
Rectangle {
    required property T.Control control

    border.width: control.visualFocus ? 2 : 0
    border.color: Theme.accent
}
