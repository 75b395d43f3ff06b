import QtQuick
import Vellumar
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts

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

    RowLayout {
        id: row
        anchors.fill: parent
        anchors.leftMargin: 10
        anchors.rightMargin: 10
        anchors.topMargin: 8
        anchors.bottomMargin: 8

        Symbol {
            name: "magnifyingglass"
            color: Theme.systemGray
        }

        TextField {
            id: field
            objectName: "searchField"
            Layout.fillWidth: true
            placeholderText: qsTrId("search_placeholder")
            placeholderTextColor: Theme.systemGray
            text: bar.viewModel.searchTerm
            font.pixelSize: Theme.bodySize
            selectByMouse: true
            inputMethodHints: Qt.ImhNoPredictiveText | Qt.ImhNoAutoUppercase
            padding: 0
            topPadding: 0
            bottomPadding: 0
            background: null
            Accessible.name: qsTrId("search_placeholder")
            onTextEdited: bar.viewModel.searchTerm = text
            onAccepted: bar.viewModel.performSearch()
        }

        ToolButton {
            objectName: "clearSearchButton"
            visible: bar.viewModel.searchTerm !== ""
            padding: 0
            implicitWidth: 28
            implicitHeight: 28
            contentItem: Symbol {
                name: "xmark.circle.fill"
                size: 18
                color: Theme.systemGray
            }
            Accessible.name: qsTrId("clear")
            onClicked: bar.viewModel.searchTerm = ""
        }
    }
}
