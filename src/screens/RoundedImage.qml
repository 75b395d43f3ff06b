import QtQuick
import Vellumar

// A network image stretched over its frame and clipped to a rounded
// rectangle; a light grey fill stands in while it loads, when there is no
// address and when the load fails.
Item {
    id: root

    property url source
    property real radius: 10
    property real placeholderOpacity: 0.3
    readonly property int status: image.status
    // The picture's own size, once loaded.
    readonly property size sourceSize: Qt.size(image.implicitWidth, image.implicitHeight)

    Rectangle {
        anchors.fill: parent
        radius: root.radius
        color: Theme.systemGray
        opacity: root.placeholderOpacity
        visible: image.status !== Image.Ready
    }

    Image {
        id: image
        source: root.source
        asynchronous: true
        visible: false
        onStatusChanged: canvas.requestPaint()
    }

    Canvas {
        id: canvas
        anchors.fill: parent
        visible: image.status === Image.Ready
        onWidthChanged: requestPaint()
        onHeightChanged: requestPaint()
        onPaint: {
            const ctx = getContext("2d")
            ctx.reset()
            if (image.status !== Image.Ready)
                return
            ctx.beginPath()
            ctx.roundedRect(0, 0, width, height, root.radius, root.radius)
            ctx.closePath()
            ctx.clip()
            ctx.drawImage(image, 0, 0, width, height)
        }
    }
}
