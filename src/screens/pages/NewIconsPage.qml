// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

pragma ComponentBehavior: Bound

import QtQuick
import Vellumar.Core
import Vellumar.Style
import Vellumar.Components
import QtQuick.Controls
import QtQuick.Layouts

// The apps of the download history whose icon changed since it was saved:
// the saved icon beside the new one, those the store no longer has, and a
// button that saves every new icon.
Sheet {
    id: sheet

    required property NewIconCheck check
    readonly property bool saving: check.batch.running

    objectName: "newIconsView"
    title: qsTrId("new_icons_title")
    closeButtonText: qsTrId("done")

    onOpened: list.forceActiveFocus()

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        ListView {
            id: list
            objectName: "newIconsList"
            Accessible.role: Accessible.List
            Accessible.name: qsTrId("new_icons_title")
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            keyNavigationEnabled: true
            activeFocusOnTab: true
            model: sheet.check.changes
            delegate: ChangeRow {}

            LoadingIndicator {
                anchors.centerIn: parent
                visible: sheet.check.running
                text: qsTrId("new_icons_checking")
            }
            Label {
                objectName: "newIconsNone"
                anchors.centerIn: parent
                width: parent.width - 2 * Theme.defaultPadding
                visible: sheet.check.checked && !sheet.check.running && list.count === 0
                text: sheet.check.failure !== "" ? sheet.check.failure : qsTrId("new_icons_none")
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
                color: Theme.systemGray
            }
        }

        // Apps no longer in the store: told, not listed as failures.
        Label {
            objectName: "newIconsGone"
            readonly property var names: sheet.check.goneNames
            Layout.fillWidth: true
            visible: names.length > 0 && !sheet.check.running
            padding: Theme.defaultPadding
            wrapMode: Text.Wrap
            color: Theme.systemGray
            textFormat: Text.PlainText
            text: qsTrId("new_icons_gone").arg(names.join(", "))
        }

        // What failed beside what was found.
        Label {
            Layout.fillWidth: true
            visible: sheet.check.failure !== "" && list.count > 0
            padding: Theme.defaultPadding
            wrapMode: Text.Wrap
            text: sheet.check.failure
            color: Theme.destructive
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.margins: Theme.defaultPadding
            spacing: 12

            Text {
                objectName: "newIconsProgress"
                Layout.fillWidth: true
                visible: sheet.saving
                text: qsTrId("batch_progress").arg(sheet.check.batch.completed).arg(sheet.check.batch.total)
                color: Theme.label
                font.pixelSize: Theme.subheadlineSize
            }
            Item {
                Layout.fillWidth: true
                visible: !sheet.saving
            }
            BarButton {
                objectName: "checkAgainButton"
                visible: !sheet.saving
                enabled: !sheet.check.running
                text: qsTrId("new_icons_check_again")
                onClicked: sheet.check.check()
            }
            BarButton {
                objectName: "saveNewIconsButton"
                visible: !sheet.saving && list.count > 0
                enabled: !sheet.check.running
                strong: true
                text: qsTrId("save_new_icons", list.count)
                onClicked: sheet.check.saveNewIcons()
            }
            BarButton {
                objectName: "cancelNewIconsButton"
                visible: sheet.saving
                text: qsTrId("cancel")
                onClicked: sheet.check.batch.cancel()
            }
        }
    }

    SaveAlert {
        objectName: "newIconsSaveAlert"
        owner: sheet.check.batch
    }

    // The saved icon, an arrow, the new one, and whose they are.
    component ChangeRow: ItemDelegate {
        id: row

        required property var modelData
        required property int index
        readonly property var saved: modelData.saved
        readonly property var current: modelData.current
        readonly property string savedPicture: modelData.savedPicture

        objectName: "newIconRow_" + index
        width: ListView.view.width
        padding: Theme.defaultPadding
        highlighted: ListView.isCurrentItem
        Accessible.name: qsTrId("new_icon_row").arg(current.trackName).arg(current.countryCode)

        contentItem: RowLayout {
            spacing: 12

            // The saved file as it is, else the artwork it was made from.
            Item {
                implicitWidth: 50
                implicitHeight: 50

                Image {
                    objectName: "savedFile"
                    anchors.fill: parent
                    visible: row.savedPicture.startsWith("file:")
                    source: visible ? row.savedPicture : ""
                    sourceSize.height: Math.ceil(height * Screen.devicePixelRatio)
                    fillMode: Image.PreserveAspectFit
                    asynchronous: true
                }
                RoundedImage {
                    anchors.fill: parent
                    visible: !row.savedPicture.startsWith("file:")
                    source: visible ? row.savedPicture : ""
                }
            }
            Symbol {
                name: "arrow.right"
                size: 20
                color: Theme.systemGray
            }
            RoundedImage {
                implicitWidth: 50
                implicitHeight: 50
                source: row.current.artworkUrl512
            }
            Column {
                Layout.fillWidth: true
                spacing: 2

                Text {
                    width: parent.width
                    text: row.current.trackName
                    textFormat: Text.PlainText
                    elide: Text.ElideRight
                    color: Theme.label
                    font.pixelSize: Theme.headlineSize
                    font.weight: Font.DemiBold
                }
                Text {
                    width: parent.width
                    text: row.current.artistName
                    textFormat: Text.PlainText
                    elide: Text.ElideRight
                    color: Theme.systemGray
                    font.pixelSize: Theme.subheadlineSize
                }
            }
        }
    }
}
