// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import Vellumar.Core
import Vellumar.Style
import Vellumar.Components

// One app in a list (an AppList: search results, the download history, a
// developer's apps): icon, name and a round save button. Tapping the row
// opens the item, unless it chooses rows for a batch (see RowSelection);
// tapping the button only saves. A deletable row uncovers its delete action
// with a swipe to the left. Only the list's current row is a Tab stop; the
// keyboard saves from the row's menu (the Menu key or Shift+F10).
T.SwipeDelegate {
    id: row

    required property int index
    required property string trackName
    required property url iconUrl
    required property appItem item

    // Whether the list's current row shows as chosen (beside its details).
    property bool showsSelection: false
    property RowSelection selection
    property bool deletable: false
    readonly property bool selecting: selection?.selecting ?? false
    readonly property bool selected: selection?.selectedRowNumbers.includes(index) ?? false

    signal openRequested(appItem item)
    signal saveRequested(appItem item)
    // Once, in other options than the settings'.
    signal saveAsRequested(appItem item, iconSaveOptions options)
    // The row's number in the list as shown.
    signal deleteRequested(int row)

    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    leftPadding: Theme.defaultPadding
    rightPadding: Theme.defaultPadding
    topPadding: 5 + 4
    bottomPadding: 5 + 4
    focusPolicy: ListView.isCurrentItem ? Qt.StrongFocus : Qt.ClickFocus
    Accessible.role: Accessible.ListItem
    Accessible.name: trackName
    Accessible.selectable: true
    Accessible.selected: selected || highlighted
    highlighted: showsSelection && !selecting && ListView.isCurrentItem
    swipe.enabled: deletable && !selecting
    // A row scrolled away is used again for another entry, closed.
    ListView.onPooled: swipe.close()
    onClicked: {
        ListView.view.currentIndex = index
        if (!selection?.click(index))
            openRequested(item)
    }
    // The keyboard's place and the list's current row move together.
    onActiveFocusChanged: if (activeFocus) ListView.view.currentIndex = index
    ListView.onIsCurrentItemChanged: if (ListView.isCurrentItem && ListView.view.activeFocus) forceActiveFocus()
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()
    Keys.onMenuPressed: menuArea.openMenu(width / 2, height / 2, true)
    Keys.onPressed: event => {
        if (event.key === Qt.Key_F10 && event.modifiers & Qt.ShiftModifier) {
            menuArea.openMenu(width / 2, height / 2, true)
            event.accepted = true
        }
    }

    AppMenuArea {
        id: menuArea
        anchors.fill: parent
        item: row.item
        deletable: row.deletable
        onSaveRequested: row.saveRequested(row.item)
        onDeleteRequested: row.deleteRequested(row.index)
    }

    background: Rectangle {
        color: row.selected ? Theme.accentFill
             : row.highlighted || row.down ? Theme.systemGray5
             : row.visualFocus || row.hovered ? Theme.systemGray6 : Theme.systemBackground
    }

    // Made when swiped, so only on a deletable row.
    swipe.right: T.AbstractButton {
        objectName: "deleteButton"
        anchors.right: parent.right
        height: parent.height
        width: 80
        Accessible.name: qsTrId("delete_from_history").arg(row.trackName) // qmllint disable unqualified
        onClicked: row.deleteRequested(row.index) // qmllint disable unqualified

        background: Rectangle {
            color: Theme.destructive
        }
        contentItem: Symbol {
            name: "trash"
            color: Theme.destructiveLabel
        }
    }

    contentItem: AppRowContent {
        item: row.item
        iconUrl: row.iconUrl
        name: row.trackName
        selecting: row.selecting
        selected: row.selected
        trailingPadding: row.rightPadding
        onSaveRequested: row.saveRequested(row.item)
        onSaveOptionsRequested: button => (row.ListView.view as AppList).openSaveOptions(row, button)
    }
}
