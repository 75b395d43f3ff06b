pragma ComponentBehavior: Bound

import QtQuick
import Vellumar
import QtQuick.Templates as T

// Short texts as capsule tags that flow from left to right and wrap onto new
// rows; neighbouring capsules are 8 apart both ways. A tap reports the text.
Item {
    id: root

    property var tags: []

    signal tagTapped(string tag)

    implicitHeight: layoutState.contentHeight

    QtObject {
        id: layoutState
        property real contentHeight: 0
    }

    Repeater {
        id: repeater
        model: root.tags

        // The capsule with a 4-point margin all round is the unit laid out.
        delegate: Item {
            id: unit

            required property string modelData
            required property int index

            width: root.width > 0 ? Math.min(capsule.implicitWidth + 8, root.width)
                                  : capsule.implicitWidth + 8
            height: capsule.implicitHeight + 8
            onWidthChanged: root.layout()

            T.AbstractButton {
                id: capsule
                objectName: "tag_" + unit.index
                x: 4
                y: 4
                width: unit.width - 8
                height: implicitHeight
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

                contentItem: Text {
                    verticalAlignment: Text.AlignVCenter
                    text: capsule.text
                    font.pixelSize: Theme.footnoteSize
                    color: Theme.label
                    // Only a term wider than the whole row is shortened.
                    elide: Text.ElideRight
                }

                background: Rectangle {
                    radius: height / 2
                    color: capsule.down ? Qt.darker(Theme.systemGray5, 1.1) : Theme.systemGray5
                    border.width: capsule.visualFocus ? 2 : 0
                    border.color: Theme.accent
                }

                onClicked: root.tagTapped(unit.modelData)

                FontMetrics {
                    id: lineMetrics
                    font.pixelSize: Theme.footnoteSize
                }
            }
        }

        onItemAdded: root.layout()
        onItemRemoved: root.layout()
    }

    onWidthChanged: layout()

    // Places the units in order. A unit moves to a new row when its right
    // edge would pass the available width (touching it does not); a unit at
    // the start of a row stays there however wide it is, so no row is left
    // empty. A new row starts one unit height further down.
    function layout() {
        let x = 0
        let y = 0
        let bottom = 0
        for (let i = 0; i < repeater.count; ++i) {
            const unit = repeater.itemAt(i)
            if (!unit)
                continue
            if (x > 0 && x + unit.width > width) {
                x = 0
                y += unit.height
            }
            unit.x = x
            unit.y = y
            x += unit.width
            bottom = Math.max(bottom, y + unit.height)
        }
        layoutState.contentHeight = bottom
    }
}
