// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Vellumar.Style
import Vellumar.Components

// The region in effect as a flag and code. A code missing from the region
// table shows no label at all.
CapsuleButton {
    id: button

    property string code
    readonly property string flag: RegionTable.flagForCode(code)

    showsCapsule: flag !== ""
    Accessible.name: qsTrId("navigation_title_select_region") + (flag !== "" ? " " + code : "")

    contentItem: Row {
        spacing: 6

        Text {
            objectName: "regionFlag"
            anchors.verticalCenter: parent.verticalCenter
            text: button.flag
            font.family: Theme.flagFamily
            font.pixelSize: 14
        }
        Text {
            objectName: "regionCode"
            anchors.verticalCenter: parent.verticalCenter
            text: button.flag !== "" ? button.code : ""
            font.pixelSize: 14
            font.weight: Font.DemiBold
            color: Theme.label
        }
    }
}
