// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import Vellumar.Core
import Vellumar.Style

// The round save button of a result or history row; its tap does not open the
// row. It says what it saves; a right click asks for other sizes and shapes.
T.AbstractButton {
    id: button

    signal optionsRequested()

    implicitWidth: 34
    implicitHeight: 34
    padding: 8
    focusPolicy: Qt.StrongFocus
    Accessible.role: Accessible.Button
    Accessible.name: qsTrId("save_icon")
    hoverEnabled: true

    HoverTipLoader {
        hovered: button.hovered
        text: SettingsManager.saveOptions.description
    }

    TapHandler {
        acceptedButtons: Qt.RightButton
        onTapped: button.optionsRequested()
    }

    contentItem: Symbol {
        name: "square.and.arrow.down"
        size: 18
        color: Theme.accent
    }

    background: FocusFrame {
        control: button
        radius: width / 2
        color: button.down || button.hovered ? Theme.accentFillPressed : Theme.accentFill
    }
}
