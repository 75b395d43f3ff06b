// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import Vellumar.Style

// A single-line field without a frame of its own, with a placeholder; the
// surrounding bar draws the background.
T.TextField {
    id: control

    implicitWidth: Math.max(contentWidth + leftPadding + rightPadding,
                            placeholder.implicitWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(contentHeight + topPadding + bottomPadding,
                             placeholder.implicitHeight + topPadding + bottomPadding)
    padding: 0
    color: Theme.label
    selectionColor: Theme.accent
    selectedTextColor: Theme.systemBackground
    placeholderTextColor: Theme.systemGray
    verticalAlignment: TextInput.AlignVCenter
    font.pixelSize: Theme.bodySize
    selectByMouse: true
    Accessible.name: placeholderText

    Text {
        id: placeholder
        x: control.leftPadding
        y: control.topPadding
        width: control.width - (control.leftPadding + control.rightPadding)
        height: control.height - (control.topPadding + control.bottomPadding)
        text: control.placeholderText
        font: control.font
        color: control.placeholderTextColor
        verticalAlignment: control.verticalAlignment
        elide: Text.ElideRight
        visible: !control.length && !control.preeditText
    }
}
