// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Vellumar.Core
import Vellumar.Desktop
import Vellumar.Style
import Vellumar.Components
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import QtQuick.Templates as T

// How icons are saved and which language the interface speaks. Every control
// writes straight into the shared save options or the language; done only
// closes. While the original JPEG is chosen, the rounding and resolution
// options do not apply and are dimmed.
Sheet {
    id: settingsView


    title: qsTrId("settings")
    closeButtonText: qsTrId("done")

    Flickable {
        id: flickable
        anchors.fill: parent
        Accessible.role: Accessible.Pane
        Accessible.name: qsTrId("settings")
        contentWidth: width
        contentHeight: form.implicitHeight + 2 * Theme.defaultPadding
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollIndicator.vertical: ScrollIndicator { Accessible.ignored: true }

        ColumnLayout {
            id: form
            x: Theme.defaultPadding
            y: Theme.defaultPadding
            width: flickable.width - 2 * Theme.defaultPadding
            spacing: 24

            FormSection {
                Layout.fillWidth: true
                header: qsTrId("section_header_save_options")

                ShapeSwitch {
                    objectName: "jpegSwitch"
                    text: qsTrId("toggle_save_as_jpeg")
                    shape: "original"
                }

                ColumnLayout {
                    objectName: "roundingGroup"
                    Layout.fillWidth: true
                    spacing: 0
                    enabled: SettingsManager.saveOptions.shape !== "original"
                    opacity: enabled ? 1.0 : 0.5

                    ShapeSwitch {
                        objectName: "roundedSwitch"
                        text: qsTrId("toggle_save_as_rounded")
                        shape: "rounded"
                    }
                    ShapeSwitch {
                        objectName: "slightlyRoundedSwitch"
                        text: qsTrId("toggle_save_as_slightly_rounded")
                        shape: "slightly-rounded"
                    }
                    ShapePreview {
                        Layout.fillWidth: true
                    }
                    PickerRow {
                        label: qsTrId("picker_label_resolution")
                        pickerName: "resolutionPicker"
                        labels: SettingsManager.resolutions
                        current: SettingsManager.saveOptions.resolution
                        onPicked: value => SettingsManager.saveOptions.resolution = value
                    }
                }

                // Where saved photos go.
                ColumnLayout {
                    Layout.fillWidth: true
                    Layout.margins: Theme.defaultPadding
                    Layout.topMargin: 10
                    spacing: 4

                    Text {
                        text: qsTrId("photo_folder")
                        font.pixelSize: Theme.bodySize
                        color: Theme.label
                    }
                    Text {
                        objectName: "photoFolder"
                        Layout.fillWidth: true
                        text: Desktop.photoFolder
                        textFormat: Text.PlainText
                        wrapMode: Text.WrapAnywhere
                        font.pixelSize: Theme.footnoteSize
                        color: Theme.secondaryLabel
                    }
                }
            }

            FormSection {
                Layout.fillWidth: true
                header: qsTrId("section_header_history")

                SettingsSwitch {
                    objectName: "newIconsSwitch"
                    text: qsTrId("toggle_check_new_icons_daily")
                    checked: SettingsManager.checksForNewIcons
                    onToggled: SettingsManager.checksForNewIcons = checked
                }
            }

            FormSection {
                Layout.fillWidth: true
                header: qsTrId("section_header_language")

                PickerRow {
                    label: qsTrId("Language")
                    pickerName: "languagePicker"
                    labels: LocalizationManager.languageDisplayNames
                    values: LocalizationManager.languages
                    current: LocalizationManager.currentLanguage
                    onPicked: value => LocalizationManager.currentLanguage = value
                }
            }

            FormSection {
                Layout.fillWidth: true

                ItemDelegate {
                    id: aboutLink
                    objectName: "aboutLink"
                    Layout.fillWidth: true
                    focusPolicy: Qt.StrongFocus
                    leftPadding: Theme.defaultPadding
                    rightPadding: Theme.defaultPadding
                    Accessible.role: Accessible.Link
                    Accessible.name: qsTrId("about")
                    onClicked: Qt.openUrlExternally(Desktop.homepage)
                    background: RowHighlight {
                        control: aboutLink
                    }

                    contentItem: RowLayout {
                        spacing: 10
                        Symbol {
                            name: "info.circle"
                            color: Theme.accent
                        }
                        Label {
                            Layout.fillWidth: true
                            text: qsTrId("about")
                            font.pixelSize: Theme.bodySize
                            color: Theme.accent
                        }
                    }
                }
            }
        }
    }

    // A form row's feedback to the pointer and the keyboard, in place of the
    // style's ripple, which spills out of the row.
    component RowHighlight: Rectangle {
        required property T.AbstractButton control
        implicitHeight: 48
        color: Theme.systemGray5
        radius: 10
        opacity: control.down ? 0.8 : control.hovered || control.visualFocus ? 0.5 : 0
    }

    // The shape the options give a square icon, before anyone saves one.
    component ShapePreview: Item {
        implicitHeight: 64 + 16

        Rectangle {
            objectName: "shapePreview"
            x: Theme.defaultPadding
            anchors.verticalCenter: parent.verticalCenter
            width: 64
            height: 64
            radius: width * SettingsManager.saveOptions.cornerFraction
            gradient: Gradient {
                GradientStop { position: 0; color: "#5AC8FA" }
                GradientStop { position: 1; color: Theme.accent }
            }
            Accessible.role: Accessible.Graphic
            Accessible.name: qsTrId("shape_preview")
        }
        Text {
            x: Theme.defaultPadding + 64 + 15
            anchors.verticalCenter: parent.verticalCenter
            width: parent.width - x - Theme.defaultPadding
            text: qsTrId("shape_preview")
            wrapMode: Text.Wrap
            font.pixelSize: Theme.footnoteSize
            color: Theme.secondaryLabel
        }
    }

    // A switch that turns one shape of the save options on, or back to square.
    component ShapeSwitch: SettingsSwitch {
        required property string shape

        checked: SettingsManager.saveOptions.shape === shape
        onToggled: SettingsManager.saveOptions.shape = checked ? shape : "square"
    }

    component SettingsSwitch: SwitchDelegate {
        id: toggle

        // The group's dimming is the only one: no disabled colour on top.
        contentItem: Text {
            rightPadding: toggle.indicator.width + toggle.spacing
            text: toggle.text
            font: toggle.font
            color: Theme.label
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
        }

        Layout.fillWidth: true
        focusPolicy: Qt.StrongFocus
        leftPadding: Theme.defaultPadding
        rightPadding: Theme.defaultPadding
        font.pixelSize: Theme.bodySize
        background: RowHighlight {
            control: toggle
        }

        // A flat pill with a round knob: drawn without shader effects, so it
        // looks the same on every scene graph backend.
        indicator: FocusFrame {
            control: toggle
            x: toggle.width - width - toggle.rightPadding
            y: (toggle.height - height) / 2
            implicitWidth: 51
            implicitHeight: 31
            radius: height / 2
            color: toggle.checked ? Theme.switchOn : Theme.systemGray5

            Rectangle {
                x: toggle.checked ? parent.width - width - 2 : 2
                anchors.verticalCenter: parent.verticalCenter
                width: 27
                height: 27
                radius: height / 2
                color: Theme.systemBackground
                border.width: 1
                border.color: Theme.separator

                Behavior on x {
                    NumberAnimation { duration: 120 }
                }
            }
        }
    }

    component PickerRow: ColumnLayout {
        id: pickerRow

        property string label
        property string pickerName
        property alias labels: picker.labels
        property alias values: picker.values
        property alias current: picker.current

        signal picked(var value)

        Layout.fillWidth: true
        Layout.leftMargin: Theme.defaultPadding
        Layout.rightMargin: Theme.defaultPadding
        Layout.topMargin: 10
        Layout.bottomMargin: 12
        spacing: 8

        Text {
            text: pickerRow.label
            font.pixelSize: Theme.bodySize
            color: Theme.label
        }
        SegmentedPicker {
            id: picker
            objectName: pickerRow.pickerName
            Layout.fillWidth: true
            accessibleName: pickerRow.label
            onPicked: value => pickerRow.picked(value)
        }
    }
}
