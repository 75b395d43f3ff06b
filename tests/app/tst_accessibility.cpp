// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FixtureCatalogue.h"
#include "TestEnvironment.h"

// The window as a screen reader meets it: accessibility_walk.py starts the application
// on a display of its own, with a private session bus and accessibility bus, and uses it
// through the accessibility tree and the keyboard alone, against the fixture catalogue.
class tst_Accessibility : public QObject
{
    Q_OBJECT

    FixtureCatalogue catalogue;

private slots:
    void aScreenReaderCanSearchOpenAndSave()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("QT_QPA_PLATFORM");
        // Qt's network teardown at exit is no concern of this test.
        environment.insert("ASAN_OPTIONS", environment.value("ASAN_OPTIONS") + ":detect_leaks=0");
        QProcess walk;
        walk.setProcessEnvironment(environment);
        walk.setProcessChannelMode(QProcess::ForwardedChannels);
        walk.start("dbus-run-session",
            { "--", "/usr/bin/python3", VELLUMAR_ACCESSIBILITY_WALK, VELLUMAR_EXECUTABLE });
        QVERIFY(walk.waitForStarted());
        // The fixture answers from this event loop, so wait without blocking it.
        QTRY_COMPARE_WITH_TIMEOUT(walk.state(), QProcess::NotRunning, 120000);
        QCOMPARE(walk.exitStatus(), QProcess::NormalExit);
        QCOMPARE(walk.exitCode(), 0);
    }
};

VELLUMAR_TEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
