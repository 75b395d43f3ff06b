import QtQuick
import Vellumar
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts

// One hit: icon, name and a round save button. Tapping the row opens the
// item; tapping the button only saves.
ItemDelegate {
    id: row

    required property var modelData
    required property int index
    readonly property var item: modelData

    signal openRequested(var item)
    signal saveRequested(var item)

    objectName: "resultRow_" + index
    leftPadding: Theme.defaultPadding
    rightPadding: Theme.defaultPadding
    topPadding: 5 + 4
    bottomPadding: 5 + 4
    Accessible.name: item.trackName
    onClicked: openRequested(item)

    contentItem: RowLayout {
        spacing: 15

        RoundedImage {
            objectName: "resultIcon"
            Layout.preferredWidth: 50
            Layout.preferredHeight: 50
            source: row.item.iconUrlFor("512x512")
        }

        Label {
            Layout.fillWidth: true
            text: row.item.trackName
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.pixelSize: Theme.headlineSize
            font.weight: Font.DemiBold
        }

        RoundButton {
            id: saveButton
            objectName: "saveButton"
            padding: 8
            implicitWidth: 16 + 2 * padding + 4
            implicitHeight: implicitWidth
            flat: true
            Material.elevation: 0
            Accessible.name: qsTrId("save_icon")
            contentItem: Symbol {
                name: "square.and.arrow.down"
                size: 18
                color: Theme.accent
            }
            background: Rectangle {
                radius: width / 2
                color: Qt.rgba(Theme.accent.r, Theme.accent.g, Theme.accent.b,
                               saveButton.down ? 0.3 : 0.15)
                border.width: saveButton.visualFocus ? 2 : 0
                border.color: Theme.accent
            }
            onClicked: row.saveRequested(row.item)
        }
    }

    Rectangle {
        anchors.bottom: parent.bottom
        x: row.leftPadding + 50 + 15
        width: row.width - x
        height: 1
        color: Theme.separator
        opacity: 0.5
    }
}
