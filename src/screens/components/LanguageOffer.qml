// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import Vellumar.Core
import Vellumar.Style

// Offered once at the top of the window, in both languages, where the desktop
// speaks something other than Chinese: English, or Chinese kept. Either
// answer is stored, and the bar does not come back.
Rectangle {
    id: offer

    objectName: "languageOffer"
    implicitHeight: 48
    color: Theme.accentFill
    Accessible.role: Accessible.ToolBar
    Accessible.name: qsTrId("language_offer")

    Text {
        anchors.left: parent.left
        anchors.right: buttons.left
        anchors.leftMargin: Theme.defaultPadding
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        text: qsTrId("language_offer")
        elide: Text.ElideRight
        color: Theme.label
        font.pixelSize: Theme.subheadlineSize
    }

    Row {
        id: buttons
        anchors.right: parent.right
        anchors.rightMargin: 4
        anchors.verticalCenter: parent.verticalCenter
        spacing: 4

        BarButton {
            objectName: "useEnglishButton"
            text: qsTrId("language_offer_accept")
            strong: true
            onClicked: LocalizationManager.currentLanguage = "en"
        }
        BarButton {
            objectName: "keepChineseButton"
            symbol: "xmark"
            symbolSize: 18
            color: Theme.systemGray
            Accessible.name: qsTrId("language_offer_decline")
            onClicked: LocalizationManager.currentLanguage = "zh-Hans"
        }
    }
}
