// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Controls
import Vellumar.Core
import Vellumar.Style

// The platforms a search can list, the one in effect checked.
PlainMenu {
    id: menu

    signal picked()

    objectName: "platformMenu"

    Repeater {
        model: SettingsManager.platformNames
        delegate: MenuItem {
            required property string modelData
            required property int index
            objectName: "platform_" + modelData
            text: modelData
            checkable: true
            checked: SettingsManager.platform === index
            onTriggered: {
                SettingsManager.platform = index
                menu.picked()
            }
        }
    }
}
