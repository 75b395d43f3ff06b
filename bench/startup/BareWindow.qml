import QtQuick
import QtQuick.Controls

// As large as the application's first window: more pixels take longer to draw.
Window {
    width: 1024
    height: 680
    visible: true

    Label {
        anchors.centerIn: parent
        text: "Vellumar"
    }
}
