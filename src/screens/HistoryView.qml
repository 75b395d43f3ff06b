import QtQuick
import QtQuick.Controls

// The download history tab.
Page {
    id: historyView

    objectName: "historyView"
    background: Rectangle { color: Theme.systemBackground }

    header: NavigationBar {
        title: qsTrId("navigation_title_download_history")
    }
}
