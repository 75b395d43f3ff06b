import QtQuick
import Vellumar
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

    objectName: "historyView"

    HistoryViewModel {
        id: viewModel
    }

    IconSaveFlow {
        id: saveFlow
        recordsHistory: false
    }

    function showDetail(item) {
        // An item remembered without a region opens in the US store.
        return navigation.push(detailComponent, {
            "appItem": item,
            "countryCode": item.countryCode !== "" ? item.countryCode : "US",
            "backTitle": qsTrId("navigation_title_download_history")
        })
    }

    onShowingClearAlertChanged: showingClearAlert ? clearAlert.open() : clearAlert.close()

    function requestClear() {
        if (viewModel.historyItems.length > 0)
            showingClearAlert = true
    }

    Component {
        id: detailComponent
        AppDetailView {}
    }

    StackView {
        id: navigation
        objectName: "historyNavigation"
        anchors.fill: parent
        focus: true
        initialItem: historyPage
    }

    Page {
        id: historyPage
        objectName: "historyPage"
        background: Rectangle { color: Theme.systemBackground }

        // Appearing: shown first, returned to, or shown again with its tab.
        StackView.onActivated: viewModel.loadHistory()
        onVisibleChanged: {
            if (visible && StackView.status === StackView.Active)
                viewModel.loadHistory()
        }

        header: NavigationBar {
            title: qsTrId("navigation_title_download_history")

            trailing: ToolButton {
                objectName: "clearDownloadHistoryButton"
                text: qsTrId("clear")
                enabled: viewModel.historyItems.length > 0
                font.capitalization: Font.MixedCase
                font.pixelSize: Theme.bodySize
                Material.foreground: enabled ? Theme.accent : Theme.systemGray
                onClicked: historyView.requestClear()
            }
        }

        ColumnLayout {
            anchors.fill: parent
            spacing: 0

            // The filter field in its grey rounded bar; the list narrows as one types.
            Rectangle {
                Layout.fillWidth: true
                Layout.leftMargin: Theme.defaultPadding
                Layout.rightMargin: Theme.defaultPadding
                Layout.topMargin: 8
                Layout.bottomMargin: 8
                implicitHeight: filterRow.implicitHeight + 16
                radius: 10
                color: Theme.systemGray6

                RowLayout {
                    id: filterRow
                    anchors.fill: parent
                    anchors.leftMargin: 10
                    anchors.rightMargin: 10
                    anchors.topMargin: 8
                    anchors.bottomMargin: 8

                    Symbol {
                        name: "magnifyingglass"
                        color: Theme.systemGray
                    }

                    TextField {
                        objectName: "historySearchField"
                        Layout.fillWidth: true
                        placeholderText: qsTrId("history_search_placeholder")
                        placeholderTextColor: Theme.systemGray
                        text: viewModel.searchText
                        font.pixelSize: Theme.bodySize
                        selectByMouse: true
                        inputMethodHints: Qt.ImhNoPredictiveText | Qt.ImhNoAutoUppercase
                        padding: 0
                        topPadding: 0
                        bottomPadding: 0
                        background: null
                        Accessible.name: qsTrId("history_search_placeholder")
                        onTextEdited: viewModel.searchText = text
                    }

                    ToolButton {
                        objectName: "clearHistorySearchButton"
                        visible: viewModel.searchText !== ""
                        padding: 0
                        implicitWidth: 28
                        implicitHeight: 28
                        contentItem: Symbol {
                            name: "xmark.circle.fill"
                            size: 18
                            color: Theme.systemGray
                        }
                        Accessible.name: qsTrId("clear")
                        onClicked: viewModel.searchText = ""
                    }
                }
            }

            ListView {
                id: historyList
                objectName: "historyList"
                Layout.fillWidth: true
                Layout.fillHeight: true
                clip: true
                model: viewModel.filteredHistory
                delegate: HistoryRow {
                    onOpenRequested: item => historyView.showDetail(item)
                    onSaveRequested: item => saveFlow.saveIcon(item)
                    // The position is that of the list as shown, filter applied.
                    onDeleteRequested: position => viewModel.deleteItems([position])
                }
                ScrollIndicator.vertical: ScrollIndicator {}

                // Follows the stored list, not the filtered one: a filter that
                // matches nothing shows an empty list without this text.
                Label {
                    objectName: "noDownloadHistory"
                    anchors.centerIn: parent
                    width: parent.width - 2 * Theme.defaultPadding
                    visible: viewModel.historyItems.length === 0
                    text: qsTrId("no_download_history")
                    wrapMode: Text.Wrap
                    horizontalAlignment: Text.AlignHCenter
                    color: Theme.systemGray
                }
            }
        }
    }

    // One remembered item. A swipe to the left uncovers the delete action;
    // the save button saves without opening the item.
    component HistoryRow: SwipeDelegate {
        id: row

        required property var modelData
        required property int index

        signal openRequested(var item)
        signal saveRequested(var item)
        signal deleteRequested(int position)

        objectName: "historyRow_" + index
        width: ListView.view.width
        leftPadding: Theme.defaultPadding
        rightPadding: Theme.defaultPadding
        topPadding: 5 + 4
        bottomPadding: 5 + 4
        Accessible.name: modelData.trackName
        onClicked: openRequested(modelData)

        background: Rectangle {
            color: row.down ? Theme.systemGray5 : Theme.systemBackground

            Rectangle {
                anchors.bottom: parent.bottom
                x: row.leftPadding + 50 + 15
                width: parent.width - x
                height: 1
                color: Theme.separator
                opacity: 0.5
            }
        }

        swipe.right: AbstractButton {
            objectName: "deleteButton"
            anchors.right: parent.right
            height: parent.height
            width: 80
            Accessible.name: qsTrId("clear")
            onClicked: () => row.deleteRequested(row.index)

            background: Rectangle {
                color: "#FF3B30"
            }
            contentItem: Symbol {
                name: "trash"
                color: "white"
            }
        }

        contentItem: RowLayout {
            spacing: 15

            RoundedImage {
                Layout.preferredWidth: 50
                Layout.preferredHeight: 50
                radius: 10
                source: row.modelData.iconUrlFor("512x512")
            }

            Label {
                Layout.fillWidth: true
                text: row.modelData.trackName
                textFormat: Text.PlainText
                wrapMode: Text.Wrap
                font.pixelSize: Theme.headlineSize
                font.weight: Font.DemiBold
            }

            SaveIconButton {
                objectName: "saveButton"
                onClicked: row.saveRequested(row.modelData)
            }
        }
    }

    // The round save button, as on the search screen; its tap does not open the row.
    component SaveIconButton: RoundButton {
        id: saveButton

        padding: 8
        implicitWidth: 16 + 2 * padding + 4
        implicitHeight: implicitWidth
        flat: true
        Material.elevation: 0
        Accessible.name: qsTrId("save_icon")
        contentItem: Symbol {
            name: "square.and.arrow.down"
            size: 16
            color: Theme.accent
        }
        background: Rectangle {
            radius: width / 2
            color: Qt.rgba(Theme.accent.r, Theme.accent.g, Theme.accent.b,
                           saveButton.down ? 0.3 : 0.15)
            border.width: saveButton.visualFocus ? 2 : 0
            border.color: Theme.accent
        }
    }

    // The clear-all confirmation: the destructive button first, then cancel.
    Dialog {
        id: clearAlert
        objectName: "clearHistoryAlert"
        parent: Overlay.overlay
        anchors.centerIn: parent
        width: Math.min(300, parent ? parent.width - 48 : 300)
        modal: true
        focus: true
        closePolicy: Popup.CloseOnEscape
        topPadding: 8
        bottomPadding: 16
        onClosed: historyView.showingClearAlert = false

        background: Rectangle {
            color: Theme.systemBackground
            radius: 14
        }

        header: Label {
            topPadding: 20
            leftPadding: 20
            rightPadding: 20
            text: qsTrId("clear_history_alert_title")
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            font.pixelSize: Theme.headlineSize
            font.weight: Font.DemiBold
        }

        Label {
            width: clearAlert.availableWidth
            text: qsTrId("clear_history_alert_message")
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
        }

        footer: Item {
            implicitHeight: buttons.implicitHeight + 1

            Rectangle {
                width: parent.width
                height: 1
                color: Theme.separator
                opacity: 0.6
            }

            RowLayout {
                id: buttons
                y: 1
                width: parent.width
                spacing: 0

                Button {
                    objectName: "clearAllButton"
                    Layout.fillWidth: true
                    text: qsTrId("clear_all_button")
                    flat: true
                    font.pixelSize: Theme.bodySize
                    font.capitalization: Font.MixedCase
                    Material.foreground: "#FF3B30"
                    onClicked: {
                        viewModel.clearAllHistory()
                        clearAlert.close()
                    }
                }
                Button {
                    objectName: "cancelClearButton"
                    Layout.fillWidth: true
                    text: qsTrId("cancel")
                    flat: true
                    focus: true
                    font.pixelSize: Theme.bodySize
                    font.capitalization: Font.MixedCase
                    font.weight: Font.DemiBold
                    Material.foreground: Theme.accent
                    onClicked: clearAlert.close()
                }
            }
        }
    }

    SaveAlert {
        objectName: "historySaveAlert"
        owner: saveFlow
    }
}
