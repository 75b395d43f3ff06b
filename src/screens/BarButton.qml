// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import Vellumar

// A flat button for title bars, fields and alerts: a symbol, or else a text,
// in the accent colour. Drawn from the templates alone, like the rest of the
// first screen (see the start-up note in ContentView).
T.AbstractButton {
    id: control

    // A symbol name (see Theme.glyphs); without one the text is shown.
    property string symbol
    property color color: Theme.accent
    property int symbolSize: 22
    property bool strong: false

    implicitWidth: Math.max(44, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(44, implicitContentHeight + topPadding + bottomPadding)
    padding: 6
    focusPolicy: Qt.StrongFocus
    Accessible.role: Accessible.Button
    Accessible.name: text
    hoverEnabled: true

    // A symbol alone says nothing to someone who has not met it yet.
    HoverTipLoader {
        hovered: control.hovered && control.symbol !== ""
        text: control.Accessible.name
    }

    contentItem: Text {
        text: control.symbol !== "" ? Theme.glyph(control.symbol) : control.text
        font.family: control.symbol !== "" ? Theme.symbolFamily : control.font.family
        font.pixelSize: control.symbol !== "" ? control.symbolSize : Theme.bodySize
        font.weight: control.strong ? Font.DemiBold : Font.Normal
        // Grey when disabled, like the other title-bar buttons: on a clear
        // background the text is all there is to tell.
        color: control.enabled ? control.color : Theme.systemGray
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        Accessible.ignored: true
    }

    background: Rectangle {
        radius: height / 2
        color: control.down ? Theme.systemGray5 : control.hovered ? Theme.systemGray6 : "transparent"
        border.width: control.visualFocus ? 2 : 0
        border.color: Theme.accent
        opacity: control.enabled ? 1 : 0.4
    }
}
