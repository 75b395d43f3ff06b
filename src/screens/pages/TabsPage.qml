// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import Vellumar.Style
import Vellumar.Pages

// The tab shell: search first, history second, on an opaque light-grey bar.
// Each tab keeps its state while the other is shown.
T.Page {
    id: mainView

    objectName: "mainView"
    Accessible.name: selectedTab === 0 ? qsTrId("search") : qsTrId("history")

    // Tab: 0 is search, 1 is history.
    readonly property int selectedTab: tabBar.currentIndex

    footer: T.TabBar {
        id: tabBar
        objectName: "tabBar"
        Accessible.name: qsTrId("tabs")
        currentIndex: 0
        position: T.TabBar.Footer
        visible: !(mainView.selectedTab === 0 ? searchContent.showsMedia
                   : historyTab.item !== null && (historyTab.item as HistoryPage).showsMedia)
        implicitWidth: contentWidth + leftPadding + rightPadding
        implicitHeight: contentHeight + topPadding + bottomPadding
        spacing: 0

        contentItem: ListView {
            model: tabBar.contentModel
            currentIndex: tabBar.currentIndex
            spacing: tabBar.spacing
            orientation: ListView.Horizontal
            interactive: false
            boundsBehavior: Flickable.StopAtBounds
        }

        // Opaque light grey whether or not content scrolls beneath it.
        background: Rectangle {
            color: Theme.systemGray6

            Separator {
                width: parent.width
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

    // The keyboard's ways to what the mouse reaches.
    Shortcut {
        sequence: "Ctrl+F"
        onActivated: {
            tabBar.currentIndex = 0
            searchContent.focusSearchField(true)
        }
    }
    Shortcut {
        sequence: "Ctrl+,"
        onActivated: {
            tabBar.currentIndex = 0
            searchContent.presentSettings()
        }
    }
    Shortcut {
        sequence: "Ctrl+1"
        onActivated: tabBar.currentIndex = 0
    }
    Shortcut {
        sequence: "Ctrl+2"
        onActivated: tabBar.currentIndex = 1
    }
    Shortcut {
        // Not StandardKey.Quit, which some desktops leave unbound.
        sequence: "Ctrl+Q"
        onActivated: Qt.quit()
    }

    function handOver(text, region) {
        tabBar.currentIndex = 0
        searchContent.handOver(text, region)
    }

    // Both tabs stay built; only the selected one shows.
    SearchPage {
        id: searchContent
        anchors.fill: parent
        visible: mainView.selectedTab === 0
        focus: mainView.selectedTab === 0
    }

    // Built when first shown, then kept with its state like the search tab.
    Loader {
        id: historyTab
        anchors.fill: parent
        active: false
        visible: mainView.selectedTab === 1
        focus: mainView.selectedTab === 1
        source: "HistoryPage.qml"
    }

    // The shown tab's field takes the keyboard, once the tab is visible.
    onSelectedTabChanged: {
        if (selectedTab === 1)
            historyTab.active = true
        Qt.callLater(focusSearchField) // qmllint disable
    }

    function focusSearchField() {
        if (selectedTab === 1)
            (historyTab.item as HistoryPage).focusSearchField()
        else
            searchContent.focusSearchField(false)
    }

    component ShellTab: T.TabButton {
        id: tab

        property string symbol

        implicitWidth: implicitContentWidth + leftPadding + rightPadding
        implicitHeight: 56
        padding: 4
        focusPolicy: Qt.StrongFocus
        Accessible.role: Accessible.PageTab
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

        background: FocusFrame {
            control: tab
            color: "transparent"
        }
    }
}
