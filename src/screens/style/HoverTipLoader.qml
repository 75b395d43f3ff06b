// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Vellumar.Style

// Shows `text` in a HoverTip once the pointer has rested on the control.
// The tip is built only then: a pointer crossing a row of buttons, or
// resting where a new window opens, builds nothing.
Loader {
    id: loader

    property bool hovered
    property string text
    property bool rested: false

    // The tip sits above the whole control, centred, clear of the pointer.
    anchors.fill: parent
    active: rested && hovered && text !== ""
    // Resolved here: a plain file name would be looked up beside the control.
    source: Qt.resolvedUrl("HoverTip.qml")
    onLoaded: (item as HoverTip).text = Qt.binding(() => loader.text)
    onHoveredChanged: rested = false

    Timer {
        interval: 600
        running: loader.hovered && !loader.rested
        onTriggered: loader.rested = true
    }
}
