import QtQuick
import QtQuick.Controls

ApplicationWindow {
    id: window
    width: 390
    height: 844
    visible: true
    title: "Vellumar"
}
