// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Templates as T
import Vellumar.Core
import Vellumar.Style
import Vellumar.Components
import Vellumar.Pages

// One app's icons across the remembered regions, compared as soon as the
// screen opens: each icon once with the regions that show it and a save
// button, then the regions without the app and those whose lookup failed.
// The regions are edited in the region list, which compares again on closing
// after a change.
T.Page {
    id: page

    property appItem appItem
    // Accessible name of the back button: the title of the screen below.
    property string backTitle

    readonly property alias comparison: comparison

    objectName: "regionComparisonView"
    focus: true
    background: Rectangle { color: Theme.systemBackground }

    RegionComparison {
        id: comparison
    }

    IconSaveFlow {
        id: saveFlow
        recordsHistory: true
    }

    Component.onCompleted: comparison.start(appItem)

    function goBack() {
        StackView.view.pop()
    }

    Keys.onEscapePressed: goBack()
    Keys.onBackPressed: goBack()
    // It takes the keyboard, also beside the list, at its first control (the page
    // itself is no Tab stop, and Tab from it would leave the pane).
    StackView.onActivated: editButton.forceActiveFocus()

    header: NavigationBar {
        title: qsTrId("compare_regions")
        showsBackButton: true
        backTitle: page.backTitle
        onBackRequested: page.goBack()
    }

    Flickable {
        id: scroll
        objectName: "regionComparisonScroll"
        Accessible.role: Accessible.Pane
        Accessible.name: qsTrId("compare_regions")
        anchors.fill: parent
        contentWidth: width
        contentHeight: body.implicitHeight + 2 * Theme.defaultPadding
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        T.ScrollIndicator.vertical: ThinScrollIndicator {}

        // At most about 70 characters a line, centred in a wide pane, as the details.
        ColumnLayout {
            id: body
            width: Math.min(scroll.width - 2 * Theme.defaultPadding, 680)
            x: Math.round((scroll.width - width) / 2)
            y: Theme.defaultPadding
            spacing: 20

            // The regions compared, and how far the comparison got.
            Rectangle {
                Layout.fillWidth: true
                implicitHeight: status.implicitHeight + 2 * 12
                radius: 12
                color: Theme.systemGray6

                ColumnLayout {
                    id: status
                    x: 12
                    y: 12
                    width: parent.width - 2 * 12
                    spacing: 8

                    RowLayout {
                        Layout.fillWidth: true
                        spacing: 8

                        // The regions' flags, each named for screen readers.
                        Flow {
                            objectName: "comparedRegions"
                            Layout.fillWidth: true
                            visible: comparison.regions.length > 0
                            spacing: 6
                            Accessible.role: Accessible.List
                            Accessible.name: qsTrId("choose_regions")

                            Repeater {
                                model: comparison.chosenRegions

                                delegate: Text {
                                    required property var modelData

                                    text: modelData.flag
                                    font.family: Theme.flagFamily
                                    font.pixelSize: 20
                                    Accessible.role: Accessible.ListItem
                                    Accessible.name: modelData.name
                                }
                            }
                        }
                        Text {
                            objectName: "noRegionsChosen"
                            Layout.fillWidth: true
                            visible: comparison.regions.length === 0
                            text: qsTrId("regions_none_chosen")
                            wrapMode: Text.Wrap
                            font.pixelSize: Theme.subheadlineSize
                            color: Theme.label
                        }
                        BarButton {
                            id: editButton
                            objectName: "editRegionsButton"
                            Layout.alignment: Qt.AlignTop
                            text: qsTrId("edit_regions")
                            Accessible.name: qsTrId("choose_regions")
                            onClicked: chooser.made().open()
                        }
                    }

                    RowLayout {
                        Layout.fillWidth: true
                        spacing: 8

                        Text {
                            objectName: "comparisonProgress"
                            Layout.fillWidth: true
                            text: qsTrId("regions_progress").arg(comparison.completed).arg(comparison.total)
                            textFormat: Text.PlainText
                            wrapMode: Text.Wrap
                            color: Theme.secondaryLabel
                            font.pixelSize: Theme.subheadlineSize
                        }
                        BarButton {
                            objectName: comparison.running ? "cancelComparisonButton" : "compareAgainButton"
                            enabled: comparison.running || comparison.regions.length > 0
                            text: comparison.running ? qsTrId("cancel") : qsTrId("compare_again")
                            onClicked: comparison.running ? comparison.cancel() : comparison.start(page.appItem)
                        }
                    }

                    Rectangle {
                        Layout.fillWidth: true
                        visible: comparison.running
                        implicitHeight: 4
                        radius: 2
                        color: Theme.systemGray5

                        Rectangle {
                            width: comparison.total > 0 ? parent.width * comparison.completed / comparison.total : 0
                            height: parent.height
                            radius: parent.radius
                            color: Theme.accent
                        }
                    }
                }
            }

            Heading {
                visible: icons.count > 0
                text: qsTrId("regions_icon_count", icons.count)
            }

            Repeater {
                id: icons
                model: comparison

                delegate: Rectangle {
                    id: card

                    required property appItem item
                    required property string artworkUrl
                    required property var regions
                    required property int index
                    readonly property string regionNames: regions.map(region => region.name).join(", ")

                    objectName: "regionIcon_" + index
                    Layout.fillWidth: true
                    implicitHeight: Math.max(icon.height, chips.implicitHeight) + 2 * 12
                    radius: 12
                    color: Theme.systemGray6
                    Accessible.role: Accessible.Grouping
                    Accessible.name: regionNames

                    RoundedImage {
                        id: icon
                        objectName: "regionIconPicture"
                        x: 12
                        y: 12
                        width: 72
                        height: 72
                        radius: card.item.isMacApp ? 0 : 16
                        source: card.artworkUrl
                    }

                    Flow {
                        id: chips
                        objectName: "regionChips"
                        x: icon.x + icon.width + 12
                        y: 12
                        width: saveButton.x - x - 8
                        spacing: 6

                        Repeater {
                            model: card.regions
                            delegate: RegionChip {}
                        }
                    }

                    SaveButton {
                        id: saveButton
                        objectName: "saveRegionIconButton"
                        x: parent.width - width - 12
                        y: 12 + (icon.height - height) / 2
                        Accessible.name: qsTrId("save_regions_icon").arg(card.regionNames)
                        onClicked: saveFlow.saveIcon(card.item)
                    }
                }
            }

            ColumnLayout {
                objectName: "notSoldSection"
                Layout.fillWidth: true
                visible: comparison.notSoldIn.length > 0
                spacing: 8

                Heading {
                    text: qsTrId("regions_not_sold_heading")
                }
                Flow {
                    Layout.fillWidth: true
                    spacing: 6

                    Repeater {
                        model: comparison.notSoldIn
                        delegate: RegionChip {}
                    }
                }
            }

            ColumnLayout {
                objectName: "failedSection"
                Layout.fillWidth: true
                visible: comparison.failures.length > 0
                spacing: 8

                Heading {
                    text: qsTrId("regions_failed_heading")
                }
                Repeater {
                    model: comparison.failures

                    delegate: Text {
                        required property var modelData

                        objectName: "regionFailure"
                        Layout.fillWidth: true
                        text: modelData.flag + " " + qsTrId("region_lookup_failure").arg(modelData.name).arg(modelData.reason)
                        textFormat: Text.PlainText
                        wrapMode: Text.Wrap
                        font.pixelSize: Theme.subheadlineSize
                        color: Theme.secondaryLabel
                    }
                }
            }
        }
    }

    // The regions to compare, edited in place; a change compares again once closed.
    OnDemandLoader {
        id: chooser
        source: "RegionPage.qml"
        onLoaded: {
            const sheet = item as RegionPage
            let edited = false
            sheet.objectName = "regionChoiceView"
            sheet.chosenCountryCodes = Qt.binding(() => comparison.regions)
            sheet.countryToggled.connect(code => {
                comparison.toggleRegion(code)
                edited = true
            })
            sheet.closed.connect(() => {
                if (edited)
                    comparison.start(page.appItem)
                edited = false
                editButton.forceActiveFocus()
            })
        }
    }

    SaveAlert {
        objectName: "regionsSaveAlert"
        owner: saveFlow
    }

    component Heading: Text {
        Layout.fillWidth: true
        font.pixelSize: 20
        font.weight: Font.Bold
        color: Theme.label
        wrapMode: Text.Wrap
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }

    // A region as its flag and name.
    component RegionChip: Rectangle {
        id: chip

        required property var modelData

        objectName: "regionChip_" + modelData.code
        implicitWidth: chipRow.implicitWidth + 16
        implicitHeight: chipRow.implicitHeight + 8
        radius: height / 2
        color: Theme.systemBackground
        border.width: 1
        border.color: Theme.systemGray5

        Row {
            id: chipRow
            x: 8
            y: 4
            spacing: 5

            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: chip.modelData.flag
                font.family: Theme.flagFamily
                font.pixelSize: 15
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: chip.modelData.name
                textFormat: Text.PlainText
                font.pixelSize: Theme.subheadlineSize
                color: Theme.label
            }
        }
    }
}
