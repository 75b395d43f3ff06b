// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Controls

// The tooltip of a control that shows no words of its own (or only some),
// loaded once the pointer rests on it (HoverTipLoader waits): the first
// screen stays free of the styled controls.
ToolTip {
    objectName: "hoverTip"
    visible: true
    // Below the control, never over the pointer: a tip under the pointer
    // would take the hover that keeps it shown.
    y: parent ? parent.height + 4 : 0
}
