import QtQuick
import QtQuick.Templates as T
import Vellumar

// The region in effect as a flag and code in a grey capsule. A code missing
// from the region table shows no label at all. The capsule is drawn inset so
// that the button stays a comfortable target.
T.AbstractButton {
    id: button

    property string code
    readonly property string flag: RegionTable.flagForCode(code)

    implicitWidth: Math.max(44, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: 44
    leftPadding: 8
    rightPadding: 8
    topInset: (height - implicitContentHeight) / 2 - 4
    bottomInset: topInset
    focusPolicy: Qt.StrongFocus
    Accessible.role: Accessible.Button
    Accessible.name: qsTrId("navigation_title_select_region") + (flag !== "" ? " " + code : "")

    contentItem: Row {
        spacing: 6

        Text {
            objectName: "regionFlag"
            anchors.verticalCenter: parent.verticalCenter
            text: button.flag
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

    background: Rectangle {
        visible: button.flag !== ""
        radius: height / 2
        color: button.down ? Theme.systemGray5Pressed : Theme.systemGray5
        border.width: button.visualFocus ? 2 : 0
        border.color: Theme.accent
    }
}
