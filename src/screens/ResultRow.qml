import QtQuick
import QtQuick.Templates as T
import Vellumar

// One hit: icon, name and a round save button. Tapping the row opens the
// item; tapping the button only saves.
T.ItemDelegate {
    id: row

    required property var modelData
    required property int index
    readonly property var item: modelData

    signal openRequested(var item)
    signal saveRequested(var item)

    objectName: "resultRow_" + index
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    leftPadding: Theme.defaultPadding
    rightPadding: Theme.defaultPadding
    topPadding: 5 + 4
    bottomPadding: 5 + 4
    focusPolicy: Qt.StrongFocus
    Accessible.role: Accessible.ListItem
    Accessible.name: item.trackName
    onClicked: openRequested(item)

    contentItem: Item {
        implicitWidth: icon.width + name.implicitWidth + saveButton.implicitWidth + 2 * 15
        implicitHeight: Math.max(icon.height, name.implicitHeight, saveButton.implicitHeight)

        RoundedImage {
            id: icon
            objectName: "resultIcon"
            anchors.verticalCenter: parent.verticalCenter
            width: 50
            height: 50
            source: row.item.iconUrlFor("512x512")
        }

        Text {
            id: name
            anchors.left: icon.right
            anchors.right: saveButton.left
            anchors.margins: 15
            anchors.verticalCenter: parent.verticalCenter
            text: row.item.trackName
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            color: Theme.label
            font.pixelSize: Theme.headlineSize
            font.weight: Font.DemiBold
        }

        SaveButton {
            id: saveButton
            objectName: "saveButton"
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            onClicked: row.saveRequested(row.item)
        }
    }

    background: Rectangle {
        color: row.down || row.visualFocus ? Theme.systemGray6 : Theme.systemBackground

        Rectangle {
            anchors.bottom: parent.bottom
            x: row.leftPadding + 50 + 15
            width: parent.width - x
            height: 1
            color: Theme.separator
            opacity: 0.5
        }
    }

    component SaveButton: T.AbstractButton {
        id: button

        implicitWidth: 18 + 2 * padding
        implicitHeight: implicitWidth
        padding: 8
        focusPolicy: Qt.StrongFocus
        Accessible.role: Accessible.Button
        Accessible.name: qsTrId("save_icon")

        contentItem: Symbol {
            name: "square.and.arrow.down"
            size: 18
            color: Theme.accent
        }

        background: Rectangle {
            radius: width / 2
            color: Qt.rgba(Theme.accent.r, Theme.accent.g, Theme.accent.b,
                           button.down ? 0.3 : 0.15)
            border.width: button.visualFocus ? 2 : 0
            border.color: Theme.accent
        }
    }
}
