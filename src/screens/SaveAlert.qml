import QtQuick
import QtQuick.Controls
import Vellumar

// The outcome of a save: the owner's title and message as they are, with one
// button that only dismisses. Dismissing in any way clears the owner's flag.
Dialog {
    id: alert

    // Anything with showingSaveAlert, saveAlertTitle and saveAlertMessage.
    property var owner

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

    header: Text {
        objectName: "saveAlertTitle"
        topPadding: 20
        leftPadding: 20
        rightPadding: 20
        text: alert.title
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        horizontalAlignment: Text.AlignHCenter
        color: Theme.label
        font.pixelSize: Theme.headlineSize
        font.weight: Font.DemiBold
    }

    Text {
        objectName: "saveAlertMessage"
        width: alert.availableWidth
        text: alert.owner ? alert.owner.saveAlertMessage : ""
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        horizontalAlignment: Text.AlignHCenter
        color: Theme.label
        font.pixelSize: Theme.subheadlineSize
        // The alert's only button is its default: Return dismisses it.
        focus: true
        Keys.onReturnPressed: alert.accept()
        Keys.onEnterPressed: alert.accept()
    }

    footer: Item {
        implicitHeight: okButton.implicitHeight

        Rectangle {
            width: parent.width
            height: 1
            color: Theme.separator
            opacity: 0.6
        }

        BarButton {
            id: okButton
            objectName: "saveAlertOkButton"
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTrId("ok")
            onClicked: alert.accept()
        }
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
