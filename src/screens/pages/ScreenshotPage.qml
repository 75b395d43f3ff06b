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

// One screenshot full-screen on black. A long press on the picture saves it
// into the photo library as PNG, downloaded afresh, with an alert of its own.
T.Page {
    id: viewer

    property string imageUrl
    // Its app and its place in the strip (from 1), which name the saved file.
    property string appName
    property int number
    // Accessible name of the back button: the title of the screen below.
    property string backTitle

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

    Keys.onEscapePressed: goBack()
    Keys.onBackPressed: goBack()

    header: NavigationBar {
        title: qsTrId("navigation_title_screenshot")
        showsBackButton: true
        overMedia: true
        backTitle: viewer.backTitle
        onBackRequested: viewer.goBack()
    }

    Image {
        id: picture
        objectName: "screenshotImage"
        anchors.fill: parent
        // Through our decoder, as every picture from the network.
        source: viewer.imageUrl === "" ? "" : "image://picture/0/" + encodeURIComponent(viewer.imageUrl)
        fillMode: Image.PreserveAspectFit
        visible: status === Image.Ready

        // The long press belongs to the picture as drawn, not to the black
        // bands beside it.
        Item {
            objectName: "screenshotPicture"
            anchors.centerIn: parent
            width: picture.paintedWidth
            height: picture.paintedHeight

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
}
