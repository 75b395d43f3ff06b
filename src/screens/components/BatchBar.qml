// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Vellumar.Core
import Vellumar.Style
import Vellumar.Components

// Under a list while rows are chosen: all or none, "Delete N" where rows can
// be deleted, and "Save N Icons". While the batch runs: how far it got, and a
// Cancel that saves none after the one in flight. The batch's summary comes as
// its save alert.
T.ToolBar {
    id: bar

    required property RowSelection selection
    required property BatchSave batch
    readonly property bool running: batch.running
    property bool deletable: false

    // The chosen rows are to go; the selection ends.
    signal deleteRequested(var rows)

    visible: selection.selecting || running
    implicitHeight: 52
    leftPadding: 4
    rightPadding: 4

    contentItem: RowLayout {
        spacing: 4

        BarButton {
            objectName: "selectAllButton"
            visible: !bar.running
            text: bar.selection.allSelected ? qsTrId("deselect_all") : qsTrId("select_all")
            onClicked: bar.selection.allSelected ? bar.selection.clearSelection()
                                                 : bar.selection.selectAll()
        }

        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true

            Column {
                visible: bar.running
                anchors.verticalCenter: parent.verticalCenter
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.leftMargin: 12
                spacing: 6

                Text {
                    objectName: "batchProgress"
                    text: qsTrId("batch_progress").arg(bar.batch.completed).arg(bar.batch.total)
                    textFormat: Text.PlainText
                    color: Theme.label
                    font.pixelSize: Theme.subheadlineSize
                }
                Rectangle {
                    width: parent.width
                    height: 4
                    radius: 2
                    color: Theme.systemGray5

                    Rectangle {
                        width: bar.batch.total > 0 ? parent.width * bar.batch.completed / bar.batch.total : 0
                        height: parent.height
                        radius: parent.radius
                        color: Theme.accent
                    }
                }
            }
        }

        BarButton {
            objectName: "deleteSelectedButton"
            visible: bar.deletable && !bar.running
            enabled: bar.selection.count > 0
            color: Theme.destructive
            text: qsTrId("delete_n", bar.selection.count)
            onClicked: {
                const rows = bar.selection.selectedRowNumbers
                bar.selection.selecting = false
                bar.deleteRequested(rows)
            }
        }
        BarButton {
            objectName: "saveSelectedButton"
            visible: !bar.running
            enabled: bar.selection.count > 0
            strong: true
            text: qsTrId("save_n_icons", bar.selection.count)
            onClicked: {
                const items = bar.selection.selectedItems()
                bar.selection.selecting = false
                bar.batch.saveIcons(items)
            }
        }
        BarButton {
            objectName: "cancelBatchButton"
            visible: bar.running
            text: qsTrId("cancel")
            onClicked: bar.batch.cancel()
        }
    }

    background: Rectangle {
        color: Theme.barBackground

        Separator {
            width: parent.width
        }
    }
}
