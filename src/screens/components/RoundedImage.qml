// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Vellumar.Style

// A network image stretched over its frame and cut to a rounded rectangle; a
// light grey fill stands in while it loads, when there is no address and when
// the load fails. The picture comes decoded at the size shown and already
// rounded (PictureProvider), so each one is a plain image.
Item {
    id: root

    property url source
    property real radius: 10
    property real placeholderOpacity: 0.3
    readonly property int status: image.status
    // The decoded picture's size, once loaded: its aspect is the picture's.
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
        anchors.fill: parent
        // Only once laid out: the height sets the size it is decoded at.
        source: {
            const address = String(root.source)
            return address === "" || root.height <= 0 ? ""
                : "image://picture/" + root.radius / root.height + "/" + encodeURIComponent(address)
        }
        // The height alone: the width follows the picture's aspect.
        sourceSize.height: Math.ceil(root.height * Screen.devicePixelRatio)
        visible: status === Image.Ready
    }
}
