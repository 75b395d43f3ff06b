// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Vellumar.Style
import Vellumar.Components

// A filter or search field in its grey rounded bar: magnifying glass, the
// field, and a clear button while there is text. The clear button only
// empties the text.
Rectangle {
    id: bar

    property alias text: field.text
    property alias placeholderText: field.placeholderText
    property alias fieldName: field.objectName
    property string clearButtonName
    readonly property alias field: field

    // The user changed the text (typing or the clear button).
    signal edited(string text)
    signal accepted()
    // The Down arrow, for a list below to take the keyboard.
    signal downPressed()

    function clear() {
        field.clear()
        edited("")
        // Typing goes on where it was cleared.
        field.forceActiveFocus()
    }

    implicitHeight: row.implicitHeight + 16
    radius: 10
    color: Theme.systemGray6

    Item {
        id: row
        anchors.fill: parent
        anchors.leftMargin: 10
        anchors.rightMargin: 10
        anchors.topMargin: 8
        anchors.bottomMargin: 8
        // Room for the clear button whether it is there or not.
        implicitHeight: Math.max(glass.implicitHeight, field.implicitHeight, 28)

        Symbol {
            id: glass
            anchors.left: parent.left
            anchors.verticalCenter: parent.verticalCenter
            name: "magnifyingglass"
            color: Theme.systemGray
        }

        PlainTextField {
            id: field
            anchors.left: glass.right
            anchors.right: clearButton.active ? clearButton.left : parent.right
            anchors.leftMargin: 5
            anchors.rightMargin: 5
            anchors.verticalCenter: parent.verticalCenter
            inputMethodHints: Qt.ImhNoPredictiveText | Qt.ImhNoAutoUppercase
            onTextEdited: bar.edited(text)
            onAccepted: bar.accepted()
            Keys.onDownPressed: bar.downPressed()
        }

        // Built while there is text to clear.
        Loader {
            id: clearButton
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            active: field.text !== ""
            sourceComponent: BarButton {
                objectName: bar.clearButtonName // qmllint disable unqualified
                implicitWidth: 28
                implicitHeight: 28
                padding: 0
                symbol: "xmark.circle.fill"
                symbolSize: 18
                color: Theme.systemGray
                Accessible.name: qsTrId("clear_text")
                onClicked: bar.clear() // qmllint disable unqualified
            }
        }
    }
}
