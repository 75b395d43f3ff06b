// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vellumar.Style
import Vellumar.Components

// Every shortcut of the window, in groups, each with what it does.
Sheet {
    id: sheet

    objectName: "shortcutsView"
    title: qsTrId("keyboard_shortcuts")
    closeButtonText: qsTrId("done")

    // [group header, [[keys, what they do], …]], in the order people meet them.
    readonly property var groups: [
        [qsTrId("shortcuts_general"), [
            ["Ctrl+F", qsTrId("shortcut_find")],
            ["Ctrl+1", qsTrId("shortcut_show_search")],
            ["Ctrl+2", qsTrId("shortcut_show_history")],
            ["Ctrl+,", qsTrId("preferences")],
            ["Ctrl+?", qsTrId("keyboard_shortcuts")],
            ["F10", qsTrId("shortcut_main_menu")],
            ["Ctrl+Q", qsTrId("shortcut_quit")]]],
        [qsTrId("shortcuts_lists"), [
            ["↑ ↓ · Home · End", qsTrId("shortcut_move")],
            ["Enter", qsTrId("shortcut_open")],
            ["Space", qsTrId("shortcut_choose")],
            ["Ctrl+A", qsTrId("shortcut_choose_all")],
            ["Menu · Shift+F10", qsTrId("shortcut_row_menu")],
            ["Delete", qsTrId("shortcut_delete")],
            ["Alt+←", qsTrId("shortcut_go_back")],
            ["Esc", qsTrId("shortcut_back")]]],
        [qsTrId("shortcuts_viewer"), [
            ["← →", qsTrId("shortcut_next_previous")],
            ["+ − · Ctrl+wheel", qsTrId("shortcut_zoom")],
            ["0", qsTrId("shortcut_fit")]]]
    ]

    Flickable {
        id: flickable
        anchors.fill: parent
        Accessible.role: Accessible.Pane
        Accessible.name: sheet.title
        contentWidth: width
        contentHeight: column.implicitHeight + 2 * Theme.defaultPadding
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollIndicator.vertical: ScrollIndicator { Accessible.ignored: true }

        ColumnLayout {
            id: column
            x: Theme.defaultPadding
            y: Theme.defaultPadding
            width: flickable.width - 2 * Theme.defaultPadding
            spacing: 24

            Repeater {
                model: sheet.groups

                FormSection {
                    id: section

                    required property var modelData

                    Layout.fillWidth: true
                    header: modelData[0]

                    Repeater {
                        model: section.modelData[1]

                        Item {
                            id: row

                            required property var modelData

                            Layout.fillWidth: true
                            implicitHeight: Math.max(what.implicitHeight, keys.implicitHeight) + 20
                            Accessible.role: Accessible.StaticText
                            Accessible.name: modelData[1] + ": " + modelData[0]

                            Label {
                                id: what
                                anchors.left: parent.left
                                anchors.right: keys.left
                                anchors.leftMargin: Theme.defaultPadding
                                anchors.rightMargin: 12
                                anchors.verticalCenter: parent.verticalCenter
                                text: row.modelData[1]
                                font.pixelSize: Theme.bodySize
                                color: Theme.label
                                wrapMode: Text.Wrap
                                Accessible.ignored: true
                            }
                            Label {
                                id: keys
                                anchors.right: parent.right
                                anchors.rightMargin: Theme.defaultPadding
                                anchors.verticalCenter: parent.verticalCenter
                                text: row.modelData[0]
                                font.pixelSize: Theme.subheadlineSize
                                color: Theme.secondaryLabel
                                Accessible.ignored: true
                            }
                        }
                    }
                }
            }
        }
    }
}
