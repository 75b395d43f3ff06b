// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

pragma ComponentBehavior: Bound

import QtQuick
import Vellumar.Style
import Vellumar.Components
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts

// The region picker: every region with flag, name and a check mark on the
// one in effect, narrowed by the filter field. A row tap picks that region
// and closes; done closes without a change. Given chosenCountryCodes, it
// picks several: a check mark on each chosen one, and a row tap adds its
// region or takes it out while the sheet stays open.
Sheet {
    id: sheet

    property string selectedCountryCode
    // A list of codes, or null for one region.
    property var chosenCountryCodes: null
    readonly property bool picksSeveral: chosenCountryCodes !== null

    signal countrySelected(string code)
    signal countryToggled(string code)

    title: picksSeveral ? qsTrId("choose_regions") : qsTrId("navigation_title_select_region")
    closeButtonText: qsTrId("done")
    closeButtonLeading: true

    // Each opening starts with an empty filter and the whole table, at the
    // region in effect.
    onAboutToShow: {
        filterField.text = ""
        list.currentIndex = regions.rowOf(picksSeveral ? chosenCountryCodes[0] ?? "" : selectedCountryCode)
        list.positionViewAtIndex(Math.max(list.currentIndex, 0), ListView.Center)
    }

    // The keyboard's way: the arrows move through the rows while the filter
    // keeps the keyboard, and Return picks the current row.
    function pickCurrent() {
        if (list.currentIndex >= 0)
            pick(regions.data(regions.index(list.currentIndex, 0), CountryListModel.CodeRole))
    }

    function pick(code) {
        if (picksSeveral) {
            countryToggled(code)
            return
        }
        countrySelected(code)
        close()
    }
    onOpened: filterField.field.forceActiveFocus()

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        SearchField {
            id: filterField
            Layout.fillWidth: true
            Layout.leftMargin: Theme.defaultPadding
            Layout.rightMargin: Theme.defaultPadding
            Layout.topMargin: 8
            Layout.bottomMargin: 8
            // Set off from the sheet's grouped background.
            color: Theme.systemGray5
            fieldName: "countryFilterField"
            clearButtonName: "clearCountryFilterButton"
            placeholderText: qsTrId("country_search_prompt")
            onAccepted: sheet.pickCurrent()
            onDownPressed: list.incrementCurrentIndex()
            Keys.onUpPressed: list.decrementCurrentIndex()
        }

        ListView {
            id: list
            objectName: "countryList"
            Accessible.role: Accessible.List
            Accessible.name: sheet.title
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            keyNavigationEnabled: true
            model: CountryListModel {
                id: regions
                searchText: filterField.text
                // A new filter starts at its first row.
                onSearchTextChanged: list.currentIndex = count > 0 ? 0 : -1
            }
            ScrollIndicator.vertical: ScrollIndicator { Accessible.ignored: true }

            // A filter that matches nothing says so, as the history does.
            Label {
                objectName: "noRegionMatches"
                anchors.centerIn: parent
                width: parent.width - 2 * Theme.defaultPadding
                visible: list.count === 0
                text: qsTrId("no_region_matches").arg(filterField.text)
                textFormat: Text.PlainText
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
                color: Theme.systemGray
            }

            delegate: ItemDelegate {
                id: row

                required property string code
                required property string flag
                required property string name
                readonly property bool selected: sheet.picksSeveral ? sheet.chosenCountryCodes.includes(code)
                                                                    : code === sheet.selectedCountryCode

                objectName: "countryRow_" + code
                width: ListView.view.width
                leftPadding: Theme.defaultPadding
                rightPadding: Theme.defaultPadding
                Accessible.name: name
                Accessible.checkable: true
                Accessible.checked: selected
                background: Rectangle {
                    color: row.down || row.visualFocus || row.ListView.isCurrentItem ? Theme.systemGray5
                         : row.hovered ? Theme.systemGray6 : Theme.systemBackground
                    Separator {
                        anchors.bottom: parent.bottom
                        x: row.leftPadding
                        width: parent.width - x
                        opacity: 0.5
                    }
                }

                contentItem: RowLayout {
                    spacing: 10

                    Text {
                        text: row.flag
                        font.family: Theme.flagFamily
                        // Colour emoji come out smaller than text of the same size.
                        font.pixelSize: 24
                    }
                    Text {
                        Layout.fillWidth: true
                        text: row.name
                        textFormat: Text.PlainText
                        elide: Text.ElideRight
                        font.pixelSize: Theme.bodySize
                        color: Theme.label
                    }
                    Symbol {
                        objectName: "checkmark"
                        visible: row.selected
                        name: "checkmark"
                        color: Theme.accent
                    }
                }

                onClicked: sheet.pick(code)
            }
        }
    }
}
