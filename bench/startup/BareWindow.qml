import QtQuick
import QtQuick.Controls

Window {
    width: 390
    height: 844
    visible: true

    Label {
        anchors.centerIn: parent
        text: "Vellumar"
    }
}
