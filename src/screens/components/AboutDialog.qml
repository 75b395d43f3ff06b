// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Layouts
import Vellumar.Desktop

// What Vellumar is, which version runs, and its licence.
Alert {
    id: dialog

    objectName: "aboutDialog"
    title: qsTrId("navigation_title_vellumar")
    message: qsTrId("about_version").arg(Desktop.version) + "\n\n"
             + qsTrId("about_summary") + "\n\n" + qsTrId("about_licence")

    BarButton {
        objectName: "aboutWebsiteButton"
        Layout.fillWidth: true
        text: qsTrId("about_website")
        onClicked: {
            Qt.openUrlExternally(Desktop.homepage)
            dialog.accept()
        }
    }
    BarButton {
        objectName: "aboutOkButton"
        Layout.fillWidth: true
        text: qsTrId("ok")
        onClicked: dialog.accept()
    }
}
