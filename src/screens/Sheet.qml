import QtQuick
import Vellumar
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts

// A modal sheet rising from the bottom edge with a title bar of its own; on
// a wide window a centred panel of bounded width. A downward swipe, Escape
// or a tap outside closes it.
Drawer {
    id: sheet

    property string title
    // A title-bar button that closes the sheet, at the leading or trailing edge.
    property string closeButtonText
    property bool closeButtonLeading: false
    default property alias content: body.data

    readonly property bool wide: parent ? parent.width >= 720 : false

    edge: Qt.BottomEdge
    width: !parent ? 0 : wide ? Math.min(560, parent.width - 80) : parent.width
    height: !parent ? 0 : wide ? Math.min(720, parent.height - 80) : parent.height - 40
    x: parent ? Math.round((parent.width - width) / 2) : 0
    modal: true
    // The same dim in either look.
    Overlay.modal: Rectangle {
        color: "#66000000"
    }
    focus: true
    // Only the open sheet can be swiped; it never opens from a drag at the edge.
    dragMargin: 0
    padding: 0
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside

    background: Rectangle {
        color: Theme.groupedBackground
        radius: 12
        // Only the top corners are rounded: the rest runs below the screen edge.
        Rectangle {
            visible: !sheet.wide
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: parent.radius
            color: parent.color
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Rectangle {
            Layout.alignment: Qt.AlignHCenter
            Layout.topMargin: 6
            implicitWidth: 36
            implicitHeight: 5
            radius: 2.5
            color: Theme.systemGray
            opacity: 0.5
        }

        NavigationBar {
            Layout.fillWidth: true
            title: sheet.title
            background: null
            leading: BarButton {
                objectName: visible ? sheet.objectName + "DoneButton" : ""
                visible: sheet.closeButtonLeading
                text: sheet.closeButtonText
                onClicked: sheet.close()
            }
            trailing: BarButton {
                objectName: visible ? sheet.objectName + "DoneButton" : ""
                visible: !sheet.closeButtonLeading
                text: sheet.closeButtonText
                strong: true
                onClicked: sheet.close()
            }
        }

        Item {
            id: body
            Layout.fillWidth: true
            Layout.fillHeight: true
        }
    }
}
