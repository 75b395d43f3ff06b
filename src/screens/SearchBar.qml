import QtQuick
import Vellumar

// The search field in its grey rounded bar. Return submits; typing alone
// starts nothing. The clear button only empties the term: the model clears
// the results itself once the field has stayed empty for a moment.
Rectangle {
    id: bar

    required property ContentViewModel viewModel
    readonly property alias field: field

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
            objectName: "searchField"
            anchors.left: glass.right
            anchors.right: clearButton.visible ? clearButton.left : parent.right
            anchors.leftMargin: 5
            anchors.rightMargin: 5
            anchors.verticalCenter: parent.verticalCenter
            placeholderText: qsTrId("search_placeholder")
            text: bar.viewModel.searchTerm
            inputMethodHints: Qt.ImhNoPredictiveText | Qt.ImhNoAutoUppercase
            onTextEdited: bar.viewModel.searchTerm = text
            onAccepted: bar.viewModel.performSearch()
        }

        BarButton {
            id: clearButton
            objectName: "clearSearchButton"
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            visible: bar.viewModel.searchTerm !== ""
            implicitWidth: 28
            implicitHeight: 28
            padding: 0
            symbol: "xmark.circle.fill"
            symbolSize: 18
            color: Theme.systemGray
            Accessible.name: qsTrId("clear")
            onClicked: bar.viewModel.searchTerm = ""
        }
    }
}
