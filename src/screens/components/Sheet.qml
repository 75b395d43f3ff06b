// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Vellumar.Style
import Vellumar.Components
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts

// A modal sheet rising from the bottom edge with a title bar of its own; on
// a wide window a dialog of bounded size in the middle. A downward swipe,
// Escape or a tap outside closes it.
Drawer {
    id: sheet

    property string title
    // A title-bar button that closes the sheet, at the leading or trailing
    // edge; a dialog has it at the trailing edge, like every other.
    property string closeButtonText
    property bool closeButtonLeading: false
    default property alias content: body.data

    readonly property bool wide: parent ? parent.width >= Theme.wideWidth : false

    edge: Qt.BottomEdge
    // On a wide window the sheet covers it, clear, and its panel sits in the middle.
    width: parent ? parent.width : 0
    height: !parent ? 0 : wide ? parent.height : parent.height - 40
    modal: true
    // The same dim in either look.
    Overlay.modal: Rectangle {
        color: "#66000000"
    }
    focus: true
    // Only the open sheet can be swiped; it never opens from a drag at the edge.
    dragMargin: 0
    padding: 0
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside
    background: null
    // Screen readers name the sheet by its title (a Drawer has no title of its own).
    Component.onCompleted: contentItem.parent.Accessible.name = Qt.binding(() => title)

    // A tap beside the panel is outside the sheet as a person sees it.
    TapHandler {
        enabled: sheet.wide
        onTapped: (point) => {
            if (!panel.contains(panel.mapFromItem(null, point.scenePosition)))
                sheet.close()
        }
    }

    Rectangle {
        id: panel
        width: sheet.wide ? Math.min(560, parent.width - 80) : parent.width
        height: sheet.wide ? Math.min(720, parent.height - 80) : parent.height
        anchors.centerIn: parent
        color: Theme.groupedBackground
        radius: 12
        // A dialog's edge, which the dim alone hardly shows in the dark look.
        border.width: sheet.wide ? 1 : 0
        border.color: Theme.separator

        // Only the top corners are rounded: the rest runs below the screen edge.
        Rectangle {
            visible: !sheet.wide
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: parent.radius
            color: parent.color
        }

        ColumnLayout {
            anchors.fill: parent
            spacing: 0

            // The grip says the sheet can be swiped down; a dialog has none.
            Rectangle {
                Layout.alignment: Qt.AlignHCenter
                Layout.topMargin: 6
                implicitWidth: 36
                implicitHeight: 5
                radius: 2.5
                color: Theme.systemGray
                opacity: sheet.wide ? 0 : 0.5
            }

            NavigationBar {
                Layout.fillWidth: true
                title: sheet.title
                background: null
                leading: BarButton {
                    objectName: visible ? sheet.objectName + "DoneButton" : ""
                    visible: sheet.closeButtonLeading && !sheet.wide
                    text: sheet.closeButtonText
                    onClicked: sheet.close()
                }
                trailing: BarButton {
                    objectName: visible ? sheet.objectName + "DoneButton" : ""
                    visible: !sheet.closeButtonLeading || sheet.wide
                    text: sheet.closeButtonText
                    strong: true
                    onClicked: sheet.close()
                }
            }

            Item {
                id: body
                Layout.fillWidth: true
                Layout.fillHeight: true
            }
        }
    }
}
