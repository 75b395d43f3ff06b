pragma Singleton
import QtQuick

// Colours, type sizes and symbols shared by every screen.
QtObject {
    readonly property color accent: "#007AFF"
    readonly property color label: "#000000"
    readonly property color secondaryLabel: "#993C3C43"
    readonly property color systemGray: "#8E8E93"
    readonly property color systemGray5: "#E5E5EA"
    readonly property color systemGray6: "#F2F2F7"
    readonly property color systemBackground: "#FFFFFF"
    readonly property color groupedBackground: "#F2F2F7"
    readonly property color barBackground: "#F9F9F9"
    readonly property color separator: "#C6C6C8"
    readonly property color systemGreen: "#34C759"
    readonly property color switchOn: systemGreen
    readonly property color destructive: "#FF3B30"
    readonly property color destructiveLabel: "#FFFFFF"
    // The accent at 15 % for round buttons, 30 % while pressed.
    readonly property color accentFill: "#26007AFF"
    readonly property color accentFillPressed: "#4D007AFF"
    readonly property color systemGray5Pressed: "#D0D0D6"
    // Behind a full-screen picture.
    readonly property color mediaBackground: "#000000"

    readonly property int headlineSize: 17
    readonly property int bodySize: 17
    readonly property int subheadlineSize: 15
    readonly property int footnoteSize: 13
    readonly property int captionSize: 13
    readonly property int defaultPadding: 16

    // Symbol names used by the screens, drawn from the embedded symbol font
    // (tools/generate_symbol_font.py cuts it to exactly these code points).
    readonly property string symbolFamily: "Vellumar Symbols"
    readonly property var glyphs: ({
        "magnifyingglass": "\ue8b6",
        "xmark.circle.fill": "\ue5c9",
        "square.and.arrow.down": "\uf090",
        "trash": "\ue872",
        "gearshape.fill": "\ue8b8",
        "checkmark": "\ue5ca",
        "doc.on.doc": "\ue14d",
        "info.circle": "\ue88e",
        "exclamationmark.triangle.fill": "\ue002",
        "clock.arrow.circlepath": "\ue889",
        "chevron.left": "\ue5cb"
    })

    function glyph(name) {
        return glyphs[name] ?? ""
    }
}
