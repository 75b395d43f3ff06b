// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

import QtQuick
import QtQuick.Templates as T
import QtQuick.Controls.Material
import Vellumar.Core
import Vellumar.Components
import Vellumar.Style
import Vellumar.Pages

// The window. Everything below it belongs to one language: a real change of
// language discards the whole tree and builds it again in the new one, back
// on the search tab with a new search model and no sheet open.
T.ApplicationWindow {
    id: window

    // The language the tree below was built in; deliberately not a binding.
    property string identity

    objectName: "window"
    // Fits a 1366 × 768 screen with its panels; narrower than 720 it is
    // the phone layout.
    width: 1024
    height: 680
    minimumWidth: 360
    minimumHeight: 520
    visible: true
    title: "Vellumar"
    color: Theme.systemBackground
    Material.theme: Theme.dark ? Material.Dark : Material.Light
    Material.accent: Theme.accent
    Material.primary: Theme.accent

    // A desktop whose locale is not Chinese is offered English, once.
    Loader {
        id: languageOffer
        width: parent.width
        active: LocalizationManager.offersEnglish
        source: "Components/LanguageOffer.qml"
    }

    Loader {
        id: shell
        objectName: "shell"
        anchors.top: languageOffer.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        focus: true
        sourceComponent: TabsPage {}
    }

    // A start's request (the command line's, or a later start's): the search
    // tab takes it. A failure the person should know of, from wherever it
    // happened, shows on top of everything.
    Connections {
        target: ApplicationContext
        function onStartRequested(text, region) {
            (shell.item as TabsPage).handOver(text, region)
        }
        function onFailureReported(message) {
            const alert = failureAlert.made()
            alert.message = message
            alert.open()
        }
    }

    // By name, so that a start compiles nothing of it.
    OnDemandLoader {
        id: failureAlert
        source: "Components/FailureAlert.qml"
    }

    // A desktop-sized window tells of finished work and failures in notices
    // that do not stop the person; a phone-sized one in alerts.
    Binding {
        target: ApplicationContext.notices
        property: "enabled"
        value: window.width >= Theme.wideWidth
    }
    Binding {
        target: ApplicationContext.notices
        property: "windowActive"
        value: window.active
    }
    Loader {
        active: ApplicationContext.notices.count > 0
        source: "Components/NoticeArea.qml"
    }

    // The language is also the locale of everything below.
    onIdentityChanged: locale = Qt.locale(identity)
    Component.onCompleted: identity = LocalizationManager.currentLanguage

    Connections {
        target: LocalizationManager
        function onCurrentLanguageChanged() {
            if (LocalizationManager.currentLanguage === window.identity)
                return
            window.identity = LocalizationManager.currentLanguage
            shell.active = false
            shell.active = true
        }
    }
}
