// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Layouts
import Vellumar.Components

// The outcome of a save: the owner's title and message as they are, where
// the photo went with a button that shows it there, and one button that only
// dismisses. Dismissing in any way clears the owner's flag.
Alert {
    id: alert

    // An IconSaveFlow or a ScreenshotSaver.
    property var owner

    objectName: "saveAlert"
    title: owner ? owner.saveAlertTitle : ""
    message: !owner ? "" : owner.savedPhotoLocation === "" ? owner.saveAlertMessage
        : owner.saveAlertMessage + "\n\n" + owner.savedPhotoLocation

    BarButton {
        objectName: "showInFolderButton"
        Layout.fillWidth: true
        visible: alert.owner ? alert.owner.savedPhotoLocation !== "" : false
        text: qsTrId("show_in_folder")
        onClicked: {
            alert.owner.showSavedPhoto()
            alert.accept()
        }
    }
    BarButton {
        objectName: "saveAlertOkButton"
        Layout.fillWidth: true
        text: qsTrId("ok")
        onClicked: alert.accept()
    }

    function follow() {
        if (owner && owner.showingSaveAlert)
            open()
        else
            close()
    }

    Connections {
        target: alert.owner ?? null
        function onShowingSaveAlertChanged() {
            alert.follow()
        }
    }

    Component.onCompleted: follow()
    onClosed: {
        if (owner && owner.showingSaveAlert)
            owner.showingSaveAlert = false
    }
}
