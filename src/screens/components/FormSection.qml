// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Vellumar.Style
import QtQuick.Controls
import QtQuick.Layouts

// A group of form rows on a white rounded card, with an optional header.
ColumnLayout {
    id: section

    property string header
    default property alias rows: card.data

    spacing: 6

    Label {
        Layout.leftMargin: Theme.defaultPadding
        visible: section.header !== ""
        text: section.header
        Accessible.role: Accessible.Heading
        Accessible.name: text
        font.pixelSize: Theme.captionSize
        color: Theme.systemGray
    }

    Rectangle {
        Layout.fillWidth: true
        implicitHeight: card.implicitHeight
        radius: 10
        color: Theme.systemBackground
        clip: true

        ColumnLayout {
            id: card
            width: parent.width
            spacing: 0
        }
    }
}
