import QtQuick
import Vellumar

// What a result or history row shows: the icon, the name and the round save button.
Item {
    id: content

    property url iconUrl
    property string name
    property appItem item

    signal saveRequested()

    implicitHeight: Math.max(50, label.implicitHeight)

    RoundedImage {
        id: icon
        objectName: "rowIcon"
        anchors.verticalCenter: parent.verticalCenter
        width: 50
        height: 50
        // A Mac app's icon comes shaped by its maker.
        radius: content.item.isMacApp ? 0 : 10
        source: content.iconUrl

        PictureDrag {
            onStarted: Desktop.dragIcon(content.item, icon)
        }
    }

    Text {
        id: label
        anchors.left: icon.right
        anchors.right: saveButton.left
        anchors.leftMargin: 15
        anchors.rightMargin: 15
        anchors.verticalCenter: parent.verticalCenter
        text: content.name
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        color: Theme.label
        font.pixelSize: Theme.headlineSize
        font.weight: Font.DemiBold
    }

    SaveButton {
        id: saveButton
        objectName: "saveButton"
        // Says which icon: every row has one.
        Accessible.name: qsTrId("save_icon_of").arg(content.name)
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        onClicked: content.saveRequested()
    }
}
