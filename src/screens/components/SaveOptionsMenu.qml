// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Controls
import Vellumar.Core
import Vellumar.Style

// Saves once in another size or shape, leaving the settings as they are. The
// items follow the settings each time the menu opens.
PlainMenu {
    id: menu

    signal picked(iconSaveOptions options)

    // The row that asked, where a list's rows share the menu.
    property var row

    objectName: "saveOptionsMenu"
    title: qsTrId("other_save_options")

    onAboutToShow: {
        while (count > 0)
            takeItem(0).destroy()
        for (const options of SettingsManager.saveOptions.alternatives()) {
            const item = option.createObject(null, { "options": options })
            item.triggered.connect(() => menu.picked(options))
            addItem(item)
        }
    }

    Component {
        id: option

        MenuItem {
            property iconSaveOptions options

            objectName: "saveAs_" + options.shape + "_" + options.resolution
            text: options.description
        }
    }
}
