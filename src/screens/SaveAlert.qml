import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts

// The outcome of a save: the owner's title and message as they are, with one
// button that only dismisses. Dismissing in any way clears the owner's flag.
Dialog {
    id: alert

    // Anything with showingSaveAlert, saveAlertTitle and saveAlertMessage.
    property QtObject owner

    objectName: "saveAlert"
    parent: Overlay.overlay
    anchors.centerIn: parent
    width: Math.min(300, parent ? parent.width - 48 : 300)
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape
    title: owner ? owner.saveAlertTitle : ""

    Label {
        objectName: "saveAlertMessage"
        width: alert.availableWidth
        text: alert.owner ? alert.owner.saveAlertMessage : ""
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
    }

    footer: DialogButtonBox {
        Button {
            objectName: "saveAlertOkButton"
            text: qsTrId("ok")
            flat: true
            focus: true
            DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
            Keys.onReturnPressed: clicked()
            Keys.onEnterPressed: clicked()
        }
    }

    function follow() {
        if (owner && owner.showingSaveAlert)
            open()
        else
            close()
    }

    Connections {
        target: alert.owner
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
