// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Vellumar.Style

// A hairline between two parts of a screen; given a width, a horizontal one.
Rectangle {
    implicitWidth: 1
    implicitHeight: 1
    color: Theme.separator
    opacity: 0.6
}
