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

    // Whether the list's current row shows as chosen (beside its details).
    property bool showsSelection: false

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
    highlighted: showsSelection && ListView.isCurrentItem
    onClicked: {
        ListView.view.currentIndex = index
        openRequested(item)
    }
    // The keyboard's place and the list's current row move together.
    onActiveFocusChanged: if (activeFocus) ListView.view.currentIndex = index
    ListView.onIsCurrentItemChanged: if (ListView.isCurrentItem && ListView.view.activeFocus) forceActiveFocus()
    Keys.onMenuPressed: menuArea.openMenu(width / 2, height / 2)
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()

    AppMenuArea {
        id: menuArea
        anchors.fill: parent
        item: row.item
        onSaveRequested: row.saveRequested(row.item)
    }

    contentItem: AppRowContent {
        item: row.item
        iconUrl: row.iconUrl
        name: row.trackName
        onSaveRequested: row.saveRequested(row.item)
    }

    background: Rectangle {
        color: row.highlighted ? Theme.systemGray5
             : row.down || row.visualFocus || row.hovered ? Theme.systemGray6 : Theme.systemBackground

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
