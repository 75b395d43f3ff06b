// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Vellumar

// Whose apps a search lists: iPhone, iPad or Mac, picked from a menu that is
// made when first opened, off the first screen's path.
CapsuleButton {
    id: button

    signal picked()

    text: SettingsManager.platformNames[SettingsManager.platform]
    Accessible.name: qsTrId("platform") + " " + text
    onClicked: {
        if (!menuLoader.active) {
            menuLoader.active = true
            const menu = menuLoader.item as PlatformMenu
            menu.picked.connect(button.picked)
        }
        (menuLoader.item as PlatformMenu).popup(button, 0, button.height)
    }

    contentItem: Text {
        text: button.text
        font.pixelSize: 14
        font.weight: Font.DemiBold
        color: Theme.label
        verticalAlignment: Text.AlignVCenter
    }

    Loader {
        id: menuLoader
        active: false
        source: "PlatformMenu.qml"
    }
}
