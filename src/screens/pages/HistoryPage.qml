// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Vellumar.Core
import Vellumar.Style
import Vellumar.Components
import Vellumar.Pages
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts

// The download history tab: every saved item, narrowed by name, opened, saved
// again (without being recorded again), deleted by swiping or cleared after a
// confirmation. The list is read again every time it appears.
Item {
    id: historyView

    readonly property alias viewModel: viewModel
    readonly property alias saveFlow: saveFlow
    property bool showingClearAlert: false
    readonly property bool showsMedia: historyPanes.showsMedia
    // What the check for new icons found, for the header's button.
    property int newIcons: 0

    signal newIconsRequested()

    objectName: "historyView"

    HistoryViewModel {
        id: viewModel
    }

    // Saving many again asks the catalogue for their current artwork first.
    BatchSave {
        id: saveFlow
        recordsHistory: false
        refreshesItems: true
    }

    RowSelection {
        id: historySelection
        model: viewModel.filteredHistory
    }

    function showDetail(item) {
        return historyPanes.showDetail({
            "appItem": item,
            "countryCode": viewModel.detailRegion(item),
            "backTitle": qsTrId("navigation_title_download_history")
        })
    }

    onShowingClearAlertChanged: showingClearAlert ? clearAlert.open() : clearAlert.close()

    function focusSearchField() {
        if (historyPanes.navigation.currentItem === historyPage)
            historyField.field.forceActiveFocus()
    }

    function requestClear() {
        if (viewModel.historyItems.count > 0)
            showingClearAlert = true
    }

    PaneNavigation {
        id: historyPanes
        anchors.fill: parent
        focus: true
        navigationName: "historyNavigation"
        listPage: historyPage
        detailPage: Component {
            AppDetailPage {}
        }
    }

    Page {
        id: historyPage
        objectName: "historyPage"
        Accessible.name: qsTrId("history")
        background: Rectangle { color: Theme.systemBackground }

        // Appearing: shown first, returned to, or shown again with its tab.
        StackView.onActivated: viewModel.loadHistory()
        onVisibleChanged: {
            if (visible && StackView.status === StackView.Active)
                viewModel.loadHistory()
        }

        header: NavigationBar {
            title: qsTrId("navigation_title_download_history")

            leading: SelectButton {
                selection: historySelection
                rows: historyList.count
            }

            trailing: [BarButton {
                objectName: "checkNewIconsButton"
                symbol: "sparkles"
                text: qsTrId("check_for_new_icons")
                enabled: viewModel.historyItems.count > 0
                onClicked: historyView.newIconsRequested()

                // New icons found by the check of the day, not yet saved.
                Rectangle {
                    visible: historyView.newIcons > 0
                    anchors.right: parent.right
                    anchors.top: parent.top
                    anchors.margins: 8
                    width: 8
                    height: 8
                    radius: 4
                    color: Theme.destructive
                }
            }, ToolButton {
                objectName: "clearDownloadHistoryButton"
                text: qsTrId("clear")
                Accessible.name: qsTrId("clear_download_history")
                enabled: viewModel.historyItems.count > 0
                font.capitalization: Font.MixedCase
                font.pixelSize: Theme.bodySize
                Material.foreground: enabled ? Theme.accent : Theme.systemGray
                onClicked: historyView.requestClear()
            }]
        }

        footer: BatchBar {
            selection: historySelection
            batch: saveFlow
            deletable: true
            onDeleteRequested: rows => viewModel.deleteItems(rows)
        }

        ColumnLayout {
            anchors.fill: parent
            spacing: 0

            // The list narrows as one types.
            SearchField {
                id: historyField
                Layout.fillWidth: true
                Layout.leftMargin: Theme.defaultPadding
                Layout.rightMargin: Theme.defaultPadding
                Layout.topMargin: 8
                Layout.bottomMargin: 8
                fieldName: "historySearchField"
                clearButtonName: "clearHistorySearchButton"
                placeholderText: qsTrId("history_search_placeholder")
                text: viewModel.searchText
                onEdited: text => viewModel.searchText = text
                onDownPressed: if (historyList.count > 0) historyList.forceActiveFocus()
            }

            AppList {
                id: historyList
                objectName: "historyList"
                Accessible.name: qsTrId("navigation_title_download_history")
                Layout.fillWidth: true
                Layout.fillHeight: true
                model: viewModel.filteredHistory
                selection: historySelection
                deletable: true
                onDeleteRequested: rows => viewModel.deleteItems(rows)
                delegate: AppRow {
                    objectName: "historyRow_" + index
                    width: ListView.view.width
                    deletable: true
                    // Chosen-looking only beside its details.
                    showsSelection: historyPanes.detail !== null // qmllint disable unqualified
                    selection: historySelection // qmllint disable unqualified
                    onOpenRequested: item => historyView.showDetail(item)
                    onSaveRequested: item => saveFlow.saveIcon(item)
                    onSaveAsRequested: (item, options) => saveFlow.saveIconAs(item, options)
                    // The row is that of the list as shown, filter applied.
                    onDeleteRequested: row => viewModel.deleteItems([row])
                }

                // Follows the stored list, not the filtered one: a filter that
                // matches nothing says so in the line after.
                Label {
                    objectName: "noDownloadHistory"
                    anchors.centerIn: parent
                    width: parent.width - 2 * Theme.defaultPadding
                    visible: viewModel.historyItems.count === 0
                    text: qsTrId("no_download_history")
                    wrapMode: Text.Wrap
                    horizontalAlignment: Text.AlignHCenter
                    color: Theme.systemGray
                }
                Label {
                    objectName: "noHistoryMatches"
                    anchors.centerIn: parent
                    width: parent.width - 2 * Theme.defaultPadding
                    visible: viewModel.historyItems.count > 0 && historyList.count === 0
                    text: qsTrId("no_history_matches").arg(viewModel.searchText)
                    textFormat: Text.PlainText
                    wrapMode: Text.Wrap
                    horizontalAlignment: Text.AlignHCenter
                    color: Theme.systemGray
                }
            }
        }
    }

    // The clear-all confirmation: the destructive button first, then cancel.
    Alert {
        id: clearAlert
        objectName: "clearHistoryAlert"
        title: qsTrId("clear_history_alert_title")
        message: qsTrId("clear_history_alert_message")
        onClosed: historyView.showingClearAlert = false

        BarButton {
            objectName: "clearAllButton"
            Layout.fillWidth: true
            text: qsTrId("clear_all_button")
            color: Theme.destructive
            onClicked: {
                viewModel.clearAllHistory()
                clearAlert.close()
            }
        }
        BarButton {
            objectName: "cancelClearButton"
            Layout.fillWidth: true
            text: qsTrId("cancel")
            strong: true
            onClicked: clearAlert.close()
        }
    }

    SaveAlert {
        objectName: "historySaveAlert"
        owner: saveFlow
    }
}
