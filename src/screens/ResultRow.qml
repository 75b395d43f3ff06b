// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import Vellumar

// One hit: icon, name and a round save button. Tapping the row opens the
// item, unless it chooses rows for a batch (see RowSelection); tapping the
// button only saves.
T.ItemDelegate {
    id: row

    required property int index
    required property string trackName
    required property url iconUrl
    required property appItem item

    // Whether the list's current row shows as chosen (beside its details).
    property bool showsSelection: false
    property RowSelection selection
    readonly property bool selecting: selection?.selecting ?? false
    readonly property bool selected: selection?.selectedRowNumbers.includes(index) ?? false

    signal openRequested(appItem item)
    signal saveRequested(appItem item)

    objectName: "resultRow_" + index
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    leftPadding: Theme.defaultPadding
    rightPadding: Theme.defaultPadding
    topPadding: 5 + 4
    bottomPadding: 5 + 4
    focusPolicy: Qt.StrongFocus
    Accessible.role: Accessible.ListItem
    Accessible.name: trackName
    Accessible.selectable: true
    Accessible.selected: selected || highlighted
    highlighted: showsSelection && !selecting && ListView.isCurrentItem
    onClicked: {
        ListView.view.currentIndex = index
        if (!selection?.click(index))
            openRequested(item)
    }
    // The keyboard's place and the list's current row move together.
    onActiveFocusChanged: if (activeFocus) ListView.view.currentIndex = index
    ListView.onIsCurrentItemChanged: if (ListView.isCurrentItem && ListView.view.activeFocus) forceActiveFocus()
    Keys.onMenuPressed: menuArea.openMenu(width / 2, height / 2)
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()

    AppMenuArea {
        id: menuArea
        anchors.fill: parent
        item: row.item
        onSaveRequested: row.saveRequested(row.item)
    }

    contentItem: AppRowContent {
        item: row.item
        iconUrl: row.iconUrl
        name: row.trackName
        selecting: row.selecting
        selected: row.selected
        onSaveRequested: row.saveRequested(row.item)
    }

    background: Rectangle {
        color: row.selected ? Theme.accentFill
             : row.highlighted ? Theme.systemGray5
             : row.down || row.visualFocus || row.hovered ? Theme.systemGray6 : Theme.systemBackground
    }
}
