// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import Vellumar.Core
import Vellumar.Style
import Vellumar.Components
import Vellumar.Pages

// The tab shell: search first, history second. Narrow, on an opaque
// light-grey bar at the bottom; from Theme.wideWidth on, a desktop frame: the
// two views in a switcher in the header, beside the main menu. Each tab keeps
// its state while the other is shown.
T.Page {
    id: mainView

    objectName: "mainView"
    Accessible.name: selectedTab === 0 ? qsTrId("search") : qsTrId("history")

    // Tab: 0 is search, 1 is history.
    property int selectedTab: 0
    readonly property bool wide: width >= Theme.wideWidth
    // A full-screen picture on a narrow window covers the tab bar too.
    readonly property bool showsMedia: selectedTab === 0 ? searchContent.showsMedia
        : historyTab.item !== null && (historyTab.item as HistoryPage).showsMedia

    // Only the bar of the window's width is built, and none before the page
    // has its width. (The tab bar asks the width itself: when the page is
    // made, `wide` may not be worked out yet.) An emptied loader keeps its
    // last height, so only the visible one takes room.
    header: Loader {
        id: headerLoader
        active: mainView.wide
        visible: active
        sourceComponent: frameHeader
    }
    footer: Loader {
        active: mainView.width > 0 && mainView.width < Theme.wideWidth
        visible: active && !mainView.showsMedia
        sourceComponent: tabBar
    }

    Component {
        id: frameHeader

        T.ToolBar {
            readonly property alias menuButton: menuButton

            objectName: "frameHeader"
            implicitHeight: 48
            Accessible.role: Accessible.ToolBar
            Accessible.name: qsTrId("navigation_title_vellumar")

            Row {
                objectName: "viewSwitcher"
                anchors.centerIn: parent
                spacing: 4
                Accessible.role: Accessible.PageTabList
                Accessible.name: qsTrId("tabs")

                // Named like the tabs they stand for: only one of each is built.
                ViewButton {
                    objectName: "searchTab"
                    text: qsTrId("search")
                    symbol: "magnifyingglass"
                    checked: mainView.selectedTab === 0 // qmllint disable unqualified
                    onClicked: mainView.selectedTab = 0 // qmllint disable unqualified
                }
                ViewButton {
                    objectName: "historyTab"
                    text: qsTrId("history")
                    symbol: "clock.arrow.circlepath"
                    checked: mainView.selectedTab === 1 // qmllint disable unqualified
                    onClicked: mainView.selectedTab = 1 // qmllint disable unqualified
                }
            }

            BarButton {
                id: menuButton
                objectName: "primaryMenuButton"
                anchors.right: parent.right
                anchors.rightMargin: 4
                anchors.verticalCenter: parent.verticalCenter
                symbol: "line.3.horizontal"
                Accessible.name: qsTrId("primary_menu")
                onClicked: mainView.openPrimaryMenu(menuButton, visualFocus) // qmllint disable unqualified
            }

            background: Rectangle {
                color: Theme.barBackground

                Separator {
                    width: parent.width
                    anchors.bottom: parent.bottom
                }
            }
        }
    }

    // Opaque light grey whether or not content scrolls beneath it.
    Component {
        id: tabBar

        Rectangle {
            objectName: "tabBar"
            implicitHeight: 56
            color: Theme.systemGray6
            Accessible.role: Accessible.PageTabList
            Accessible.name: qsTrId("tabs")

            Separator {
                width: parent.width
            }

            Row {
                anchors.fill: parent

                ShellTab {
                    objectName: "searchTab"
                    width: parent.width / 2
                    text: qsTrId("search")
                    symbol: "magnifyingglass"
                    checked: mainView.selectedTab === 0 // qmllint disable unqualified
                    onClicked: mainView.selectedTab = 0 // qmllint disable unqualified
                }
                ShellTab {
                    objectName: "historyTab"
                    width: parent.width / 2
                    text: qsTrId("history")
                    symbol: "clock.arrow.circlepath"
                    checked: mainView.selectedTab === 1 // qmllint disable unqualified
                    onClicked: mainView.selectedTab = 1 // qmllint disable unqualified
                }
            }
        }
    }

    // The keyboard's ways to what the mouse reaches.
    Shortcut {
        sequence: "Ctrl+F"
        onActivated: {
            mainView.selectedTab = 0
            searchContent.focusSearchField(true)
        }
    }
    Shortcut {
        sequence: "Ctrl+,"
        onActivated: mainView.presentSettings()
    }
    Shortcut {
        // "?" comes with Shift on most keyboards.
        sequences: ["Ctrl+?", "Ctrl+Shift+?"]
        onActivated: mainView.presentShortcuts()
    }
    Shortcut {
        sequence: "F10"
        enabled: mainView.wide
        onActivated: mainView.openPrimaryMenu(headerLoader.item.menuButton, true) // qmllint disable
    }
    Shortcut {
        sequence: "Ctrl+1"
        onActivated: mainView.selectedTab = 0
    }
    Shortcut {
        sequence: "Ctrl+2"
        onActivated: mainView.selectedTab = 1
    }
    Shortcut {
        // Not StandardKey.Quit, which some desktops leave unbound.
        sequence: "Ctrl+Q"
        onActivated: Qt.quit()
    }

    function presentSettings() {
        mainView.selectedTab = 0
        searchContent.presentSettings()
    }

    function presentShortcuts() {
        shortcutsLoader.made().open()
    }

    // The history's check for new icons: one for the window, which the
    // history's button, the main menu and the check of the day share.
    NewIconCheck {
        id: newIconCheck
        objectName: "newIconCheck"
        onShowRequested: mainView.presentNewIcons()
    }
    // Once the window is up, and only when switched on: it never holds up the start.
    Timer {
        interval: 2000
        running: true
        onTriggered: newIconCheck.checkIfDue()
    }
    // Built when first shown; by name, so that a start compiles nothing of it.
    Loader {
        id: newIconsLoader
    }

    function presentNewIcons() {
        mainView.selectedTab = 1
        if (!newIconsLoader.item)
            newIconsLoader.setSource(Qt.resolvedUrl("NewIconsPage.qml"), { "check": newIconCheck })
        const sheet = newIconsLoader.item as NewIconsPage
        sheet.open()
    }

    function checkForNewIcons() {
        presentNewIcons()
        newIconCheck.check()
    }

    function presentAbout() {
        aboutLoader.made().open()
    }

    // From the keyboard, the first item is current at once, as in any desktop menu.
    function openPrimaryMenu(button, byKeyboard) {
        const menu = primaryMenuLoader.made()
        menu.popup(button, button.width - menu.width, button.height)
        if (byKeyboard)
            menu.currentIndex = 0
    }

    // What the frame opens, built when first asked for.
    OnDemandLoader {
        id: primaryMenuLoader
        source: "../Components/PrimaryMenu.qml"
        onLoaded: {
            const menu = item
            menu.preferencesRequested.connect(mainView.presentSettings)
            menu.shortcutsRequested.connect(mainView.presentShortcuts)
            menu.aboutRequested.connect(mainView.presentAbout)
            menu.newIconsRequested.connect(mainView.checkForNewIcons)
        }
    }
    OnDemandLoader {
        id: shortcutsLoader
        source: "ShortcutsPage.qml"
    }
    OnDemandLoader {
        id: aboutLoader
        source: "../Components/AboutDialog.qml"
    }

    function handOver(text, region) {
        mainView.selectedTab = 0
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
        onLoaded: {
            const history = item as HistoryPage
            history.newIcons = Qt.binding(() => newIconCheck.changes.length)
            history.newIconsRequested.connect(mainView.checkForNewIcons)
        }
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

    // A view in the header's switcher: its symbol and name side by side, the
    // shown one tinted.
    component ViewButton: T.TabButton {
        id: viewButton

        property string symbol

        // Shown by the tab it stands for, not toggled by a click.
        checkable: false
        implicitWidth: implicitContentWidth + leftPadding + rightPadding
        implicitHeight: 36
        leftPadding: 14
        rightPadding: 14
        focusPolicy: Qt.StrongFocus
        hoverEnabled: true
        Accessible.role: Accessible.PageTab
        Accessible.name: text

        contentItem: Row {
            spacing: 6

            Symbol {
                anchors.verticalCenter: parent.verticalCenter
                name: viewButton.symbol
                size: 20
                color: viewButton.checked ? Theme.accent : Theme.label
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: viewButton.text
                // Tint and fill mark the shown view, as on the phone's tab
                // bar; a bold weight would cost the start two more fonts.
                font.pixelSize: Theme.subheadlineSize
                color: viewButton.checked ? Theme.accent : Theme.label
            }
        }

        background: FocusFrame {
            control: viewButton
            radius: 8
            color: viewButton.checked ? Theme.accentFill
                 : viewButton.hovered ? Theme.systemGray6 : "transparent"
        }
    }

    component ShellTab: T.TabButton {
        id: tab

        property string symbol

        // Shown by the tab it stands for, not toggled by a click.
        checkable: false
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
