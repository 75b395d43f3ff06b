// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import Vellumar.Core
import Vellumar.Style

// A list of apps (AppRow delegates) that works as desktop lists do: one Tab
// stop, its current row; the arrows, Home, End, Page Up and Page Down move
// that row, which Return opens and Space opens or, while choosing, chooses.
// Ctrl+A chooses every row and Escape ends the choice; Delete deletes the
// chosen rows, else the current one, where rows can be deleted.
ListView {
    id: list

    property RowSelection selection
    property bool deletable: false

    // Row numbers of the list as shown.
    signal deleteRequested(var rows)

    Accessible.role: Accessible.List
    clip: true
    keyNavigationEnabled: true
    // Rows scrolled away are used again, not made anew.
    reuseItems: true
    T.ScrollIndicator.vertical: ThinScrollIndicator {}

    // One menu of other sizes and shapes serves every row, made when first
    // asked for; what it picks goes to the row that asked.
    function openSaveOptions(row, button) {
        const menu = saveOptions.made()
        menu.row = row
        menu.popup(button, 0, button.height)
    }

    OnDemandLoader {
        id: saveOptions
        source: "SaveOptionsMenu.qml"
        onLoaded: {
            const menu = item
            menu.picked.connect(options => menu.row?.saveAsRequested(menu.row.item, options))
        }
    }

    // A list with rows always has a current one: it is the Tab stop.
    onCountChanged: if (currentIndex < 0 && count > 0) currentIndex = 0

    function moveTo(row) {
        if (count === 0)
            return
        currentIndex = Math.max(0, Math.min(count - 1, row))
        positionViewAtIndex(currentIndex, ListView.Contain)
    }

    // As many rows as the view shows, less one, so that a page keeps one in sight.
    function pageRows() {
        const rowHeight = currentItem ? currentItem.height : height
        return Math.max(1, Math.floor(height / rowHeight) - 1)
    }

    Keys.onPressed: event => {
        if (event.key === Qt.Key_Home)
            moveTo(0)
        else if (event.key === Qt.Key_End)
            moveTo(count - 1)
        else if (event.key === Qt.Key_PageUp)
            moveTo(currentIndex - pageRows())
        else if (event.key === Qt.Key_PageDown)
            moveTo(currentIndex + pageRows())
        else if (event.matches(StandardKey.SelectAll) && selection && count > 0) {
            selection.selecting = true
            selection.selectAll()
        } else if (event.key === Qt.Key_Delete && deletable && count > 0)
            deleteRequested(selection && selection.count > 0 ? selection.selectedRowNumbers
                                                             : [currentIndex])
        else if (event.key === Qt.Key_Escape && selection && selection.selecting)
            selection.selecting = false
        else
            return
        event.accepted = true
    }
}
