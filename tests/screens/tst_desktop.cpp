// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScreenHarness.h"
#include "screens/desktop/Desktop.h"
#include "store/KeyValueStore.h"
#include "store/LocalizationManager.h"
#include "store/SearchHistoryManager.h"
#include "store/SettingsManager.h"
#include "store/TemporaryDirectory.h"

#include <QAccessible>
#include <QClipboard>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDesktopServices>
#include <QMimeData>
#include <QProcess>

// The desktop around the window, on a session bus of the test's own: a file
// manager that notes what it is asked to show, and the settings portal.
class FileManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    QStringList shown;
public slots:
    void ShowItems(const QStringList &uris, const QString &) { shown += uris; }
};

class Notifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList shown; // "summary: body"
public slots:
    uint Notify(const QString &, uint, const QString &, const QString &summary, const QString &body,
        const QStringList &, const QVariantMap &, int)
    {
        shown += summary + ": " + body;
        return uint(shown.size());
    }
};

class SettingsPortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public slots:
    // Wrapped twice, as older portals answer.
    QDBusVariant Read(const QString &group, const QString &key)
    {
        const uint dark = group == "org.freedesktop.appearance" && key == "color-scheme";
        return QDBusVariant(QVariant::fromValue(QDBusVariant(dark)));
    }
};

// The wide window's two panes, the keyboard, saved files and the dark look.
class tst_Desktop : public ScreenTest
{
    Q_OBJECT

    QProcess bus;
    FileManager fileManager;
    Notifications notifications;
    SettingsPortal portal;
    QList<QUrl> opened; // by "open in the browser"

    // The app on the page in the search tab's detail pane.
    QString detailName() const
    {
        QQuickItem *panes = screen->item("searchNavigation")->parentItem();
        QObject *page = panes->property("detail").value<QObject *>();
        return page ? page->property("appItem").value<AppItem>().trackName : QString();
    }
    bool focused(const char *name) const { return screen->item(name)->hasActiveFocus(); }
    // The names of what `count` presses of Tab reach, in turn.
    QString tabs(int count) const
    {
        QStringList reached;
        for (; count > 0; --count) {
            screen->pressKey(Qt::Key_Tab);
            reached += screen->window()->activeFocusItem()->objectName();
        }
        return reached.join(' ');
    }
    // Right-clicks `target`, then picks `action` from the menu that opens.
    bool pick(const char *target, const char *action)
    {
        QPointer<QQuickItem> item;
        return screen->click(target, Qt::RightButton)
            && ScreenHarness::waitFor([&] { return item = screen->visibleItem(action); })
            && screen->click(item)
            && ScreenHarness::waitFor([&] { return !item || !item->isVisible(); });
    }
    static QDBusConnection desktop()
    {
        return QDBusConnection::connectToBus(QDBusConnection::SessionBus, "desktop");
    }

public slots:
    void open(const QUrl &url) { opened += url; } // the browser's stand-in

private slots:
    void initTestCase()
    {
        bus.start("dbus-daemon", { "--session", "--nofork", "--print-address=1" });
        QVERIFY(bus.waitForReadyRead(10000));
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus.readLine().trimmed());
        // The services answer on a connection of their own, as another program's would.
        QDBusConnection session = desktop();
        QVERIFY(session.isConnected() && session.registerService("org.freedesktop.FileManager1")
            && session.registerObject(
                "/org/freedesktop/FileManager1", &fileManager, QDBusConnection::ExportAllSlots)
            && session.registerService("org.freedesktop.Notifications")
            && session.registerObject(
                "/org/freedesktop/Notifications", &notifications, QDBusConnection::ExportAllSlots)
            && session.registerService("org.freedesktop.portal.Desktop")
            && session.registerObject(
                "/org/freedesktop/portal/desktop", &portal, QDBusConnection::ExportAllSlots));
        language = QStringLiteral("en");
        ScreenTest::initTestCase();
    }
    void cleanupTestCase()
    {
        QDBusConnection::disconnectFromBus("desktop");
        bus.kill();
        bus.waitForFinished();
    }

    // The portal's answer and its later changes set the look.
    void theLookFollowsTheDesktop()
    {
        WAIT_UNTIL(screen->desktop().darkMode());
        QCOMPARE(screen->window()->color(), QColor("#1C1C1E"));
        QDBusMessage change = QDBusMessage::createSignal(
            "/org/freedesktop/portal/desktop", "org.freedesktop.portal.Settings", "SettingChanged");
        change << "org.freedesktop.appearance"
               << "color-scheme" << QVariant::fromValue(QDBusVariant(2u));
        QVERIFY(desktop().send(change));
        WAIT_UNTIL(!screen->desktop().darkMode());
        QCOMPARE(screen->window()->color(), QColor("#FFFFFF"));
    }

    // A wide window shows the chosen row's details beside the list; a change of width keeps them.
    void wideWindowsShowDetailsBesideTheList()
    {
        screen->window()->resize(1280, 800);
        WAIT_UNTIL(screen->shown("detailPlaceholder"));
        QVERIFY(screen->submit("app") && screen->click("resultRow_1"));
        WAIT_UNTIL(detailName() == FixtureCatalogue::apps().at(1).trackName
            && screen->shown("resultList") && screen->shown("detailStack"));
        QVERIFY(!screen->shown("backButton"));
        QVERIFY(screen->click("resultRow_0"));
        WAIT_UNTIL(detailName() == FixtureCatalogue::apps().at(0).trackName);
        screen->window()->resize(390, 844);
        WAIT_UNTIL(
            screen->settled("appDetailView", "searchNavigation") && !screen->shown("resultList"));
        QCOMPARE(detailName(), FixtureCatalogue::apps().at(0).trackName);
        screen->window()->resize(1280, 800);
        WAIT_UNTIL(screen->shown("resultList") && screen->shown("detailStack"));
    }

    // Beside a linked app's details, the list pane still says what later searches found.
    void laterOutcomesShowBesideALinkedApp()
    {
        screen->window()->resize(1024, 680);
        QVERIFY(screen->submit("https://apps.apple.com/app/x/id1234567890123"));
        WAIT_UNTIL(detailName() == "Lantern Notes" && screen->shown("detailStack"));
        for (const auto &[term, shown] :
            { std::pair { FixtureCatalogue::emptyTerm, FixtureCatalogue::emptyTerm },
                { FixtureCatalogue::malformedTerm, qtTrId("error_unreadable_answer") } }) {
            QVERIFY(screen->submit(term));
            WAIT_UNTIL(screen->shown("statusMessage")
                && screen->shownText("statusMessage").contains(shown));
            QCOMPARE(detailName(), "Lantern Notes");
        }
    }

    // Every shortcut, arrows and Return in a list, Delete in the history, and where focus goes.
    void theKeyboardReachesEverything()
    {
        QVERIFY(screen->submit("app"));
        screen->pressKey(Qt::Key_2, Qt::ControlModifier);
        WAIT_UNTIL(screen->shown("historyPage") && focused("historySearchField"));
        screen->pressKey(Qt::Key_1, Qt::ControlModifier);
        WAIT_UNTIL(screen->shown("searchPage") && focused("searchField"));
        // Tab goes in the order things are seen, top to bottom.
        QCOMPARE(tabs(4), "clearSearchButton resultRow_0 searchTab historyTab");
        screen->pressKey(Qt::Key_Comma, Qt::ControlModifier);
        QVERIFY(screen->waitForPopup("settingsView", true));
        QCOMPARE(tabs(3), "settingsViewDoneButton jpegSwitch roundedSwitch");
        screen->pressKey(Qt::Key_Escape);
        QVERIFY(screen->waitForPopup("settingsView", false));

        screen->item("resultRow_0")->forceActiveFocus();
        screen->pressKey(Qt::Key_Down);
        screen->pressKey(Qt::Key_Return);
        WAIT_UNTIL(screen->settled("appDetailView", "searchNavigation"));
        QCOMPARE(detailName(), FixtureCatalogue::apps().at(1).trackName);
        screen->pressKey(Qt::Key_Left, Qt::AltModifier);
        WAIT_UNTIL(screen->settled("searchPage", "searchNavigation"));
        screen->pressKey(Qt::Key_Return);
        WAIT_UNTIL(screen->settled("appDetailView", "searchNavigation"));
        QTest::mouseClick(screen->window(), Qt::BackButton, {}, { 200, 400 });
        WAIT_UNTIL(screen->settled("searchPage", "searchNavigation"));
        QVERIFY(screen->click("resultRow_2"));
        WAIT_UNTIL(screen->settled("appDetailView", "searchNavigation"));
        screen->pressKey(Qt::Key_F, Qt::ControlModifier);
        WAIT_UNTIL(screen->settled("searchPage", "searchNavigation") && focused("searchField"));

        QVERIFY(screen->click("saveButton"));
        QVERIFY(screen->alertShows("saveAlert", qtTrId("success")));
        WAIT_UNTIL(focused("searchField"));
        QVERIFY(screen->click("clearSearchButton") && focused("searchField"));

        history().addHistory(historyItem(1)); // after the saved one
        screen->pressKey(Qt::Key_2, Qt::ControlModifier);
        WAIT_UNTIL(screen->shown("historyRow_1"));
        QCOMPARE(tabs(1), "historyRow_0");
        screen->pressKey(Qt::Key_Delete);
        WAIT_UNTIL(history().loadHistory().size() == 1);
        QCOMPARE(
            history().loadHistory().first().trackName, FixtureCatalogue::apps().at(0).trackName);

        QSignalSpy quit(qmlEngine(screen->window()), &QQmlEngine::quit);
        screen->pressKey(Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(quit.size(), 1);
    }

    // On a wide window too, each list is one Tab stop, after the header's controls; the keys
    // move its current row, which looks chosen only beside its details, open it, open its
    // menu, choose rows and delete them.
    void listsAreOneTabStop()
    {
        screen->window()->resize(1280, 800);
        QVERIFY(screen->submit("app"));
        WAIT_UNTIL(focused("searchField"));
        QCOMPARE(tabs(9),
            "clearSearchButton resultRow_0 searchTab historyTab primaryMenuButton "
            "selectButton platformButton regionButton searchField");
        const auto current = [&] {
            return screen->item("resultList")->property("currentIndex");
        };
        screen->pressKey(Qt::Key_Down);
        QVERIFY(focused("resultRow_0"));
        for (const auto &[key, row] : { std::pair { Qt::Key_End, 2 }, { Qt::Key_Home, 0 },
                 { Qt::Key_PageDown, 2 }, { Qt::Key_Up, 1 } }) {
            screen->pressKey(key);
            QCOMPARE(current(), row);
        }
        QVERIFY(focused("resultRow_1"));
        QVERIFY(!screen->item("resultRow_1")->property("highlighted").toBool());
        screen->pressKey(Qt::Key_Return);
        WAIT_UNTIL(detailName() == FixtureCatalogue::apps().at(1).trackName);
        QVERIFY(screen->item("resultRow_1")->property("highlighted").toBool());
        screen->item("resultRow_1")->forceActiveFocus();
        screen->pressKey(Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(screen->waitForPopup("appMenu", true));
        QCOMPARE(screen->find("appMenu")->property("currentIndex"), 0);
        screen->pressKey(Qt::Key_Escape);
        QVERIFY(screen->waitForPopup("appMenu", false));

        screen->item("resultRow_1")->forceActiveFocus();
        screen->pressKey(Qt::Key_A, Qt::ControlModifier);
        WAIT_UNTIL(screen->shownText("saveSelectedButton") == qtTrId("save_n_icons", 3));
        screen->pressKey(Qt::Key_Space);
        QCOMPARE(screen->shownText("saveSelectedButton"), qtTrId("save_n_icons", 2));
        screen->pressKey(Qt::Key_Escape);
        WAIT_UNTIL(!screen->shown("saveSelectedButton"));

        for (const int app : { 2, 1, 0 })
            history().addHistory(historyItem(app));
        screen->pressKey(Qt::Key_2, Qt::ControlModifier);
        WAIT_UNTIL(screen->shown("historyRow_2") && focused("historySearchField"));
        screen->pressKey(Qt::Key_Down);
        screen->pressKey(Qt::Key_A, Qt::ControlModifier);
        screen->pressKey(Qt::Key_Space); // drops the first
        screen->pressKey(Qt::Key_Delete);
        WAIT_UNTIL(history().loadHistory().size() == 1);
        QCOMPARE(history().loadHistory().first().trackId, historyItem(0).trackId);
    }

    // From 720 px on, a header holds the views and the main menu, and dialogs close at the
    // same edge; below that, the phone's tab bar and settings button. Menus by keyboard.
    void theFrameIsADesktopsOwn()
    {
        const auto closeAt = [&] { // where the region picker's Done is: 1 right, -1 left
            if (!screen->open("regionButton", "countryListView"))
                return 0;
            const int x
                = ScreenHarness::centre(screen->visibleItem("countryListViewDoneButton")).x();
            screen->pressKey(Qt::Key_Escape);
            return screen->waitForPopup("countryListView", false)
                ? (x > screen->window()->width() / 2 ? 1 : -1)
                : 0;
        };
        const auto closed = [&](const char *popup) {
            screen->pressKey(Qt::Key_Escape);
            return screen->waitForPopup(popup, false);
        };
        // The tab's content spans the window between the bars there are, leaving no room
        // for the bar of the other width.
        const auto spans = [&](qreal top, qreal bottom) {
            const QQuickItem *content = screen->visibleItem("contentView");
            return content && content->mapToScene({}).y() == top
                && content->mapToScene({ 0, content->height() }).y() == bottom;
        };
        QVERIFY(screen->shown("tabBar") && screen->shown("settingsButton"));
        QVERIFY(!screen->shown("frameHeader"));
        QCOMPARE(closeAt(), -1);
        screen->window()->resize(1280, 800);
        WAIT_UNTIL(screen->shown("frameHeader") && !screen->shown("tabBar"));
        WAIT_UNTIL(spans(screen->visibleItem("frameHeader")->height(), 800));
        QVERIFY(!screen->shown("settingsButton"));
        QCOMPARE(closeAt(), 1);
        QVERIFY(screen->click("historyTab"));
        WAIT_UNTIL(screen->shown("historyPage"));
        QVERIFY(screen->click("searchTab"));
        WAIT_UNTIL(screen->shown("searchPage") && !screen->shown("historyPage"));

        screen->pressKey(Qt::Key_F10);
        QVERIFY(screen->waitForPopup("primaryMenu", true));
        screen->pressKey(Qt::Key_Return); // the first item is current at once
        QVERIFY(screen->waitForPopup("settingsView", true) && closed("settingsView"));
        screen->pressKey(Qt::Key_Question, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(screen->waitForPopup("shortcutsView", true));
        QVERIFY(screen->visibleTexts().contains(qtTrId("shortcut_main_menu")));
        QVERIFY(closed("shortcutsView"));
        QVERIFY(screen->open("primaryMenuButton", "primaryMenu") && screen->click("menuAbout"));
        QVERIFY(screen->alertShows("aboutDialog", "Vellumar"));

        screen->window()->resize(390, 844);
        WAIT_UNTIL(screen->shown("tabBar") && !screen->shown("frameHeader"));
        WAIT_UNTIL(spans(0, 844 - screen->visibleItem("tabBar")->height()));
    }

    // A wide window tells of saves, copies and failures in notices, not alerts: finished work
    // goes by itself unless the pointer rests on it, a failure stays until closed, and a
    // notice's Show in Folder shows its own file, or says why it cannot.
    void noticesDoNotStopThePerson()
    {
        screen->window()->resize(1280, 800);
        const QString lantern = FixtureCatalogue::apps().at(0).trackName;
        QVERIFY(screen->submit("lantern") && screen->click("saveButton"));
        WAIT_UNTIL(screen->notices().size() == 1);
        const QString saved = screen->notices().first();
        QVERIFY(saved.startsWith(qtTrId("notice_saved").arg(lantern + " 1024")));
        QVERIFY(!screen->find("saveAlert"));
        QVERIFY(pick("resultRow_0", "menuCopyIcon"));
        WAIT_UNTIL(screen->notices() == QStringList({ saved, qtTrId("notice_icon_copied") }));
        QTest::mouseMove(screen->window(), ScreenHarness::centre(screen->visibleItem("notice")));
        WAIT_UNTIL(screen->notices() == QStringList { saved }); // the copy's went, this stays
        QVERIFY(screen->click("noticeAction"));
        WAIT_UNTIL(!fileManager.shown.isEmpty());
        const QString file = saved.mid(qtTrId("notice_saved").arg(QString()).size());
        QCOMPARE(fileManager.shown.last(),
            QUrl::fromLocalFile(ScreenHarness::photoFolder().filePath(file)).toString());
        fileManager.shown.clear();
        QVERIFY(screen->notices().isEmpty());

        QVERIFY(desktop().unregisterService("org.freedesktop.FileManager1"));
        QVERIFY(screen->click("saveButton"));
        WAIT_UNTIL(screen->shown("noticeAction"));
        QVERIFY(screen->click("noticeAction"));
        const QString noFileManager
            = Error { {}, 0, {}, Error::Kind::noFileManager }.localizedDescription();
        WAIT_UNTIL(screen->notices() == QStringList { noFileManager });
        QVERIFY(desktop().registerService("org.freedesktop.FileManager1"));
        screen->desktop().copyPicture(catalogue->notAnImageUrl().toString());
        const QStringList failures { noFileManager,
            Error { {}, 0, {}, Error::Kind::imageUnusable }.localizedDescription() };
        WAIT_UNTIL(screen->notices() == failures);
        QTest::mouseMove(screen->window(), { 10, 10 });
        QVERIFY(screen->click("saveButton"));
        WAIT_UNTIL(screen->notices().size() == 3);
        WAIT_UNTIL(screen->notices() == failures);
        QVERIFY(!screen->find("failureAlert"));
        QVERIFY(screen->click("noticeClose") && screen->click("noticeClose"));
        WAIT_UNTIL(screen->notices().isEmpty());
    }

    // Where the desktop speaks no Chinese, a first start offers English once, in both
    // languages; taking it or keeping Chinese is remembered.
    void aNonChineseDesktopIsOfferedEnglishOnce()
    {
        screen.reset();
        qputenv("LANG", "en_US.UTF-8");
        for (const Language answer : { Language::english, Language::chinese }) {
            ScreenHarness fresh; // nothing stored
            QVERIFY(fresh.shown("languageOffer"));
            QVERIFY(fresh.visibleTexts().contains("Use English? · 使用英文？"));
            QVERIFY(fresh.click(
                answer == Language::english ? "useEnglishButton" : "keepChineseButton"));
            WAIT_UNTIL(!fresh.shown("languageOffer")
                && fresh.visibleTexts().contains(answer == Language::english ? "Search" : "搜索"));
            QCOMPARE(fresh.context().localization().currentLanguage(), answer);
            QVERIFY(!LocalizationManager(fresh.context().store()).offersEnglish());
        }
        qputenv("LANG", "zh_CN.UTF-8");
    }

    // A batch that ends while the window is not active is a desktop notification too.
    void batchesEndingUnseenNotify()
    {
        screen->window()->resize(1280, 800);
        QVERIFY(screen->submit("app"));
        const auto batch = [&] {
            return screen->click("resultRow_0", Qt::LeftButton, Qt::ControlModifier)
                && screen->click("saveSelectedButton") && screen->waitForPopup("saveAlert", true)
                && screen->click("saveAlertOkButton") && screen->waitForPopup("saveAlert", false);
        };
        QVERIFY(screen->window()->isActive() && batch());
        QWindow elsewhere;
        elsewhere.show();
        elsewhere.requestActivate();
        WAIT_UNTIL(!screen->window()->isActive());
        QVERIFY(batch());
        WAIT_UNTIL(!notifications.shown.isEmpty());
        QCOMPARE(notifications.shown,
            { qtTrId("success") + ": " + qtTrId("batch_save_summary").arg("1", "1") });
    }

    // On a wide window a deletion, of one entry or of the chosen ones, can be taken back from
    // its notice, each entry to its place; once the notice is gone, they stay deleted.
    void deletionsCanBeUndone()
    {
        screen->window()->resize(1280, 800);
        for (const int app : { 2, 1, 0 })
            history().addHistory(historyItem(app));
        const QList<AppItem> stored = history().loadHistory();
        QVERIFY(screen->click("historyTab"));
        WAIT_UNTIL(screen->shown("historyRow_2"));
        QVERIFY(pick("historyRow_1", "menuDelete"));
        WAIT_UNTIL(history().loadHistory().size() == 2);
        QCOMPARE(screen->notices(), { qtTrId("notice_removed_one").arg(stored[1].trackName) });
        QVERIFY(screen->click("noticeAction"));
        WAIT_UNTIL(history().loadHistory() == stored);

        QVERIFY(screen->click("selectButton") && screen->click("historyRow_0"));
        QVERIFY(screen->click("historyRow_2") && screen->click("deleteSelectedButton"));
        WAIT_UNTIL(history().loadHistory() == QList { stored[1] });
        QCOMPARE(screen->notices(), { qtTrId("notice_removed_n", 2) });
        QVERIFY(screen->click("noticeClose"));
        WAIT_UNTIL(screen->notices().isEmpty());
        QCOMPARE(history().loadHistory(), QList { stored[1] });
    }

    // Beside the list the comparison of regions is reached by the keyboard alone, in the
    // details' pane: its controls one Tab each with their names, an icon's save ending in a
    // notice, and Escape back to the details.
    void regionsAreComparedByKeyboard()
    {
        screen->window()->resize(1280, 800);
        QVERIFY(screen->submit(QString::number(FixtureCatalogue::regionalId))
            && screen->click("resultRow_0"));
        WAIT_UNTIL(detailName() == "Kite Atlas" && screen->shown("detailStack"));
        screen->item("detailSaveOptionsButton")->forceActiveFocus();
        QCOMPARE(tabs(1), "compareRegionsButton");
        screen->pressKey(Qt::Key_Space);
        WAIT_UNTIL(screen->settled("regionComparisonView", "searchNavigationPane")
            && screen->shown("compareAgainButton") && screen->shown("resultList"));
        QVERIFY(focused("editRegionsButton"));
        QCOMPARE(tabs(2), "compareAgainButton saveRegionIconButton");
        QCOMPARE(QAccessible::queryAccessibleInterface(screen->window()->activeFocusItem())
                     ->text(QAccessible::Name),
            "Save the icon of United States, China, United Kingdom, South Korea, Germany, Canada, "
            "Australia, Taiwan");
        screen->pressKey(Qt::Key_Space);
        WAIT_UNTIL(
            screen->notices() == QStringList { qtTrId("notice_saved").arg("Kite Atlas 1024.png") });
        QCOMPARE(history().loadHistory().first().countryCode, "US");
        screen->pressKey(Qt::Key_Escape);
        WAIT_UNTIL(screen->settled("appDetailView", "searchNavigationPane"));
    }

    // A save button says what it saves; its menu saves once otherwise, the settings unchanged,
    // and a dragged icon is what it would save.
    void theSaveButtonSaysWhatItSaves()
    {
        screen->window()->resize(1280, 800);
        const QString lantern = FixtureCatalogue::apps().at(0).trackName;
        settings().setSaveOptions({ IconSaveOptions::Shape::rounded, IconResolution::size512 });
        QVERIFY(screen->submit("lantern"));
        QQuickItem *save = screen->visibleItem("saveButton");
        QCOMPARE(QAccessible::queryAccessibleInterface(save)->text(QAccessible::Name),
            lantern + ": Save 512 px, rounded");
        QTest::mouseMove(screen->window(), ScreenHarness::centre(save));
        QObject *tip = nullptr;
        WAIT_UNTIL(
            (tip = save->findChild<QObject *>("hoverTip")) && tip->property("opened").toBool());
        QCOMPARE(tip->property("text"), "Save 512 px, rounded");

        QVERIFY(screen->click(save, Qt::RightButton));
        QVERIFY(screen->waitForPopup("saveOptionsMenu", true));
        QVERIFY(!screen->visibleItem("saveAs_rounded_512x512"));
        QVERIFY(screen->click("saveAs_original_1024x1024"));
        WAIT_UNTIL(ScreenHarness::photos().contains(lantern + " original.jpg"));
        QCOMPARE(settings().saveOptions(),
            (IconSaveOptions { IconSaveOptions::Shape::rounded, IconResolution::size512 }));

        const QDir drags(applicationTemporaryDirectory().value() + "/drags");
        const QPoint icon = ScreenHarness::centre(screen->visibleItem("rowIcon"));
        QTest::mousePress(screen->window(), Qt::LeftButton, {}, icon);
        for (int step = 1; step <= 5; ++step)
            QTest::mouseMove(screen->window(), icon + QPoint(step * 10, step * 6));
        QImage dragged;
        WAIT_UNTIL(!(dragged = QImage(drags.filePath(lantern + " 512 rounded.png"))).isNull());
        QTest::mouseRelease(screen->window(), Qt::LeftButton, {}, icon + QPoint(50, 30));
        QCOMPARE(dragged.size(), QSize(512, 512));
        QCOMPARE(qAlpha(dragged.pixel(0, 0)), 0);
    }

    // Hover tips on symbols and cut-short tags, spoken names; an icon drags out as its image and
    // a PNG file. Every menu, by right click or the Menu key, does what it says; a saved file is
    // named after the app and what was saved, and its alert shows it in the file manager.
    void pointersAndMenusDoWhatTheySay()
    {
        const auto hover = [&](QQuickItem *item) {
            QTest::mouseMove(screen->window(), ScreenHarness::centre(item));
            QPointer<QObject> tip;
            return ScreenHarness::waitFor([&] {
                tip = item->findChild<QObject *>("hoverTip"); // this item's own
                return tip && tip->property("opened").toBool();
            })
                ? tip->property("text").toString()
                : QString();
        };
        QCOMPARE(hover(screen->visibleItem("settingsButton")), qtTrId("settings"));
        const QString longTerm = QString("lantern ").repeated(12).trimmed();
        searchHistory().addSearchTerm(longTerm);
        QMetaObject::invokeMethod(screen->viewModel(), "loadSearchHistory");
        WAIT_UNTIL(screen->shown("tag_0"));
        QCOMPARE(hover(screen->visibleItem("tag_0")), longTerm); // cut short in the tag

        const FixtureCatalogue::App &lantern = FixtureCatalogue::apps().at(0);
        QVERIFY(screen->submit("lantern"));
        const QString title = lantern.trackName + " 1024";
        const QDir drags(applicationTemporaryDirectory().value() + "/drags");
        const QPoint icon = ScreenHarness::centre(screen->visibleItem("rowIcon"));
        QTest::mousePress(screen->window(), Qt::LeftButton, {}, icon);
        for (int step = 1; step <= 5; ++step)
            QTest::mouseMove(screen->window(), icon + QPoint(step * 10, step * 6));
        WAIT_UNTIL(QImage(drags.filePath(title + ".png")).size() == QSize(1024, 1024));
        QTest::mouseRelease(screen->window(), Qt::LeftButton, {}, icon + QPoint(50, 30));
        const std::unique_ptr<QMimeData> data(
            Desktop::pictureMimeData(QImage(8, 8, QImage::Format_RGB32), title));
        QVERIFY(data->hasImage());
        QCOMPARE(data->urls(), { QUrl::fromLocalFile(drags.filePath(title + " 2.png")) });

        const QString link = "https://apps.apple.com/app/id" + QString::number(lantern.trackId);
        QDesktopServices::setUrlHandler("https", this, "open");
        QVERIFY(pick("resultRow_0", "menuCopyStoreLink"));
        QCOMPARE(QGuiApplication::clipboard()->text(), link);
        QVERIFY(pick("resultRow_0", "menuOpenInBrowser"));
        QCOMPARE(opened, QList<QUrl> { QUrl(link) });
        QDesktopServices::unsetUrlHandler("https");
        QVERIFY(pick("resultRow_0", "menuCopyIcon"));
        WAIT_UNTIL(!QGuiApplication::clipboard()->image().isNull());
        screen->desktop().copyPicture(catalogue->notAnImageUrl().toString()); // says why not
        QVERIFY(screen->alertShows("failureAlert", qtTrId("error"),
            Error { {}, 0, {}, Error::Kind::imageUnusable }.localizedDescription()));
        settings().setSaveOptions({ IconSaveOptions::Shape::rounded });
        QVERIFY(pick("resultRow_0", "menuSaveIcon") && screen->waitForPopup("saveAlert", true));
        QVERIFY(screen->click("showInFolderButton") && screen->waitForPopup("saveAlert", false));
        const QString saved
            = ScreenHarness::photoFolder().filePath(lantern.trackName + " 1024 rounded.png");
        WAIT_UNTIL(fileManager.shown == QStringList { QUrl::fromLocalFile(saved).toString() });
        screen->item("resultRow_0")->forceActiveFocus();
        screen->pressKey(Qt::Key_Menu);
        QPointer<QQuickItem> copyIcon;
        WAIT_UNTIL(copyIcon = screen->visibleItem("menuCopyIcon"));
        screen->pressKey(Qt::Key_Escape);
        WAIT_UNTIL(!copyIcon->isVisible());

        QVERIFY(screen->click("resultRow_0"));
        WAIT_UNTIL(screen->shown("detailStack"));
        settings().setSaveOptions({ IconSaveOptions::Shape::original });
        QVERIFY(pick("detailMenuArea", "menuSaveIcon"));
        QVERIFY(screen->alertShows("detailSaveAlert", qtTrId("success")));
        settings().setSaveOptions({ IconSaveOptions::Shape::square });
        QVERIFY(ScreenHarness::photos().contains(lantern.trackName + " original.jpg"));
        QVERIFY(screen->scrollDetailToEnd());
        QVERIFY(screen->click("screenshot_0"));
        WAIT_UNTIL(screen->settled("screenshotDetailView", "searchNavigation")
            && screen->shown("screenshotPicture") && screen->shown("screenshotSaveHint"));
        QGuiApplication::clipboard()->clear();
        QVERIFY(pick("screenshotPicture", "menuCopyImage"));
        WAIT_UNTIL(!QGuiApplication::clipboard()->image().isNull());
        QVERIFY(!screen->shown("tabBar")); // the picture has the whole window
        QVERIFY(pick("screenshotPicture", "menuSaveScreenshot"));
        QVERIFY(screen->alertShows("screenshotSaveAlert", qtTrId("success")));
        screen->pressKey(Qt::Key_Escape);
        WAIT_UNTIL(screen->settled("appDetailView", "searchNavigation"));

        QVERIFY(screen->click("historyTab"));
        WAIT_UNTIL(screen->shown("historyRow_0"));
        QVERIFY(pick("historyRow_0", "menuDelete"));
        WAIT_UNTIL(history().loadHistory().isEmpty());
    }

    // The history's check for new icons, from its header at phone width and from the main
    // menu on a desktop: the changed app alone, an app gone, its new icon saved into the
    // history. The check of the day is off until switched on; then a notice shows its finding.
    void newIconsShowInTheHistory()
    {
        const qint64 harbor = FixtureCatalogue::apps().at(1).trackId;
        history().addHistory(historyItem(0, "CN"));
        history().addHistory({ 55, "Gone App", {}, catalogue->artworkUrl(55, "512x512"), "CN" });
        history().addHistory(historyItem(1, "CN"));
        catalogue->changeArtwork(harbor);
        screen->window()->resize(390, 844);
        QVERIFY(screen->click("historyTab"));
        WAIT_UNTIL(screen->shown("historyRow_2"));
        QVERIFY(screen->open("checkNewIconsButton", "newIconsView"));
        WAIT_UNTIL(screen->shown("newIconRow_0"));
        QVERIFY(!screen->shown("newIconRow_1"));
        QCOMPARE(
            screen->visibleItem("newIconRow_0")->property("current").value<AppItem>().artworkUrl512,
            catalogue->artworkUrl(harbor, "512x512")
                .replace("/art/284910350/", "/art/284910350-v1/"));
        WAIT_UNTIL(screen->shown("newIconsGone"));
        QVERIFY(
            screen->visibleItem("newIconsGone")->property("text").toString().contains("Gone App"));
        QVERIFY(
            screen->click("newIconsViewDoneButton") && screen->waitForPopup("newIconsView", false));

        screen->window()->resize(1280, 800);
        WAIT_UNTIL(screen->shown("frameHeader"));
        QVERIFY(screen->open("primaryMenuButton", "primaryMenu") && screen->click("menuNewIcons"));
        QVERIFY(screen->waitForPopup("newIconsView", true));
        WAIT_UNTIL(screen->shown("newIconRow_0"));
        QVERIFY(screen->click("saveNewIconsButton"));
        QVERIFY(screen->alertShows("newIconsSaveAlert", qtTrId("success")));
        QCOMPARE(ScreenHarness::photos(), { "Harbor Maps 1024.png" });
        QVERIFY(history().loadHistory().first().artworkUrl512.contains("/art/284910350-v1/"));
        WAIT_UNTIL(screen->shown("newIconsNone"));
        screen->pressKey(Qt::Key_Escape);
        QVERIFY(screen->waitForPopup("newIconsView", false));

        QObject *check = screen->find("newIconCheck");
        const auto due = [check] {
            bool due = true;
            QMetaObject::invokeMethod(check, "isDue", Q_RETURN_ARG(bool, due));
            return due;
        };
        QVERIFY(!due());
        settings().setChecksForNewIcons(true);
        QVERIFY(!due()); // checked a moment ago
        QVERIFY(screen->context().store().removeObject("lastNewIconCheck"));
        QVERIFY(due());
        catalogue->changeArtwork(harbor);
        QMetaObject::invokeMethod(check, "checkIfDue");
        WAIT_UNTIL(screen->notices() == QStringList { qtTrId("new_icons_found", 1) });
        QVERIFY(!due());
        QVERIFY(screen->click("noticeAction") && screen->waitForPopup("newIconsView", true));
        WAIT_UNTIL(screen->shown("newIconRow_0"));
    }
};

VELLUMAR_TEST_MAIN(tst_Desktop)
#include "tst_desktop.moc"
