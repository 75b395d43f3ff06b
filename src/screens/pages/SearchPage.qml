// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Controls
import QtQuick.Templates as T
import Vellumar.Core
import Vellumar.Style
import Vellumar.Components
import Vellumar.Pages

// The search tab: the search field, the hits with their save buttons, the
// recent terms as tags while the field is empty, and the toolbar that opens
// the settings and the region picker. Everything that outlives the screen
// lives in the search model.
//
// Start-up: the sheets, the spinner, the save alert, the batch bar, the
// detail screen and the history tab (TabsPage) are loaded by address and held
// untyped, and the history panel lays out its bold title only when shown. bench/startup shows
// what that saves: typed, the first frame costs about 1.6 times a bare
// window's instead of 1.45, and 2 to 3 MiB more; so these stay, and only these
// (with the first screen's controls drawn from the templates, not a style).
Item {
    id: contentView
    objectName: "contentView"

    readonly property alias viewModel: viewModel
    readonly property bool wide: panes.wide
    readonly property bool showsMedia: panes.showsMedia
    readonly property var settingsSheet: settingsLoader.item
    readonly property var countryListSheet: countryListLoader.item
    readonly property bool showingSettings: settingsSheet !== null && settingsSheet.visible
    readonly property bool showingCountryList: countryListSheet !== null && countryListSheet.visible

    // The sheets are built when first presented, then kept.
    function presentSettings() {
        settingsLoader.made().open()
    }

    function presentCountryList() {
        countryListLoader.made().open()
    }

    ContentViewModel {
        id: viewModel
        detailBesideList: panes.wide
    }

    RowSelection {
        id: resultSelection
        model: viewModel.searchResults
    }

    // The one place that opens an item's detail screen, from a row tap or
    // from a resolved store link.
    function showDetail(item, regionCode) {
        return panes.showDetail({ "appItem": item, "countryCode": regionCode })
    }

    // The field takes the keyboard; `fromAnywhere` first goes back to the
    // list from pushed details.
    function focusSearchField(fromAnywhere) {
        if (fromAnywhere)
            panes.backToList()
        if (panes.navigation.currentItem === searchPage)
            searchBar.field.forceActiveFocus()
    }

    // A start's request: back on the search page, as if typed and submitted.
    function handOver(text, region) {
        panes.backToList()
        viewModel.submit(text, region)
    }

    // A resolved store link opens its detail screen by itself; leaving that
    // screen forgets the item, so that the same link can open it again.
    property var linkedDetail: null

    Connections {
        target: viewModel
        function onFoundAppItemFromURLChanged() {
            if (!viewModel.hasFoundAppItem)
                return
            if (contentView.linkedDetail && panes.detail === contentView.linkedDetail) {
                contentView.linkedDetail.appItem = viewModel.foundAppItemFromURL
                contentView.linkedDetail.countryCode = viewModel.foundAppItemRegion
            } else {
                contentView.linkedDetail = contentView.showDetail(viewModel.foundAppItemFromURL,
                                                                  viewModel.foundAppItemRegion)
            }
        }
    }

    PaneNavigation {
        id: panes
        anchors.fill: parent
        focus: true
        navigationName: "searchNavigation"
        listPage: searchPage
        detailPage: Qt.resolvedUrl("AppDetailPage.qml")

        onDetailChanged: {
            if (contentView.linkedDetail && detail !== contentView.linkedDetail) {
                contentView.linkedDetail = null
                viewModel.hasFoundAppItem = false
            }
        }
    }

    T.Page {
        id: searchPage
        objectName: "searchPage"
        focus: true
        Accessible.name: qsTrId("search")
        background: Rectangle { color: Theme.systemBackground }

        StackView.onActivated: viewModel.loadSearchHistory()

        header: NavigationBar {
            title: qsTrId("navigation_title_vellumar")

            leading: [
                // In the main menu on a wide window.
                BarButton {
                    objectName: "settingsButton"
                    visible: !contentView.wide
                    symbol: "gearshape.fill"
                    Accessible.name: qsTrId("settings")
                    onClicked: contentView.presentSettings()
                },
                SelectButton {
                    selection: resultSelection
                    rows: resultList.count
                }
            ]

            trailing: Row {
                spacing: 4

                PlatformButton {
                    objectName: "platformButton"
                    // A new platform answers the term on screen at once.
                    onPicked: if (viewModel.searchTerm !== "") viewModel.performSearch()
                }
                RegionButton {
                    objectName: "regionButton"
                    code: viewModel.selectedCountryCode
                    onClicked: contentView.presentCountryList()
                }
            }
        }

        // BatchBar, made when first needed. Loaders name a component by its
        // file (../Components/ is that module's), which keeps it from being
        // loaded with this page.
        footer: Loader {
            active: resultSelection.selecting || viewModel.saveFlow.running
            Component.onCompleted: setSource("../Components/BatchBar.qml", {
                "selection": resultSelection,
                "batch": viewModel.saveFlow
            })
        }

        // Return submits; typing alone starts nothing. An emptied field is
        // cleared by the model itself once it has stayed empty for a moment.
        SearchField {
            id: searchBar
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.margins: Theme.defaultPadding
            anchors.topMargin: 8
            fieldName: "searchField"
            clearButtonName: "clearSearchButton"
            placeholderText: qsTrId("search_placeholder")
            text: viewModel.searchTerm
            onEdited: text => viewModel.searchTerm = text
            onAccepted: viewModel.performSearch()
            onDownPressed: if (resultList.visible && resultList.count > 0) resultList.forceActiveFocus()
        }

        Item {
            id: contentArea
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: searchBar.bottom
            anchors.bottom: parent.bottom
            anchors.topMargin: 8

            AppList {
                id: resultList
                objectName: "resultList"
                anchors.fill: parent
                Accessible.name: qsTrId("apps_found")
                model: viewModel.searchResults
                selection: resultSelection
                delegate: AppRow {
                    objectName: "resultRow_" + index
                    width: ListView.view.width
                    // Chosen-looking only beside its details.
                    showsSelection: panes.detail !== null // qmllint disable unqualified
                    selection: resultSelection // qmllint disable unqualified
                    onOpenRequested: item => contentView.showDetail(item, viewModel.selectedCountryCode)
                    onSaveRequested: item => viewModel.saveFlow.saveIcon(item)
                    onSaveAsRequested: (item, options) => viewModel.saveFlow.saveIconAs(item, options)
                }
            }

            // Made while a search runs, not before.
            Loader {
                anchors.centerIn: parent
                active: viewModel.overlay === ContentViewModel.Loading
                source: "../Components/LoadingIndicator.qml"
            }

            SearchHistoryPanel {
                objectName: "historyPanel"
                anchors.fill: parent
                visible: viewModel.overlay === ContentViewModel.History
                searchHistory: viewModel.searchHistory
                onClearRequested: viewModel.clearSearchHistory()
                onTagTapped: tag => {
                    viewModel.searchTerm = tag
                    viewModel.performSearch()
                }
            }

            Text {
                objectName: "statusMessage"
                anchors.centerIn: parent
                width: parent.width - 2 * Theme.defaultPadding
                visible: viewModel.overlay === ContentViewModel.Status
                text: viewModel.statusMessage
                textFormat: Text.PlainText
                color: Theme.systemGray
                font.pixelSize: Theme.subheadlineSize
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
            }
        }
    }

    // The screen appears again when its tab is picked again.
    onVisibleChanged: {
        if (visible)
            viewModel.loadSearchHistory()
    }

    // On a desktop the keyboard is there at once: the field takes it.
    Component.onCompleted: {
        if (Qt.platform.os !== "android" && Qt.platform.os !== "ios")
            searchBar.field.forceActiveFocus()
    }

    OnDemandLoader {
        id: countryListLoader
        source: "RegionPage.qml"
        onLoaded: {
            const sheet = contentView.countryListSheet
            sheet.objectName = "countryListView"
            sheet.selectedCountryCode = Qt.binding(() => viewModel.selectedCountryCode)
            sheet.countrySelected.connect(code => viewModel.selectedCountryCode = code)
        }
    }

    OnDemandLoader {
        id: settingsLoader
        source: "SettingsPage.qml"
        onLoaded: contentView.settingsSheet.objectName = "settingsView"
    }

    // Built the first time there is something to report.
    Loader {
        id: saveAlertLoader

        Connections {
            target: viewModel.saveFlow
            function onShowingSaveAlertChanged() {
                if (saveAlertLoader.status === Loader.Null)
                    saveAlertLoader.setSource(Qt.resolvedUrl("../Components/SaveAlert.qml"), { "owner": viewModel.saveFlow })
                // Closing the alert gives the keyboard back to the field.
                else if (!viewModel.saveFlow.showingSaveAlert)
                    contentView.focusSearchField(false)
            }
        }
    }
}
