// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import Vellumar.Style
import Vellumar.Components

// The title bar of a screen or sheet: a small centred title with optional
// items at its leading and trailing edges, and a back button on pushed pages.
T.ToolBar {
    id: bar

    property string title
    property bool showsBackButton: false
    // Accessible name of the back button: the title of the page it returns to.
    property string backTitle
    // Over a full-screen picture: black, like what it shows.
    property bool overMedia: false
    property alias leading: leadingRow.data
    property alias trailing: trailingRow.data

    signal backRequested()

    Accessible.name: title

    implicitWidth: leadingRow.implicitWidth + trailingRow.implicitWidth + titleLabel.implicitWidth
                   + leftPadding + rightPadding + 16
    implicitHeight: 48
    leftPadding: 4
    rightPadding: 4
    topPadding: 0
    bottomPadding: 0

    Item {
        anchors.fill: parent

        Row {
            id: leadingRow
            anchors.left: parent.left
            anchors.verticalCenter: parent.verticalCenter
            spacing: 4

            // Built on pushed pages only: the first screen has no use for it.
            Loader {
                active: bar.showsBackButton
                visible: active
                sourceComponent: BarButton {
                    objectName: "backButton"
                    symbol: "chevron.left"
                    symbolSize: 28
                    Accessible.name: bar.backTitle // qmllint disable unqualified
                    onClicked: bar.backRequested() // qmllint disable unqualified
                }
            }
        }

        Text {
            id: titleLabel
            objectName: "navigationTitle"
            anchors.centerIn: parent
            width: Math.min(implicitWidth,
                            parent.width - 2 * Math.max(leadingRow.width, trailingRow.width) - 16)
            text: bar.title
            textFormat: Text.PlainText
            elide: Text.ElideRight
            horizontalAlignment: Text.AlignHCenter
            color: bar.overMedia ? Theme.mediaLabel : Theme.label
            font.pixelSize: Theme.headlineSize
            font.weight: Font.DemiBold
            Accessible.role: Accessible.Heading
            Accessible.name: text
        }

        Row {
            id: trailingRow
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            spacing: 4
        }
    }

    background: Rectangle {
        color: bar.overMedia ? Theme.mediaBackground : Theme.barBackground

        Separator {
            visible: !bar.overMedia
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
        }
    }
}
