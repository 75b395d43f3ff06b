// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick

// Makes its item the first time it is asked for, then keeps it: a menu or a
// sheet that many screens never open costs nothing until one does. What the
// item needs wired up once goes in onLoaded.
Loader {
    active: false

    // The item, made now if it was not yet.
    function made() {
        active = true
        return item
    }
}
