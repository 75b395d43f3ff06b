// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Vellumar.Core
import Vellumar.Components

// Turns a list's selection mode (check boxes, for touch) on and off.
BarButton {
    required property RowSelection selection
    // How many rows the list shows.
    required property int rows

    objectName: "selectButton"
    enabled: selection.selecting || rows > 0
    text: selection.selecting ? qsTrId("done") : qsTrId("select")
    strong: selection.selecting
    onClicked: selection.selecting = !selection.selecting
}
