// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Controls
import Vellumar.Style

// A list page with the details of what it shows. Narrow windows push the
// details over the list; wide ones show them in a pane beside it, so that
// picking another row keeps the list in view. A window that changes width
// carries the open details across.
Item {
    id: panes

    // The list page, shown first.
    property Item listPage
    // The details page (a Component or the address of a QML file), made per
    // item with the properties showDetail() gets.
    property var detailPage
    property string navigationName

    readonly property bool wide: width >= Theme.wideWidth
    readonly property alias navigation: navigation
    // A full-screen picture on a narrow window covers the tab bar too.
    readonly property bool showsMedia: !wide && navigation.currentItem !== null
                                       && navigation.currentItem.objectName === "screenshotDetailView"
    // The details on show, in the pane or pushed.
    readonly property var detail: wide ? (pane.depth > 0 ? pane.get(0) : null)
                                       : navigation.depth > 1 ? navigation.get(1) : null

    // Opens details for an item; returns the page.
    function showDetail(properties) {
        if (!wide)
            return navigation.push(detailPage, properties)
        pane.clear(StackView.Immediate)
        return pane.push(detailPage, properties, StackView.Immediate)
    }

    // Alt+Left or the mouse's back button: the page pushed last goes; the
    // list and the details beside it stay.
    function goBack() {
        const stack = wide ? pane : navigation
        if (stack.depth > 1 && !stack.busy)
            stack.pop()
    }

    Shortcut {
        // Alt+Left, and the Back key.
        sequences: [StandardKey.Back] // qmllint disable unqualified
        enabled: panes.visible
        onActivated: panes.goBack()
    }
    // Above the pages, which would take the press first; it lets every other
    // button through.
    MouseArea {
        anchors.fill: parent
        z: 1
        acceptedButtons: Qt.BackButton
        onClicked: panes.goBack()
    }

    function backToList() {
        navigation.pop(null)
        pane.clear()
    }

    // What made the open details, to make them again across a change of width.
    function carried(page) {
        return { "appItem": page.appItem, "countryCode": page.countryCode, "backTitle": page.backTitle }
    }

    onWideChanged: {
        if (wide && navigation.depth > 1) {
            const properties = carried(navigation.get(1))
            navigation.pop(null, StackView.Immediate)
            showDetail(properties)
        } else if (!wide && pane.depth > 0) {
            const properties = carried(pane.get(0))
            pane.clear(StackView.Immediate)
            navigation.push(detailPage, properties, StackView.Immediate)
        }
    }

    StackView {
        id: navigation
        objectName: panes.navigationName
        Accessible.name: panes.listPage?.Accessible.name ?? ""
        width: panes.wide ? Math.round(Math.min(440, Math.max(340, panes.width * 0.36))) : panes.width
        height: panes.height
        focus: true
        initialItem: panes.listPage
    }

    Separator {
        visible: panes.wide
        x: navigation.width
        width: 1
        height: panes.height
        opacity: 1
    }

    StackView {
        id: pane
        objectName: panes.navigationName + "Pane"
        Accessible.name: qsTrId("app_details")
        visible: panes.wide
        x: navigation.width + 1
        width: panes.width - x
        height: panes.height

        Text {
            objectName: "detailPlaceholder"
            anchors.centerIn: parent
            width: Math.min(parent.width - 2 * Theme.defaultPadding, 360)
            visible: pane.depth === 0
            text: qsTrId("detail_placeholder")
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            color: Theme.systemGray
            font.pixelSize: Theme.subheadlineSize
        }
    }
}
