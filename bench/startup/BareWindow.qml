// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

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
