import QtQuick
import Vellumar

// Shows `text` in a HoverTip while `hovered` holds.
Loader {
    id: loader

    property bool hovered
    property string text

    // The tip sits above the whole control, centred, clear of the pointer.
    anchors.fill: parent
    active: hovered && text !== ""
    source: "HoverTip.qml"
    onLoaded: (item as HoverTip).text = Qt.binding(() => loader.text)
}
