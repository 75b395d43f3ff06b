import QtQuick
import Vellumar
import QtQuick.Controls

// The region in effect as a flag and code in a grey capsule. A code missing
// from the region table shows no label at all.
AbstractButton {
    id: button

    property string code
    readonly property string flag: RegionTable.flagForCode(code)

    implicitWidth: Math.max(capsule.implicitWidth, 44)
    implicitHeight: 44
    focusPolicy: Qt.StrongFocus
    Accessible.name: qsTrId("navigation_title_select_region") + (flag !== "" ? " " + code : "")

    contentItem: Item {
        Rectangle {
            id: capsule
            anchors.centerIn: parent
            visible: button.flag !== ""
            implicitWidth: label.implicitWidth + 16
            implicitHeight: label.implicitHeight + 8
            width: implicitWidth
            height: implicitHeight
            radius: height / 2
            color: button.down ? Qt.darker(Theme.systemGray5, 1.1) : Theme.systemGray5
            border.width: button.visualFocus ? 2 : 0
            border.color: Theme.accent

            Row {
                id: label
                anchors.centerIn: parent
                spacing: 6

                Text {
                    objectName: "regionFlag"
                    text: button.flag
                    font.pixelSize: 14
                }
                Text {
                    objectName: "regionCode"
                    text: button.flag !== "" ? button.code : ""
                    font.pixelSize: 14
                    font.weight: Font.DemiBold
                    color: Theme.label
                }
            }
        }
    }
}
