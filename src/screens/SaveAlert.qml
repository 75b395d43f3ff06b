import QtQuick
import Vellumar
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
    topPadding: 8
    bottomPadding: 16

    // Flat drawing, without shader effects, so that it shows on every backend.
    background: Rectangle {
        color: Theme.systemBackground
        radius: 14
    }

    header: Label {
        objectName: "saveAlertTitle"
        topPadding: 20
        leftPadding: 20
        rightPadding: 20
        text: alert.title
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        horizontalAlignment: Text.AlignHCenter
        font.pixelSize: Theme.headlineSize
        font.weight: Font.DemiBold
    }

    Label {
        objectName: "saveAlertMessage"
        width: alert.availableWidth
        text: alert.owner ? alert.owner.saveAlertMessage : ""
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        horizontalAlignment: Text.AlignHCenter
        // The alert's only button is its default: Return dismisses it.
        focus: true
        Keys.onReturnPressed: alert.accept()
        Keys.onEnterPressed: alert.accept()
    }

    footer: DialogButtonBox {
        alignment: Qt.AlignHCenter
        background: Rectangle {
            color: "transparent"
            Rectangle {
                width: parent.width
                height: 1
                color: Theme.separator
                opacity: 0.6
            }
        }

        Button {
            objectName: "saveAlertOkButton"
            text: qsTrId("ok")
            flat: true
            font.pixelSize: Theme.bodySize
            font.capitalization: Font.MixedCase
            Material.foreground: Theme.accent
            DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
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
