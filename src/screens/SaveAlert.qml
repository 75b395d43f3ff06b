import QtQuick
import QtQuick.Layouts
import Vellumar

// The outcome of a save: the owner's title and message as they are, with one
// button that only dismisses. Dismissing in any way clears the owner's flag.
Alert {
    id: alert

    // An IconSaveFlow or a ScreenshotSaver.
    property var owner

    objectName: "saveAlert"
    title: owner ? owner.saveAlertTitle : ""
    message: owner ? owner.saveAlertMessage : ""

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
