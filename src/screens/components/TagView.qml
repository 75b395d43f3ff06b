// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

pragma ComponentBehavior: Bound

import QtQuick
import Vellumar.Style
import QtQuick.Templates as T

// Short texts as capsule tags that flow from left to right and wrap onto new
// rows; neighbouring capsules are 8 apart both ways. A tap reports the text.
// Flow moves a unit to a new row only when it would pass the right edge and
// is not first on its row, so a tag as wide as the row stays alone on it,
// with no empty row above.
Flow {
    id: root

    property var tags: []

    signal tagTapped(string tag)

    Repeater {
        model: root.tags

        // The capsule with a 4-point margin all round is the unit laid out;
        // a term wider than the whole row is shortened to fit it.
        delegate: Item {
            id: unit

            required property string modelData
            required property int index

            width: Math.min(capsule.implicitWidth + 8, Math.max(root.width, 8))
            height: capsule.implicitHeight + 8

            T.AbstractButton {
                id: capsule
                objectName: "tag_" + unit.index
                x: 4
                y: 4
                width: unit.width - 8
                text: unit.modelData
                leftPadding: 10
                rightPadding: 10
                topPadding: 5
                bottomPadding: 5
                implicitWidth: contentItem.implicitWidth + leftPadding + rightPadding
                // One height for every tag, whatever script its text is in, so
                // that rows line up.
                implicitHeight: Math.ceil(lineMetrics.height) + topPadding + bottomPadding
                focusPolicy: Qt.StrongFocus
                Accessible.role: Accessible.Button
                Accessible.name: text
                hoverEnabled: true

                contentItem: Text {
                    verticalAlignment: Text.AlignVCenter
                    text: capsule.text
                    font.pixelSize: Theme.footnoteSize
                    color: Theme.label
                    elide: Text.ElideRight
                }

                background: FocusFrame {
                    control: capsule
                    radius: height / 2
                    color: capsule.down || capsule.hovered ? Theme.systemGray5Pressed : Theme.systemGray5
                }

                onClicked: root.tagTapped(unit.modelData)

                // A term cut short shows in full to a resting pointer.
                HoverTipLoader {
                    hovered: capsule.hovered && (capsule.contentItem as Text).truncated
                    text: capsule.text
                }

                FontMetrics {
                    id: lineMetrics
                    font.pixelSize: Theme.footnoteSize
                }
            }
        }
    }
}
