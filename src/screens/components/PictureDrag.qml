// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick

// Starts dragging a picture out to other applications when the mouse drags
// its parent (the drag itself is Desktop's); touch keeps scrolling the list
// around it.
DragHandler {
    signal started()

    target: null
    acceptedDevices: PointerDevice.Mouse
    grabPermissions: PointerHandler.CanTakeOverFromAnything
    onActiveChanged: if (active) started()
}
