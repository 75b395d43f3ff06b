// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Vellumar.Core
import Vellumar.Desktop
import Vellumar.Style
import Vellumar.Components

// What a result or history row shows: the icon, the name and the round save
// button; in selection mode, a check circle before them. Rows pad it by 9
// above and below; the separator under the name spans the trailing padding
// to the row's edge.
Item {
    id: content

    property url iconUrl
    property string name
    property appItem item
    property bool selecting: false
    property bool selected: false
    property real trailingPadding: 0

    signal saveRequested()
    // Other sizes and shapes, from a menu beside `button`.
    signal saveOptionsRequested(Item button)

    implicitHeight: Math.max(50, label.implicitHeight)

    // Made in selection mode only: most rows never show it.
    Loader {
        id: check
        active: content.selecting
        anchors.verticalCenter: parent.verticalCenter
        width: active ? 36 : 0
        sourceComponent: Symbol {
            objectName: "rowCheck"
            horizontalAlignment: Text.AlignLeft
            name: content.selected ? "checkmark.circle.fill" : "circle" // qmllint disable unqualified
            size: 24
            color: content.selected ? Theme.accent : Theme.systemGray // qmllint disable unqualified
        }
    }

    RoundedImage {
        id: icon
        objectName: "rowIcon"
        anchors.left: check.right
        anchors.verticalCenter: parent.verticalCenter
        width: 50
        height: 50
        // A Mac app's icon comes shaped by its maker.
        radius: content.item.isMacApp ? 0 : 10
        source: content.iconUrl

        PictureDrag {
            onStarted: Desktop.dragIcon(content.item, icon)
        }
    }

    Text {
        id: label
        anchors.left: icon.right
        anchors.right: saveButton.left
        anchors.leftMargin: 15
        anchors.rightMargin: 15
        anchors.verticalCenter: parent.verticalCenter
        text: content.name
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        color: Theme.label
        font.pixelSize: Theme.headlineSize
        font.weight: Font.DemiBold
    }

    SaveButton {
        id: saveButton
        objectName: "saveButton"
        // Says which icon: every row has one.
        Accessible.name: qsTrId("save_icon_of").arg(content.name)
                                                  .arg(SettingsManager.saveOptions.description)
        // The row is the list's one Tab stop.
        focusPolicy: Qt.NoFocus
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        onClicked: content.saveRequested()
        onOptionsRequested: content.saveOptionsRequested(saveButton)
    }

    Separator {
        anchors.left: label.left
        anchors.right: parent.right
        anchors.rightMargin: -content.trailingPadding
        anchors.top: parent.bottom
        anchors.topMargin: 8
        opacity: 0.5
    }
}
