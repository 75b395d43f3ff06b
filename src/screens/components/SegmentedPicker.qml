// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

pragma ComponentBehavior: Bound

import QtQuick
import Vellumar.Style
import QtQuick.Controls
import QtQuick.Layouts

// A row of segments, one per value, with the current one raised. Each
// segment shows its label verbatim and is reachable with Tab.
Rectangle {
    id: picker

    // What each segment shows, and the value it stands for.
    property var labels: []
    property var values: labels
    property var current
    property string accessibleName

    signal picked(var value)

    implicitHeight: 34
    radius: 9
    color: Theme.systemGray5

    RowLayout {
        anchors.fill: parent
        anchors.margins: 2
        spacing: 0

        Repeater {
            model: picker.labels.length

            AbstractButton {
                id: segment

                required property int index
                readonly property var value: picker.values[index]

                objectName: picker.objectName + "_" + index
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.preferredWidth: 1
                text: picker.labels[index]
                checkable: false
                checked: value === picker.current
                focusPolicy: Qt.StrongFocus
                Accessible.role: Accessible.RadioButton
                Accessible.name: picker.accessibleName + " " + text
                Accessible.checkable: true
                Accessible.checked: checked

                contentItem: Text {
                    text: segment.text
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                    font.pixelSize: Theme.footnoteSize
                    font.weight: segment.checked ? Font.DemiBold : Font.Normal
                    color: Theme.label
                }

                background: FocusFrame {
                    control: segment
                    radius: 7
                    color: segment.checked ? Theme.systemBackground : "transparent"
                }

                onClicked: picker.picked(value)
            }
        }
    }
}
