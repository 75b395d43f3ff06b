import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// The detail screen of one item, opened with the item and the region to
// look it up in.
Page {
    id: detail

    property var appItem
    property string regionCode

    objectName: "appDetailView"
    focus: true
    background: Rectangle { color: Theme.groupedBackground }

    function goBack() {
        StackView.view.pop()
    }

    Keys.onEscapePressed: goBack()
    Keys.onBackPressed: goBack()

    header: NavigationBar {
        title: detail.appItem ? detail.appItem.trackName : ""
        showsBackButton: true
        backTitle: qsTrId("navigation_title_vellumar")
        onBackRequested: detail.goBack()
    }

    ColumnLayout {
        anchors.centerIn: parent
        width: parent.width - 2 * Theme.defaultPadding
        spacing: 16

        RoundedImage {
            Layout.alignment: Qt.AlignHCenter
            Layout.preferredWidth: 100
            Layout.preferredHeight: 100
            radius: 20
            source: detail.appItem ? detail.appItem.iconUrlFor("512x512") : ""
        }
        Label {
            objectName: "detailName"
            Layout.fillWidth: true
            text: detail.appItem ? detail.appItem.trackName : ""
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            font.pixelSize: 22
            font.weight: Font.DemiBold
        }
    }
}
