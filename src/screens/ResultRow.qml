import QtQuick
import QtQuick.Templates as T
import Vellumar

// One hit: icon, name and a round save button. Tapping the row opens the
// item; tapping the button only saves.
T.ItemDelegate {
    id: row

    required property int index
    required property string trackName
    required property url iconUrl
    required property appItem item

    signal openRequested(appItem item)
    signal saveRequested(appItem item)

    objectName: "resultRow_" + index
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    leftPadding: Theme.defaultPadding
    rightPadding: Theme.defaultPadding
    topPadding: 5 + 4
    bottomPadding: 5 + 4
    focusPolicy: Qt.StrongFocus
    Accessible.role: Accessible.ListItem
    Accessible.name: trackName
    onClicked: openRequested(item)

    contentItem: AppRowContent {
        iconUrl: row.iconUrl
        name: row.trackName
        onSaveRequested: row.saveRequested(row.item)
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
}
