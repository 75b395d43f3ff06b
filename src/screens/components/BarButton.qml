// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import Vellumar.Style

// A flat button for title bars, fields and alerts: a symbol, or else a text,
// in the accent colour. Drawn from the templates alone, like the rest of the
// first screen (see the start-up note in SearchPage).
T.AbstractButton {
    id: button

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
        hovered: button.hovered && button.symbol !== ""
        text: button.Accessible.name
    }

    contentItem: Text {
        text: button.symbol !== "" ? Theme.glyph(button.symbol) : button.text
        font.family: button.symbol !== "" ? Theme.symbolFamily : button.font.family
        font.pixelSize: button.symbol !== "" ? button.symbolSize : Theme.bodySize
        font.weight: button.strong ? Font.DemiBold : Font.Normal
        // Grey when disabled, like the other title-bar buttons: on a clear
        // background the text is all there is to tell.
        color: button.enabled ? button.color : Theme.systemGray
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        Accessible.ignored: true
    }

    background: FocusFrame {
        control: button
        radius: height / 2
        color: button.down ? Theme.systemGray5 : button.hovered ? Theme.systemGray6 : "transparent"
        opacity: button.enabled ? 1 : 0.4
    }
}
