// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import Vellumar.Style

// A choice in effect, shown in a grey capsule in a title bar. The capsule is
// drawn inset so that the button stays a comfortable target.
T.AbstractButton {
    id: button

    // Without it the capsule is not drawn.
    property bool showsCapsule: true

    implicitWidth: Math.max(44, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: 44
    leftPadding: 8
    rightPadding: 8
    topInset: (height - implicitContentHeight) / 2 - 4
    bottomInset: topInset
    focusPolicy: Qt.StrongFocus
    hoverEnabled: true
    Accessible.role: Accessible.Button

    background: FocusFrame {
        control: button
        visible: button.showsCapsule
        radius: height / 2
        color: button.down || button.hovered ? Theme.systemGray5Pressed : Theme.systemGray5
    }
}
