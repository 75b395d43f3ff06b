// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Controls
import QtQuick.Templates as T
import Vellumar.Core
import Vellumar.Desktop
import Vellumar.Style
import Vellumar.Components

// An app's screenshots full-screen on black, one at a time: the arrows and the
// buttons at the sides step through them. In a wide window the picture zooms
// (Ctrl and the wheel, + and -, 0 to fit) and pans by dragging. A long press
// on the picture saves it into the photo library as PNG, downloaded afresh,
// with an alert of its own.
T.Page {
    id: viewer

    // Every screenshot of the app, and the place (from 1) of the one shown,
    // which with the app's name names the saved file.
    property list<string> urls
    property int number: 1
    property string appName
    // Accessible name of the back button: the title of the screen below.
    property string backTitle

    readonly property string imageUrl: number >= 1 && number <= urls.length ? urls[number - 1] : ""
    // 1 fits the picture in the window; at phone width it always fits.
    property real zoom: 1
    readonly property bool zoomable: Window.width >= Theme.wideWidth
    readonly property real zoomStep: 1.25
    readonly property real maximumZoom: 8

    readonly property alias saver: saver

    objectName: "screenshotDetailView"
    focus: true
    background: Rectangle { color: Theme.mediaBackground }

    ScreenshotSaver {
        id: saver
    }

    function save() {
        saver.saveScreenshot(imageUrl, appName, number)
    }

    function goBack() {
        StackView.view.pop()
    }

    function show(place) {
        if (place < 1 || place > urls.length)
            return
        zoomTo(1)
        number = place
    }

    // Zooms keeping the point (x, y) of the frame, its middle by default, over
    // the same spot of the picture. A picture not shown stays as it is.
    function zoomTo(level, x, y) {
        const next = zoomable && picture.visible ? Math.max(1, Math.min(maximumZoom, level)) : 1
        if (next === zoom)
            return
        const fx = x ?? frame.width / 2
        const fy = y ?? frame.height / 2
        const px = (frame.contentX + fx - picture.x) / picture.width
        const py = (frame.contentY + fy - picture.y) / picture.height
        zoom = next
        frame.contentX = Math.max(0, Math.min(frame.contentWidth - frame.width, picture.x + px * picture.width - fx))
        frame.contentY = Math.max(0, Math.min(frame.contentHeight - frame.height, picture.y + py * picture.height - fy))
    }

    onZoomableChanged: zoomTo(1)

    Keys.onEscapePressed: goBack()
    Keys.onBackPressed: goBack()
    Keys.onLeftPressed: show(number - 1)
    Keys.onRightPressed: show(number + 1)
    // With or without Ctrl, and + with or without Shift (= shares its key).
    Keys.onPressed: event => {
        if (event.key === Qt.Key_Plus || event.key === Qt.Key_Equal)
            zoomTo(zoom * zoomStep)
        else if (event.key === Qt.Key_Minus)
            zoomTo(zoom / zoomStep)
        else if (event.key === Qt.Key_0)
            zoomTo(1)
        else
            return
        event.accepted = true
    }
    // Opened, it takes the keyboard from the thumbnail that opened it.
    StackView.onActivated: forceActiveFocus()

    header: NavigationBar {
        title: viewer.urls.length > 1
               ? qsTrId("navigation_title_screenshot_position").arg(viewer.number).arg(viewer.urls.length)
               : qsTrId("navigation_title_screenshot")
        showsBackButton: true
        overMedia: true
        backTitle: viewer.backTitle
        onBackRequested: viewer.goBack()
    }

    Flickable {
        id: frame
        objectName: "screenshotFrame"
        anchors.fill: parent
        // Never smaller than the frame, so that a small picture stays in the
        // middle and a zoomed one pans to each of its edges.
        contentWidth: Math.max(width, picture.width)
        contentHeight: Math.max(height, picture.height)
        interactive: viewer.zoom > 1
        boundsBehavior: Flickable.StopAtBounds
        clip: true

        WheelHandler {
            id: zoomWheel
            target: null
            enabled: viewer.zoomable
            acceptedModifiers: Qt.ControlModifier
            onWheel: event => {
                const at = frame.mapFromItem(null, zoomWheel.point.scenePosition)
                viewer.zoomTo(viewer.zoom * Math.pow(viewer.zoomStep, event.angleDelta.y / 120), at.x, at.y)
            }
        }

        Image {
            id: picture
            objectName: "screenshotImage"

            // The scale at which the whole picture fits the frame.
            readonly property real fit: sourceSize.width > 0 && sourceSize.height > 0
                                        ? Math.min(frame.width / sourceSize.width, frame.height / sourceSize.height)
                                        : 0

            x: Math.round((frame.contentWidth - width) / 2)
            y: Math.round((frame.contentHeight - height) / 2)
            width: Math.round(sourceSize.width * fit * viewer.zoom)
            height: Math.round(sourceSize.height * fit * viewer.zoom)
            // Through our decoder, as every picture from the network.
            source: viewer.imageUrl === "" ? "" : "image://picture/0/" + encodeURIComponent(viewer.imageUrl)
            visible: status === Image.Ready

            // The long press belongs to the picture, not to the black bands
            // beside it.
            Item {
                objectName: "screenshotPicture"
                anchors.fill: parent

                TapHandler {
                    longPressThreshold: 0.5
                    dragThreshold: 10
                    onLongPressed: viewer.save()
                }
                // The mouse's way to the same save, and to a copy of the picture.
                TapHandler {
                    acceptedButtons: Qt.RightButton
                    onTapped: eventPoint => menu.popup(eventPoint.position.x, eventPoint.position.y)
                }

                PlainMenu {
                    id: menu
                    objectName: "screenshotMenu"

                    MenuItem {
                        objectName: "menuSaveScreenshot"
                        text: qsTrId("save_screenshot")
                        onTriggered: viewer.save()
                    }
                    MenuItem {
                        objectName: "menuCopyImage"
                        text: qsTrId("copy_image")
                        onTriggered: Desktop.copyPicture(viewer.imageUrl)
                    }
                }
            }
        }
    }

    StepButton {
        objectName: "previousScreenshotButton"
        anchors.left: parent.left
        visible: viewer.number > 1
        symbol: "chevron.left"
        Accessible.name: qsTrId("previous_screenshot")
        onClicked: viewer.show(viewer.number - 1)
    }

    StepButton {
        objectName: "nextScreenshotButton"
        anchors.right: parent.right
        visible: viewer.number < viewer.urls.length
        symbol: "chevron.right"
        Accessible.name: qsTrId("next_screenshot")
        onClicked: viewer.show(viewer.number + 1)
    }

    // How far in, while zoomed.
    Label {
        objectName: "zoomLevel"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: parent.top
        anchors.topMargin: Theme.defaultPadding / 2
        visible: viewer.zoom > 1
        text: qsTrId("zoom_level").arg(Math.round(viewer.zoom * 100))
        leftPadding: 10
        rightPadding: 10
        topPadding: 4
        bottomPadding: 4
        color: Theme.mediaLabel
        font.pixelSize: Theme.footnoteSize
        background: Rectangle {
            radius: height / 2
            color: Theme.mediaFill
        }
    }

    Text {
        objectName: "screenshotSaveHint"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: Theme.defaultPadding
        width: Math.min(implicitWidth, parent.width - 2 * Theme.defaultPadding)
        visible: picture.visible
        text: qsTrId("screenshot_save_hint")
        wrapMode: Text.Wrap
        horizontalAlignment: Text.AlignHCenter
        color: Theme.mediaSecondaryLabel
        font.pixelSize: Theme.footnoteSize
    }

    BusyIndicator {
        objectName: "screenshotLoading"
        anchors.centerIn: parent
        visible: picture.status === Image.Loading
        running: visible
    }

    // A picture that cannot be shown, including an address that is no address.
    Symbol {
        objectName: "screenshotFailed"
        anchors.centerIn: parent
        padding: Theme.defaultPadding
        visible: picture.status === Image.Error || picture.status === Image.Null
        name: "exclamationmark.triangle.fill"
        size: 34
        color: Theme.systemGray
    }

    SaveAlert {
        objectName: "screenshotSaveAlert"
        owner: saver
    }

    // A round button at one side, half way down, that steps to a neighbouring
    // screenshot.
    component StepButton: T.AbstractButton {
        id: step

        property string symbol

        anchors.margins: Theme.defaultPadding / 2
        anchors.verticalCenter: parent.verticalCenter
        implicitWidth: 44
        implicitHeight: 44
        focusPolicy: Qt.StrongFocus
        hoverEnabled: true
        Accessible.role: Accessible.Button

        background: FocusFrame {
            control: step
            radius: height / 2
            color: step.down || step.hovered ? Theme.mediaFillPressed : Theme.mediaFill
        }
        contentItem: Symbol {
            name: step.symbol
            size: 28
            color: Theme.mediaLabel
        }
    }
}
