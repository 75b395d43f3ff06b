import QtQuick
import Vellumar

// A filter or search field in its grey rounded bar: magnifying glass, the
// field, and a clear button while there is text. The clear button only
// empties the text.
Rectangle {
    id: bar

    property alias text: field.text
    property alias placeholderText: field.placeholderText
    property alias fieldName: field.objectName
    property alias clearButtonName: clearButton.objectName
    readonly property alias field: field

    // The user changed the text (typing or the clear button).
    signal edited(string text)
    signal accepted()

    implicitHeight: row.implicitHeight + 16
    radius: 10
    color: Theme.systemGray6

    Item {
        id: row
        anchors.fill: parent
        anchors.leftMargin: 10
        anchors.rightMargin: 10
        anchors.topMargin: 8
        anchors.bottomMargin: 8
        implicitHeight: Math.max(glass.implicitHeight, field.implicitHeight, clearButton.implicitHeight)

        Symbol {
            id: glass
            anchors.left: parent.left
            anchors.verticalCenter: parent.verticalCenter
            name: "magnifyingglass"
            color: Theme.systemGray
        }

        PlainTextField {
            id: field
            anchors.left: glass.right
            anchors.right: clearButton.visible ? clearButton.left : parent.right
            anchors.leftMargin: 5
            anchors.rightMargin: 5
            anchors.verticalCenter: parent.verticalCenter
            inputMethodHints: Qt.ImhNoPredictiveText | Qt.ImhNoAutoUppercase
            onTextEdited: bar.edited(text)
            onAccepted: bar.accepted()
        }

        BarButton {
            id: clearButton
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            visible: field.text !== ""
            implicitWidth: 28
            implicitHeight: 28
            padding: 0
            symbol: "xmark.circle.fill"
            symbolSize: 18
            color: Theme.systemGray
            Accessible.name: qsTrId("clear")
            onClicked: {
                field.clear()
                bar.edited("")
                // Typing goes on where it was cleared.
                field.forceActiveFocus()
            }
        }
    }
}
