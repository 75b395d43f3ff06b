// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Controls
import Vellumar.Style

// The spinner with its caption while a search (or other work) runs.
Column {
    property alias text: caption.text

    objectName: "loadingIndicator"
    spacing: 4
    scale: 1.5

    BusyIndicator {
        anchors.horizontalCenter: parent.horizontalCenter
        implicitWidth: 32
        implicitHeight: 32
    }
    Text {
        id: caption
        anchors.horizontalCenter: parent.horizontalCenter
        text: qsTrId("searching")
        color: Theme.systemGray
        font.pixelSize: Theme.subheadlineSize
    }
}
