// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Controls
import QtQuick.Templates as T
import Vellumar.Core
import Vellumar.Style

// The window's notices, newest at the bottom, above everything else, even a
// dialog's dim. One goes by itself after its time unless the pointer rests
// on it; a failure stays until closed.
Column {
    id: area

    objectName: "noticeArea"
    parent: Overlay.overlay
    z: 1000
    anchors.horizontalCenter: parent ? parent.horizontalCenter : undefined
    anchors.bottom: parent ? parent.bottom : undefined
    anchors.bottomMargin: 24
    width: Math.min(480, parent ? parent.width - 48 : 480)
    spacing: 8

    Repeater {
        model: ApplicationContext.notices

        Rectangle {
            id: notice

            required property int noticeId
            required property string text
            required property string actionText
            required property int seconds

            objectName: "notice"
            width: parent?.width ?? 0
            implicitHeight: Math.max(48, row.implicitHeight + 16)
            radius: 10
            // Dark in the light look and lifted off the cards in the dark one.
            color: Theme.dark ? "#3A3A3C" : "#323232"
            border.width: Theme.dark ? 1 : 0
            border.color: Theme.separator
            Accessible.role: Accessible.AlertMessage
            Accessible.name: text

            HoverHandler {
                id: hover
            }

            Timer {
                interval: notice.seconds * 1000
                running: notice.seconds > 0 && !hover.hovered
                onTriggered: ApplicationContext.notices.dismiss(notice.noticeId)
            }

            Row {
                id: row
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                anchors.leftMargin: 16
                anchors.rightMargin: 4
                spacing: 4

                Text {
                    objectName: "noticeText"
                    width: row.width - (action.visible ? action.width + row.spacing : 0)
                           - close.width - row.spacing
                    anchors.verticalCenter: parent.verticalCenter
                    text: notice.text
                    textFormat: Text.PlainText
                    wrapMode: Text.Wrap
                    color: "#FFFFFF"
                    font.pixelSize: Theme.subheadlineSize
                    Accessible.ignored: true
                }
                NoticeButton {
                    id: action
                    objectName: "noticeAction"
                    visible: notice.actionText !== ""
                    text: notice.actionText
                    textColor: "#64B5FF"
                    font.weight: Font.DemiBold
                    onClicked: ApplicationContext.notices.act(notice.noticeId)
                }
                NoticeButton {
                    id: close
                    objectName: "noticeClose"
                    text: Theme.glyph("xmark")
                    font.family: Theme.symbolFamily
                    font.pixelSize: 18
                    Accessible.name: qsTrId("close_notice")
                    onClicked: ApplicationContext.notices.dismiss(notice.noticeId)
                }
            }
        }
    }

    // A flat button on the notice's dark ground.
    component NoticeButton: T.AbstractButton {
        id: button

        property color textColor: "#FFFFFF"

        font.pixelSize: Theme.subheadlineSize
        anchors.verticalCenter: parent.verticalCenter
        implicitWidth: Math.max(40, implicitContentWidth + leftPadding + rightPadding)
        implicitHeight: 40
        leftPadding: 10
        rightPadding: 10
        focusPolicy: Qt.StrongFocus
        hoverEnabled: true
        Accessible.role: Accessible.Button
        Accessible.name: text

        contentItem: Text {
            text: button.text
            color: button.textColor
            font: button.font
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            Accessible.ignored: true
        }

        background: Rectangle {
            radius: height / 2
            color: Qt.rgba(1, 1, 1, button.down ? 0.25 : button.hovered ? 0.12 : 0)
            border.width: button.visualFocus ? 2 : 0
            border.color: "#64B5FF"
        }
    }
}
