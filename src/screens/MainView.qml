import QtQuick
import Vellumar
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts

// The tab shell: search first, history second, on an opaque light-grey bar.
// Each tab keeps its state while the other is shown.
Page {
    id: mainView

    objectName: "mainView"

    // Tab: 0 is search, 1 is history.
    readonly property int selectedTab: tabBar.currentIndex

    footer: TabBar {
        id: tabBar
        objectName: "tabBar"
        currentIndex: 0
        Material.accent: Theme.accent
        position: TabBar.Footer

        // Opaque light grey whether or not content scrolls beneath it.
        background: Rectangle {
            color: Theme.systemGray6
            Rectangle {
                width: parent.width
                height: 1
                color: Theme.separator
                opacity: 0.6
            }
        }

        ShellTab {
            objectName: "searchTab"
            text: qsTrId("search")
            symbol: "magnifyingglass"
        }
        ShellTab {
            objectName: "historyTab"
            text: qsTrId("history")
            symbol: "clock.arrow.circlepath"
        }
    }

    StackLayout {
        anchors.fill: parent
        currentIndex: tabBar.currentIndex

        ContentView {
            focus: mainView.selectedTab === 0
        }

        // Built when first shown, then kept with its state like the search tab.
        Loader {
            id: historyTab
            active: false
            focus: mainView.selectedTab === 1
            sourceComponent: HistoryView {}
        }
    }

    onSelectedTabChanged: {
        if (selectedTab === 1)
            historyTab.active = true
    }

    component ShellTab: TabButton {
        id: tab

        property string symbol

        implicitHeight: 56
        font.capitalization: Font.MixedCase
        Accessible.name: text

        contentItem: Column {
            spacing: 2

            Symbol {
                anchors.horizontalCenter: parent.horizontalCenter
                name: tab.symbol
                size: 24
                color: tab.checked ? Theme.accent : Theme.systemGray
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: tab.text
                font.pixelSize: 11
                color: tab.checked ? Theme.accent : Theme.systemGray
            }
        }
    }
}
