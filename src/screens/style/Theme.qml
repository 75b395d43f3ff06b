// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

pragma Singleton
import QtQuick
import Vellumar.Desktop

// Colours, type sizes and symbols shared by every screen.
QtObject {
    // The desktop's preference, followed live.
    readonly property bool dark: Desktop.darkMode

    readonly property color accent: dark ? "#0A84FF" : "#007AFF"
    readonly property color label: dark ? "#FFFFFF" : "#000000"
    readonly property color secondaryLabel: dark ? "#99EBEBF5" : "#993C3C43"
    readonly property color systemGray: "#8E8E93"
    readonly property color systemGray5: dark ? "#3A3A3C" : "#E5E5EA"
    readonly property color systemGray6: dark ? "#2C2C2E" : "#F2F2F7"
    readonly property color systemBackground: dark ? "#1C1C1E" : "#FFFFFF"
    readonly property color groupedBackground: dark ? "#121214" : "#F2F2F7"
    readonly property color barBackground: dark ? "#242426" : "#F9F9F9"
    readonly property color separator: dark ? "#48484A" : "#C6C6C8"
    readonly property color systemGreen: dark ? "#30D158" : "#34C759"
    readonly property color switchOn: systemGreen
    readonly property color destructive: dark ? "#FF453A" : "#FF3B30"
    readonly property color destructiveLabel: "#FFFFFF"
    // The accent at 15 % for round buttons, 30 % while pressed.
    readonly property color accentFill: Qt.rgba(accent.r, accent.g, accent.b, 0.15)
    readonly property color accentFillPressed: Qt.rgba(accent.r, accent.g, accent.b, 0.3)
    readonly property color systemGray5Pressed: dark ? "#48484A" : "#D0D0D6"
    // Behind a full-screen picture.
    readonly property color mediaBackground: "#000000"
    readonly property color mediaLabel: "#FFFFFF"
    readonly property color mediaSecondaryLabel: "#B3FFFFFF"
    // Round buttons over a picture, plain or pressed.
    readonly property color mediaFill: "#B33C3C3C"
    readonly property color mediaFillPressed: "#CC5A5A5A"

    readonly property int headlineSize: 17
    readonly property int bodySize: 17
    readonly property int subheadlineSize: 15
    readonly property int footnoteSize: 13
    readonly property int captionSize: 13
    readonly property int defaultPadding: 16
    // From this window width on the desktop layout: details beside the list,
    // sheets as dialogs in the middle.
    readonly property int wideWidth: 720

    // Symbol names used by the screens, drawn from the embedded symbol font
    // (tools/generate_fonts.py cuts it to exactly these code points).
    readonly property string symbolFamily: "Vellumar Symbols"
    // Flags are emoji: named directly, a flag does not try every fallback
    // of the text font before reaching the one that has it.
    readonly property string flagFamily: "Noto Color Emoji"
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
        "chevron.left": "\ue5cb",
        "chevron.down": "\ue5cf",
        "chevron.right": "\ue5cc",
        "checkmark.circle.fill": "\ue86c",
        "circle": "\ue836",
        "line.3.horizontal": "\ue5d2",
        "xmark": "\ue5cd",
        "arrow.right": "\ue5c8",
        "sparkles": "\ue65f",
        "globe": "\ue80b"
    })

    function glyph(name) {
        return glyphs[name] ?? ""
    }
}
