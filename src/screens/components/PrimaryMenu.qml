// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Vellumar.Style

// The header's main menu: what concerns the whole application. Each item
// names its shortcut, the way a desktop menu does.
PlainMenu {
    id: menu

    signal preferencesRequested()
    signal shortcutsRequested()
    signal aboutRequested()
    signal newIconsRequested()

    objectName: "primaryMenu"
    title: qsTrId("primary_menu")

    ShortcutItem {
        objectName: "menuPreferences"
        text: qsTrId("preferences")
        shortcut: "Ctrl+,"
        onTriggered: menu.preferencesRequested()
    }
    ShortcutItem {
        objectName: "menuNewIcons"
        text: qsTrId("check_for_new_icons")
        onTriggered: menu.newIconsRequested()
    }
    MenuSeparator {}
    ShortcutItem {
        objectName: "menuKeyboardShortcuts"
        text: qsTrId("keyboard_shortcuts")
        shortcut: "Ctrl+?"
        onTriggered: menu.shortcutsRequested()
    }
    ShortcutItem {
        objectName: "menuAbout"
        text: qsTrId("about_vellumar")
        onTriggered: menu.aboutRequested()
    }

    component ShortcutItem: MenuItem {
        id: item

        // Shown only: the window's Shortcut items do the work.
        property string shortcut

        contentItem: RowLayout {
            spacing: 32

            Text {
                Layout.fillWidth: true
                text: item.text
                color: Theme.label
                font.pixelSize: Theme.subheadlineSize
            }
            Text {
                text: item.shortcut
                color: Theme.systemGray
                font.pixelSize: Theme.footnoteSize
            }
        }
    }
}
