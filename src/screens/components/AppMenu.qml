// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Controls
import Vellumar.Core
import Vellumar.Desktop
import Vellumar.Style

// What can be done with an item from the mouse or the Menu key: save, copy
// the icon itself, copy or open the store link, and delete where allowed.
PlainMenu {
    id: menu

    property appItem item
    property bool deletable: false

    signal saveRequested()
    signal deleteRequested()

    objectName: "appMenu"

    MenuItem {
        objectName: "menuSaveIcon"
        text: qsTrId("save_icon")
        onTriggered: menu.saveRequested()
    }
    MenuItem {
        objectName: "menuCopyIcon"
        text: qsTrId("copy_icon")
        onTriggered: Desktop.copyIcon(menu.item)
    }
    MenuItem {
        objectName: "menuCopyStoreLink"
        text: qsTrId("copy_store_link")
        onTriggered: Desktop.copyText(menu.item.appStoreUrl)
    }
    MenuItem {
        objectName: "menuOpenInBrowser"
        text: qsTrId("open_in_browser")
        onTriggered: Qt.openUrlExternally(menu.item.appStoreUrl)
    }
    MenuItem {
        objectName: "menuDelete"
        visible: menu.deletable
        height: visible ? implicitHeight : 0
        text: qsTrId("delete")
        onTriggered: menu.deleteRequested()
    }
}
