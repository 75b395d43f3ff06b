// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Vellumar.Style

// A symbol by its name (see Theme.glyphs). Decorative: the control that shows
// it carries the accessible name.
Text {
    property string name
    property int size: 22

    text: Theme.glyph(name)
    font.family: Theme.symbolFamily
    font.pixelSize: size
    color: Theme.label
    horizontalAlignment: Text.AlignHCenter
    verticalAlignment: Text.AlignVCenter
    Accessible.ignored: true
}
