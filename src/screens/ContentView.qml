import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Vellumar

// The search tab: the search field, the hits with their save buttons, the
// recent terms as tags while the field is empty, and the toolbar that opens
// the settings and the region picker. Everything that outlives the screen
// lives in the search model.
Item {
    id: contentView
    objectName: "contentView"

    readonly property alias viewModel: viewModel
    readonly property bool showingSettings: settingsLoader.item !== null && settingsLoader.item.visible
    readonly property bool showingCountryList: countryListLoader.item !== null && countryListLoader.item.visible

    // The sheets are built when first presented, so that start-up pays for
    // neither; once built they are kept.
    function presentSettings() {
        settingsLoader.active = true
        settingsLoader.item.open()
    }

    function presentCountryList() {
        countryListLoader.active = true
        countryListLoader.item.open()
    }

    ContentViewModel {
        id: viewModel
    }

    // The one place that opens an item's detail screen, from a row tap or
    // from a resolved store link.
    function showDetail(item, regionCode) {
        return navigation.push(detailComponent, {
            "appItem": item,
            "countryCode": regionCode
        })
    }

    Component {
        id: detailComponent
        AppDetailView {}
    }

    // A resolved store link opens its detail screen by itself; leaving that
    // screen forgets the item, so that the same link can open it again.
    property bool followingLink: false
    property var linkedDetail: null

    function followFoundItem() {
        const item = viewModel.foundAppItemFromURL
        if (item === undefined || item === null)
            return
        const region = item.countryCode !== "" ? item.countryCode : viewModel.selectedCountryCode
        if (followingLink && navigation.currentItem === linkedDetail) {
            linkedDetail.appItem = item
            linkedDetail.countryCode = region
            return
        }
        linkedDetail = showDetail(item, region)
        followingLink = true
    }

    Connections {
        target: viewModel
        function onFoundAppItemFromURLChanged() {
            contentView.followFoundItem()
        }
    }

    StackView {
        id: navigation
        objectName: "searchNavigation"
        anchors.fill: parent
        focus: true
        initialItem: searchPage

        onCurrentItemChanged: {
            if (!contentView.followingLink)
                return
            const page = contentView.linkedDetail
            if (page && navigation.find(item => item === page) !== null)
                return
            contentView.followingLink = false
            contentView.linkedDetail = null
            viewModel.foundAppItemFromURL = undefined
        }
    }

    Page {
        id: searchPage
        objectName: "searchPage"
        focus: true
        background: Rectangle { color: Theme.systemBackground }

        StackView.onActivated: viewModel.loadSearchHistory()

        header: NavigationBar {
            title: qsTrId("navigation_title_vellumar")

            leading: ToolButton {
                objectName: "settingsButton"
                contentItem: Symbol {
                    name: "gearshape.fill"
                    color: Theme.accent
                }
                Accessible.name: qsTrId("settings")
                onClicked: contentView.presentSettings()
            }

            trailing: RegionButton {
                objectName: "regionButton"
                code: viewModel.selectedCountryCode
                onClicked: contentView.presentCountryList()
            }
        }

        ColumnLayout {
            anchors.fill: parent
            spacing: 0

            SearchBar {
                id: searchBar
                Layout.fillWidth: true
                Layout.leftMargin: Theme.defaultPadding
                Layout.rightMargin: Theme.defaultPadding
                Layout.topMargin: 8
                Layout.bottomMargin: 8
                viewModel: viewModel
            }

            Item {
                id: contentArea
                Layout.fillWidth: true
                Layout.fillHeight: true

                ListView {
                    id: resultList
                    objectName: "resultList"
                    anchors.fill: parent
                    clip: true
                    model: viewModel.searchResults
                    delegate: ResultRow {
                        width: ListView.view.width
                        onOpenRequested: item => contentView.showDetail(item, viewModel.selectedCountryCode)
                        onSaveRequested: item => viewModel.saveIcon(item)
                    }
                    ScrollIndicator.vertical: ScrollIndicator {}
                }

                // Exactly one overlay shows, chosen in this order.
                readonly property string overlay: viewModel.isLoading ? "loading"
                    : viewModel.searchTerm === "" ? "history"
                    : resultList.count === 0 && viewModel.foundAppItemFromURL === undefined ? "status"
                    : ""

                Column {
                    objectName: "loadingIndicator"
                    anchors.centerIn: parent
                    visible: contentArea.overlay === "loading"
                    spacing: 4
                    scale: 1.5

                    BusyIndicator {
                        anchors.horizontalCenter: parent.horizontalCenter
                        running: parent.visible
                        implicitWidth: 32
                        implicitHeight: 32
                    }
                    Label {
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: qsTrId("searching")
                        color: Theme.systemGray
                    }
                }

                HistoryPanel {
                    objectName: "historyPanel"
                    anchors.fill: parent
                    visible: contentArea.overlay === "history"
                    searchHistory: viewModel.searchHistory
                    onClearRequested: viewModel.clearSearchHistory()
                    onTagTapped: tag => {
                        viewModel.searchTerm = tag
                        viewModel.performSearch()
                    }
                }

                Label {
                    objectName: "statusMessage"
                    anchors.centerIn: parent
                    width: parent.width - 2 * Theme.defaultPadding
                    visible: contentArea.overlay === "status"
                    text: viewModel.statusMessage
                    textFormat: Text.PlainText
                    color: Theme.systemGray
                    wrapMode: Text.Wrap
                    horizontalAlignment: Text.AlignHCenter
                }
            }
        }
    }

    // On a desktop the keyboard is there at once: the field takes it.
    Component.onCompleted: {
        if (Qt.platform.os !== "android" && Qt.platform.os !== "ios")
            searchBar.field.forceActiveFocus()
    }

    Loader {
        id: countryListLoader
        active: false
        sourceComponent: CountryListView {
            objectName: "countryListView"
            selectedCountryCode: viewModel.selectedCountryCode
            onCountrySelected: code => viewModel.selectedCountryCode = code
        }
    }

    Loader {
        id: settingsLoader
        active: false
        sourceComponent: SettingsView {
            objectName: "settingsView"
        }
    }

    SaveAlert {
        owner: viewModel
    }
}
