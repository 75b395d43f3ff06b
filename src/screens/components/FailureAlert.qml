// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Layouts

// A failure the person should know of, from wherever it happened: what went
// wrong in words, and one button that dismisses.
Alert {
    id: alert

    objectName: "failureAlert"
    title: qsTrId("error")

    BarButton {
        Layout.fillWidth: true
        text: qsTrId("ok")
        onClicked: alert.accept()
    }
}
