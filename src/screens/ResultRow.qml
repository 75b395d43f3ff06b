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

    readonly property int saveButtonSize: 34

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

    contentItem: Row {
        spacing: 15

        RoundedImage {
            objectName: "resultIcon"
            anchors.verticalCenter: parent.verticalCenter
            width: 50
            height: 50
            source: row.item.iconUrlFor("512x512")
        }

        Text {
            anchors.verticalCenter: parent.verticalCenter
            // What the icon and the save button leave.
            width: parent.width - 50 - row.saveButtonSize - 2 * parent.spacing
            text: row.item.trackName
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            color: Theme.label
            font.pixelSize: Theme.headlineSize
            font.weight: Font.DemiBold
        }

        SaveButton {
            objectName: "saveButton"
            anchors.verticalCenter: parent.verticalCenter
            size: row.saveButtonSize
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

        property int size

        implicitWidth: size
        implicitHeight: size
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
