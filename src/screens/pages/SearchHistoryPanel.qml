// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Vellumar.Style
import Vellumar.Components
import QtQuick.Templates as T

// The recent search terms as tags, over an opaque background that hides the
// result list; a short note when there are none.
Rectangle {
    id: panel

    property var searchHistory: []
    readonly property bool hasHistory: searchHistory.length > 0

    signal clearRequested()
    signal tagTapped(string tag)

    color: Theme.systemBackground

    Flickable {
        id: flickable
        anchors.fill: parent
        Accessible.role: Accessible.Pane
        Accessible.name: qsTrId("search_history")
        contentWidth: width
        contentHeight: column.implicitHeight + 2 * Theme.defaultPadding
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        T.ScrollIndicator.vertical: ThinScrollIndicator {}

        Column {
            id: column
            x: Theme.defaultPadding
            y: Theme.defaultPadding
            width: flickable.width - 2 * Theme.defaultPadding
            spacing: 15

            Item {
                width: parent.width
                height: clearButton.implicitHeight
                visible: panel.hasHistory

                Text {
                    anchors.left: parent.left
                    anchors.verticalCenter: parent.verticalCenter
                    text: panel.hasHistory ? qsTrId("search_history") : ""
                    color: Theme.label
                    font.pixelSize: Theme.headlineSize
                    font.weight: Font.DemiBold
                }
                BarButton {
                    id: clearButton
                    objectName: "clearHistoryButton"
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    symbol: "trash"
                    color: Theme.secondaryLabel
                    Accessible.name: qsTrId("clear_search_history")
                    onClicked: panel.clearRequested()
                }
            }

            TagView {
                objectName: "tagView"
                width: parent.width
                visible: panel.hasHistory
                tags: panel.searchHistory
                onTagTapped: tag => panel.tagTapped(tag)
            }

            Text {
                objectName: "noSearchHistory"
                width: parent.width
                topPadding: 50
                visible: !panel.hasHistory
                text: qsTrId("no_search_history")
                color: Theme.systemGray
                font.pixelSize: Theme.subheadlineSize
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
            }
        }
    }
}
