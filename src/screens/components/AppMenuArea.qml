// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Vellumar.Core
import Vellumar.Components

// Opens an item's menu (AppMenu) on a right click over whatever this fills.
// The menu is made when first asked for: a list has many rows.
Item {
    id: area

    property appItem item
    property bool deletable: false

    signal saveRequested()
    signal deleteRequested()

    // From the keyboard, the first item is current at once.
    function openMenu(x, y, byKeyboard) {
        const menu = menuLoader.made() as AppMenu
        menu.item = area.item
        menu.deletable = area.deletable
        menu.popup(area, x, y)
        if (byKeyboard)
            menu.currentIndex = 0
    }

    TapHandler {
        acceptedButtons: Qt.RightButton
        onTapped: eventPoint => area.openMenu(eventPoint.position.x, eventPoint.position.y, false)
    }

    OnDemandLoader {
        id: menuLoader
        source: "AppMenu.qml"
        onLoaded: {
            const menu = item as AppMenu
            menu.saveRequested.connect(area.saveRequested)
            menu.deleteRequested.connect(area.deleteRequested)
        }
    }
}
