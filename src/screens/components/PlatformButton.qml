// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Vellumar.Core
import Vellumar.Style
import Vellumar.Components

// Whose apps a search lists: iPhone, iPad or Mac, picked from a menu that is
// made when first opened, off the first screen's path.
CapsuleButton {
    id: button

    signal picked()

    text: SettingsManager.platformNames[SettingsManager.platform]
    Accessible.name: qsTrId("platform") + " " + text
    onClicked: (menuLoader.made() as PlatformMenu).popup(button, 0, button.height)

    contentItem: Text {
        text: button.text
        font.pixelSize: 14
        font.weight: Font.DemiBold
        color: Theme.label
        verticalAlignment: Text.AlignVCenter
    }

    OnDemandLoader {
        id: menuLoader
        source: "PlatformMenu.qml"
        onLoaded: (item as PlatformMenu).picked.connect(button.picked)
    }
}
