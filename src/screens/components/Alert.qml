// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vellumar.Style

// A centred modal alert: a title, a message and a row of buttons (BarButtons
// given as children). Drawn flat, without shader effects, so that it shows on
// every backend.
Dialog {
    id: alert

    property string message
    default property alias buttons: buttonRow.data

    parent: Overlay.overlay
    anchors.centerIn: parent
    width: Math.min(300, parent ? parent.width - 48 : 300)
    modal: true
    // The same dim in either look.
    Overlay.modal: Rectangle {
        color: "#66000000"
    }
    focus: true
    closePolicy: Popup.CloseOnEscape
    topPadding: 8
    bottomPadding: 16

    background: Rectangle {
        color: Theme.systemBackground
        radius: 14
        // The dim alone hardly lifts it off the dark look's cards.
        border.width: Theme.dark ? 1 : 0
        border.color: Theme.separator
    }

    // Each showing starts on the message, whichever button was clicked last
    // time, so that Return dismisses.
    onOpened: contentItem.forceActiveFocus()

    header: Text {
        objectName: "alertTitle"
        topPadding: 20
        leftPadding: 20
        rightPadding: 20
        text: alert.title
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        horizontalAlignment: Text.AlignHCenter
        color: Theme.label
        font.pixelSize: Theme.headlineSize
        font.weight: Font.DemiBold
    }

    contentItem: Text {
        objectName: "alertMessage"
        text: alert.message
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        horizontalAlignment: Text.AlignHCenter
        color: Theme.label
        font.pixelSize: Theme.subheadlineSize
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        // Return dismisses, as the default button would; it never confirms.
        focus: true
        Keys.onReturnPressed: alert.close()
        Keys.onEnterPressed: alert.close()
    }

    footer: Item {
        implicitHeight: buttonRow.implicitHeight + 1

        Separator {
            width: parent.width
        }

        RowLayout {
            id: buttonRow
            y: 1
            width: parent.width
            spacing: 0
        }
    }
}
