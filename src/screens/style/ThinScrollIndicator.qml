// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import Vellumar.Style

// A thin grey bar that shows while the content moves.
T.ScrollIndicator {
    id: control

    // Only a glimpse of movement: nothing to read or to use.
    Accessible.ignored: true

    implicitWidth: contentItem.implicitWidth + leftPadding + rightPadding
    implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding
    padding: 2

    contentItem: Rectangle {
        implicitWidth: 3
        implicitHeight: 3
        radius: width / 2
        color: Theme.systemGray
        visible: control.size < 1.0
        opacity: control.active ? 0.7 : 0.0

        Behavior on opacity {
            NumberAnimation { duration: 300 }
        }
    }
}
