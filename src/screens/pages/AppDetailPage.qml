// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Templates as T
import Vellumar.Core
import Vellumar.Desktop
import Vellumar.Style
import Vellumar.Components
import Vellumar.Pages

// The detail screen of one item, opened with the item and the region to look
// it up in. The details are looked up again every time the screen appears;
// everything else here is presentation.
T.Page {
    id: detail

    property appItem appItem
    property string countryCode
    // Accessible name of the back button: the title of the screen below.
    property string backTitle: qsTrId("navigation_title_vellumar")

    readonly property alias loader: loader
    readonly property alias saveFlow: saveFlow

    objectName: "appDetailView"
    focus: true
    Accessible.name: appItem.trackName
    background: Rectangle { color: Theme.systemBackground }

    // Each time this screen becomes the one shown is an appearance, which
    // looks the item up again; so is being shown with another item.
    AppDetailLoader {
        id: loader
        appItem: detail.appItem
        countryCode: detail.countryCode
        active: detail.visible && detail.StackView.status === StackView.Active
        // Asked for once the end of the details is less than a screen away.
        developerAppsWanted: hasDetailedInfo && !isLoading
                             && scroll.contentY + 2 * scroll.height >= scroll.contentHeight
    }

    IconSaveFlow {
        id: saveFlow
        recordsHistory: true
    }

    // Save All of the developer's other apps.
    BatchSave {
        id: developerBatch
        recordsHistory: true
    }

    // The first page of a details pane has nothing to go back to.
    readonly property bool canGoBack: StackView.index > 0

    function goBack() {
        if (canGoBack)
            StackView.view.pop()
    }

    function showApp(item) {
        // By address: a screen cannot name its own type.
        StackView.view.push(Qt.resolvedUrl("AppDetailPage.qml"), {
            "appItem": item,
            "countryCode": countryCode,
            "backTitle": appItem.trackName
        })
    }

    // The viewer steps through all of `addresses`, starting at the one in
    // place `number` (from 1).
    function showScreenshot(addresses, number) {
        StackView.view.push(screenshotComponent, {
            "urls": addresses,
            "number": number,
            "appName": appItem.trackName,
            "backTitle": appItem.trackName
        })
    }

    // The app's icons across the remembered regions.
    function compareRegions() {
        StackView.view.push(regionComparisonComponent, {
            "appItem": appItem,
            "backTitle": appItem.trackName
        })
    }

    Keys.onEscapePressed: goBack()
    Keys.onBackPressed: goBack()

    Component {
        id: screenshotComponent
        ScreenshotPage {}
    }

    Component {
        id: regionComparisonComponent
        RegionComparisonPage {}
    }

    header: NavigationBar {
        title: detail.appItem.trackName
        showsBackButton: detail.canGoBack
        backTitle: detail.backTitle
        onBackRequested: detail.goBack()
    }

    Flickable {
        id: scroll
        objectName: "detailScroll"
        Accessible.role: Accessible.Pane
        Accessible.name: qsTrId("app_details")
        anchors.fill: parent
        contentWidth: width
        contentHeight: body.implicitHeight
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        T.ScrollIndicator.vertical: ThinScrollIndicator {}

        Item {
            id: body
            width: scroll.width
            implicitHeight: loader.isLoading ? spinner.y + spinner.height
                : loader.hasDetailedInfo ? stack.implicitHeight + 2 * Theme.defaultPadding
                : failure.y + failure.height

            BusyIndicator {
                id: spinner
                objectName: "detailLoading"
                anchors.horizontalCenter: parent.horizontalCenter
                y: 50
                visible: loader.isLoading
                running: visible
            }

            Text {
                id: failure
                objectName: "detailLoadFailed"
                x: Theme.defaultPadding
                y: 50
                width: parent.width - 2 * Theme.defaultPadding
                visible: !loader.isLoading && !loader.hasDetailedInfo
                text: qsTrId("detail_load_failed")
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
                color: Theme.secondaryLabel
            }

            // The details: the header, then four sections.
            // At most about 70 characters a line, centred in a wide pane.
            ColumnLayout {
                id: stack
                objectName: "detailStack"
                width: Math.min(parent.width - 2 * Theme.defaultPadding, 680)
                x: Math.round((parent.width - width) / 2)
                y: Theme.defaultPadding
                visible: !loader.isLoading && loader.hasDetailedInfo
                spacing: 25

                RowLayout {
                    id: header
                    Layout.fillWidth: true
                    spacing: 15

                    RoundedImage {
                        id: headerIcon
                        objectName: "detailIcon"
                        Layout.preferredWidth: 120
                        Layout.preferredHeight: 120
                        Layout.alignment: Qt.AlignVCenter
                        radius: detail.appItem.isMacApp ? 0 : 22
                        source: loader.detailedInfo.iconUrl1024

                        PictureDrag {
                            onStarted: Desktop.dragIcon(detail.appItem, headerIcon)
                        }
                    }

                    ColumnLayout {
                        Layout.fillWidth: true
                        Layout.alignment: Qt.AlignVCenter
                        spacing: 8

                        Text {
                            objectName: "detailName"
                            Layout.fillWidth: true
                            text: loader.detailedInfo.trackName
                            textFormat: Text.PlainText
                            wrapMode: Text.Wrap
                            font.pixelSize: 28
                            font.weight: Font.Bold
                            color: Theme.label
                        }
                        Text {
                            objectName: "detailArtist"
                            Layout.fillWidth: true
                            text: loader.detailedInfo.artistName
                            textFormat: Text.PlainText
                            wrapMode: Text.Wrap
                            font.pixelSize: Theme.bodySize
                            color: Theme.secondaryLabel
                        }
                        // The comparison goes below the save buttons when they fill the line.
                        Flow {
                            Layout.topMargin: 4
                            Layout.fillWidth: true
                            spacing: 4

                            LabelledButton {
                                objectName: "detailSaveButton"
                                text: qsTrId("save_icon")
                                symbol: "square.and.arrow.down"
                                // Says what it saves.
                                Accessible.name: SettingsManager.saveOptions.description
                                onClicked: saveFlow.saveIcon(detail.appItem)
                            }
                            // Other sizes and shapes, once.
                            BarButton {
                                id: saveOptionsButton
                                objectName: "detailSaveOptionsButton"
                                implicitWidth: 30
                                implicitHeight: 30
                                padding: 0
                                symbol: "chevron.down"
                                symbolSize: 20
                                Accessible.name: qsTrId("other_save_options")
                                onClicked: {
                                    const menu = detailSaveOptions.made()
                                    menu.popup(saveOptionsButton, 0, saveOptionsButton.height)
                                    if (visualFocus)
                                        menu.currentIndex = 0
                                }
                            }
                            LabelledButton {
                                objectName: "compareRegionsButton"
                                text: qsTrId("compare_regions")
                                symbol: "globe"
                                onClicked: detail.compareRegions()
                            }
                        }
                    }
                }

                ColumnLayout {
                    objectName: "informationSection"
                    Layout.fillWidth: true
                    spacing: 10

                    SectionHeader {
                        text: qsTrId("section_header_information")
                    }

                    CopyableView {
                        objectName: "bundleIdRow"
                        Layout.fillWidth: true
                        label: "label_bundle_id"
                        value: loader.detailedInfo.bundleId
                    }
                    CopyableView {
                        objectName: "trackIdRow"
                        Layout.fillWidth: true
                        label: "label_track_id"
                        // A 64-bit integer, whose type the linter does not know.
                        value: String(loader.detailedInfo.trackId) // qmllint disable type
                    }
                    CopyableView {
                        objectName: "appStoreLinkRow"
                        Layout.fillWidth: true
                        label: "label_appstore_link"
                        value: loader.detailedInfo.appStoreUrl
                    }
                    CopyableView {
                        objectName: "minimumOsRow"
                        Layout.fillWidth: true
                        label: "label_min_os"
                        value: (detail.appItem.isMacApp ? "macOS " : "iOS ") + loader.detailedInfo.minimumOsVersion
                    }
                }

                ColumnLayout {
                    objectName: "versionSection"
                    Layout.fillWidth: true
                    spacing: 10

                    SectionHeader {
                        text: qsTrId("section_header_version_history")
                    }

                    CopyableView {
                        objectName: "versionRow"
                        Layout.fillWidth: true
                        label: "label_version"
                        value: loader.detailedInfo.version
                    }
                    CopyableView {
                        objectName: "releaseNotesRow"
                        Layout.fillWidth: true
                        visible: loader.detailedInfo.hasReleaseNotes && loader.detailedInfo.releaseNotes !== ""
                        label: "label_release_notes"
                        value: loader.detailedInfo.releaseNotes
                    }
                }

                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 10

                    SectionHeader {
                        text: qsTrId("section_header_description")
                    }

                    Text {
                        objectName: "detailDescription"
                        Layout.fillWidth: true
                        text: loader.detailedInfo.description
                        textFormat: Text.PlainText
                        wrapMode: Text.Wrap
                        font.pixelSize: Theme.bodySize
                        color: Theme.label
                    }
                }

                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 10

                    SectionHeader {
                        text: qsTrId("section_header_screenshots")
                    }

                    ListView {
                        id: strip
                        objectName: "screenshotStrip"
                        Accessible.role: Accessible.List
                        Accessible.name: qsTrId("section_header_screenshots")
                        Layout.fillWidth: true
                        Layout.preferredHeight: 250
                        orientation: ListView.Horizontal
                        spacing: 8
                        clip: true
                        boundsBehavior: Flickable.StopAtBounds
                        model: loader.screenshotUrls

                        function scrollSideways(delta) {
                            const end = Math.max(0, contentWidth - width)
                            contentX = Math.max(0, Math.min(end, contentX - delta))
                        }

                        // The plain wheel goes on to scroll the page, and a sideways
                        // wheel scrolls the strip as a list does; so does the wheel with
                        // Shift.
                        WheelHandler {
                            target: null
                            acceptedModifiers: Qt.ShiftModifier
                            onWheel: event => strip.scrollSideways(event.angleDelta.y)
                        }
                        delegate: ScreenshotThumbnail {
                            id: thumbnail
                            onClicked: () => detail.showScreenshot(loader.screenshotUrls, index + 1)
                            onDragStarted: () => Desktop.dragScreenshot(modelData, detail.appItem.trackName,
                                                                        index + 1, thumbnail)
                        }
                    }
                }

                // The developer's other apps, once the catalogue has listed them.
                ColumnLayout {
                    objectName: "developerAppsSection"
                    Layout.fillWidth: true
                    visible: developerApps.count > 0
                    spacing: 0

                    RowLayout {
                        Layout.fillWidth: true
                        Layout.bottomMargin: 10

                        SectionHeader {
                            text: qsTrId("more_from_developer").arg(loader.detailedInfo.artistName)
                        }
                        BarButton {
                            objectName: "saveAllDeveloperApps"
                            enabled: !developerBatch.running
                            text: developerBatch.running
                                  ? qsTrId("batch_progress").arg(developerBatch.completed).arg(developerBatch.total)
                                  : qsTrId("save_all")
                            onClicked: developerBatch.saveAll(loader.developerApps)
                        }
                    }

                    AppList {
                        id: developerApps
                        Accessible.name: qsTrId("more_from_developer").arg(loader.detailedInfo.artistName)
                        Layout.fillWidth: true
                        Layout.preferredHeight: contentHeight
                        interactive: false
                        model: loader.developerApps
                        delegate: AppRow {
                            objectName: "developerApp_" + index
                            width: ListView.view.width
                            leftPadding: 0
                            rightPadding: 0
                            onOpenRequested: item => detail.showApp(item)
                            onSaveRequested: item => saveFlow.saveIcon(item)
                            onSaveAsRequested: (item, options) => saveFlow.saveIconAs(item, options)
                        }
                    }
                }
            }

            // The header's menu: the icon and name stand for the item.
            AppMenuArea {
                objectName: "detailMenuArea"
                visible: stack.visible
                x: stack.x
                y: stack.y
                width: stack.width
                height: header.height
                item: detail.appItem
                onSaveRequested: saveFlow.saveIcon(detail.appItem)
            }
        }
    }

    OnDemandLoader {
        id: detailSaveOptions
        source: "../Components/SaveOptionsMenu.qml"
        onLoaded: (item as SaveOptionsMenu).picked.connect(options => saveFlow.saveIconAs(detail.appItem, options))
    }

    SaveAlert {
        objectName: "detailSaveAlert"
        owner: saveFlow
    }

    SaveAlert {
        objectName: "developerBatchAlert"
        owner: developerBatch
    }

    // A section's title, right above its content; sections have no card of
    // their own.
    component SectionHeader: Text {
        Layout.fillWidth: true
        font.pixelSize: 20
        font.weight: Font.Bold
        color: Theme.label
        wrapMode: Text.Wrap
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }

    // A small button of the header, its symbol and words on a tinted fill.
    component LabelledButton: T.AbstractButton {
        id: button

        property string symbol

        hoverEnabled: true
        implicitWidth: implicitContentWidth + leftPadding + rightPadding
        implicitHeight: implicitContentHeight + topPadding + bottomPadding
        focusPolicy: Qt.StrongFocus
        Accessible.role: Accessible.Button
        leftPadding: 10
        rightPadding: 10
        topPadding: 5
        bottomPadding: 5
        Accessible.name: text

        // Where the name says more than the words shown.
        HoverTipLoader {
            hovered: button.hovered && button.Accessible.name !== button.text
            text: button.Accessible.name
        }

        background: FocusFrame {
            control: button
            radius: 7
            color: button.down ? Theme.accentFillPressed : Theme.accentFill
        }
        contentItem: Row {
            spacing: 4

            Symbol {
                anchors.verticalCenter: parent.verticalCenter
                name: button.symbol
                size: 17
                color: Theme.accent
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: button.text
                font.pixelSize: 15
                color: Theme.accent
            }
        }
    }

    // One screenshot of the strip, 250 high at its own aspect ratio, opening
    // the full-screen viewer.
    component ScreenshotThumbnail: T.AbstractButton {
        id: thumbnail

        required property string modelData
        required property int index
        readonly property bool loaded: shot.status === Image.Ready && shot.sourceSize.height > 0

        signal dragStarted()

        objectName: "screenshot_" + index
        height: 250
        // Until the picture is there, a placeholder shaped like a phone screen.
        width: loaded ? Math.round(height * shot.sourceSize.width / shot.sourceSize.height)
                      : Math.round(height * 9 / 19.5)
        padding: 0
        focusPolicy: Qt.StrongFocus
        Accessible.role: Accessible.Button
        Accessible.name: qsTrId("navigation_title_screenshot") + " " + (index + 1)

        RoundedImage {
            id: shot
            anchors.fill: parent
            radius: 12
            placeholderOpacity: 0.2
            source: thumbnail.modelData
        }

        PictureDrag {
            onStarted: thumbnail.dragStarted()
        }
    }
}
