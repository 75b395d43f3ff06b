// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Vellumar.Style
import Vellumar.Components

// A fact that a tap copies: its label and value on a grey rounded card, and a
// copy glyph that turns into a green check mark for two seconds after each tap.
T.AbstractButton {
    id: row

    // A localization key naming the fact.
    required property string label
    // Shown and copied exactly as given.
    required property string value
    readonly property bool didCopy: copyState.didCopy

    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    padding: 10
    focusPolicy: Qt.StrongFocus
    Accessible.role: Accessible.Button
    Accessible.name: qsTrId("fact").arg(qsTrId(label)).arg(value)
    hoverEnabled: true
    onClicked: copyState.copy(value)

    CopyableState {
        id: copyState
    }

    background: FocusFrame {
        control: row
        radius: 8
        color: row.down ? Theme.systemGray5Pressed : row.hovered ? Theme.systemGray5 : Theme.systemGray6
    }

    contentItem: RowLayout {
        spacing: 8

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 2

            Text {
                Layout.fillWidth: true
                text: qsTrId(row.label)
                font.pixelSize: Theme.captionSize
                color: Theme.secondaryLabel
                elide: Text.ElideRight
            }
            Text {
                objectName: "copyableValue"
                Layout.fillWidth: true
                text: row.value
                textFormat: Text.PlainText
                wrapMode: Text.Wrap
                color: Theme.label
                font.pixelSize: 16
            }
        }

        // The two glyphs cross-fade, so the change is animated both ways.
        Item {
            implicitWidth: 24
            implicitHeight: 24

            Symbol {
                objectName: "copyGlyph"
                anchors.centerIn: parent
                name: "doc.on.doc"
                size: 20
                color: Theme.accent
                opacity: row.didCopy ? 0 : 1
                Behavior on opacity { NumberAnimation { duration: 200 } }
            }
            Symbol {
                objectName: "checkmarkGlyph"
                anchors.centerIn: parent
                name: "checkmark"
                size: 22
                color: Theme.systemGreen
                opacity: row.didCopy ? 1 : 0
                scale: row.didCopy ? 1 : 0.6
                Behavior on opacity { NumberAnimation { duration: 200 } }
                Behavior on scale { NumberAnimation { duration: 200 } }
            }
        }
    }
}
