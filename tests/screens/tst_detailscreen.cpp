// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScreenHarness.h"
#include "store/Country.h"
#include "store/SettingsManager.h"
#include "workflow/ScreenshotSaver.h"

#include <QClipboard>
#include <QImageReader>
#include <QRegularExpression>

using namespace std::chrono_literals;

// The screens an item opens: its details, a screenshot, and the download history.
class tst_DetailScreen : public ScreenTest
{
    Q_OBJECT

    bool checkmarkShown(const char *row) const
    {
        return screen->visibleItem("checkmarkGlyph", screen->visibleItem(row));
    }
    bool back(const QString &page, const QString &navigation)
    {
        return screen->click("backButton")
            && ScreenHarness::waitFor([&] { return screen->settled(page, navigation); });
    }
    QQuickItem *row(int index) const
    {
        return screen->visibleItem(QStringLiteral("historyRow_%1").arg(index));
    }
    QStringList shownNames() const
    {
        QStringList names;
        for (int index = 0; row(index); ++index)
            names.append(row(index)->property("trackName").toString());
        return names;
    }
    qsizetype stored() const { return history().loadHistory().size(); }
    bool showHistory(const QList<AppItem> &items)
    {
        for (auto item = items.crbegin(); item != items.crend(); ++item)
            history().addHistory(*item);
        return screen->click("historyTab") && ScreenHarness::waitFor([&] {
            return screen->settled("historyPage", "historyNavigation");
        });
    }

private slots:
    // Release notes and screenshots; null release notes and no screenshots.
    void showsEverySectionAfterTheSpinner()
    {
        for (const auto &[row, releaseNotes, screenshots] :
            { std::tuple { 0, "Faster sync.\nA new dark theme.", 5 }, { 2, "<hidden>", 0 } }) {
            init();
            const FixtureCatalogue::App &app = FixtureCatalogue::apps().at(row);
            const QString id = QString::number(app.trackId);
            catalogue->setDelay(id, 800ms);
            QVERIFY(openSearchResult(row, false));
            QVERIFY(screen->shown("detailLoading") && !screen->shown("detailStack")
                && !screen->shown("detailLoadFailed"));
            WAIT_UNTIL(screen->shown("detailStack") && !screen->shown("detailLoading"));
            catalogue->setDelay(id, 0ms);
            QCOMPARE(requestsContaining("GET /lookup?id=" + id.toUtf8() + "&country=CN"), 1);
            QCOMPARE(screen->shownText("detailName"), app.trackName);
            QCOMPARE(screen->shownText("detailArtist"), app.artistName);
            QVERIFY(screen->shownText("detailIcon", "source").endsWith("/1024x1024bb.png"));
            const std::pair<const char *, QString> rows[] { { "bundleIdRow", app.bundleId },
                { "trackIdRow", id }, { "appStoreLinkRow", "https://apps.apple.com/app/id" + id },
                { "minimumOsRow", "iOS 15.0" }, { "versionRow", app.version },
                { "releaseNotesRow", releaseNotes } };
            for (const auto &[name, value] : rows)
                QCOMPARE(screen->shownText(name, "value"), value);
            QVERIFY(
                screen->shownText("detailDescription").startsWith(app.trackName + " is an app"));
            QCOMPARE(screen->item("screenshotStrip")->property("count").toInt(), screenshots);
        }
    }

    // A history row opens in its region, else the US store; a failed first lookup shows the
    // failure text (and a console line), a failed later one, on showing the tab again, keeps the
    // details. Saving from a row does not record it again.
    void historyRowsOpenTheirDetails()
    {
        AppItem broken = historyItem(2);
        broken.trackId = FixtureCatalogue::errorPageId;
        const QRegularExpression failureLine("^详情加载失败: ");
        QTest::ignoreMessage(QtInfoMsg, failureLine); // the failed lookup's
        QVERIFY(showHistory({ historyItem(0), historyItem(1, "JP"), broken }));
        for (const auto &[index, lookup] : { std::pair { 1, "lookup?id=284910350&country=JP" },
                 { 0, "lookup?id=1234567890123&country=US" }, { 2, "lookup?id=404&country=US" } }) {
            const bool fails = index == 2;
            QVERIFY(screen->click(row(index)));
            WAIT_UNTIL(screen->shown(fails ? "detailLoadFailed" : "detailStack"));
            QVERIFY(!screen->shown("detailLoading") && screen->shown("detailSaveButton") != fails);
            QCOMPARE(requestsContaining(lookup), 1);
            QVERIFY(back("historyPage", "historyNavigation"));
        }
        history().removeHistory(historyItem(0));
        QVERIFY(screen->click(screen->visibleItem("saveButton", row(0))));
        QVERIFY(screen->alertShows("historySaveAlert", qtTrId("success")));
        QVERIFY(ScreenHarness::photos().size() == 1 && stored() == 2
            && !screen->shown("appDetailView"));

        QVERIFY(screen->click("searchTab") && openSearchResult(0));
        QSignalSpy looked(
            screen->visibleItem("appDetailView")->property("loader").value<QObject *>(),
            SIGNAL(isLoadingChanged()));
        const QByteArray live = refuseConnections();
        QTest::ignoreMessage(QtInfoMsg, failureLine);
        QVERIFY(screen->click("historyTab") && screen->click("searchTab"));
        const bool failed = ScreenHarness::waitFor([&] { return !looked.isEmpty(); });
        qputenv("VELLUMAR_CATALOGUE_URL", live);
        QVERIFY(failed);
        QVERIFY(screen->shown("detailStack") && !screen->shown("detailLoadFailed"));
    }

    // Pictures an answer places on this machine are never opened, in the list or the details.
    void answersCannotOpenLocalFiles()
    {
        QVERIFY(screen->submit(FixtureCatalogue::localFilesTerm) && screen->click("resultRow_0"));
        WAIT_UNTIL(screen->shown("detailStack"));
        QCOMPARE(screen->item("screenshotStrip")->property("count").toInt(), 2);
        QVERIFY(screen->grab().width() > 0);
        QStringList sources;
        for (QQuickItem *item : screen->window()->contentItem()->findChildren<QQuickItem *>())
            sources.append(item->property("source").toString());
        QCOMPARE(sources.filter(FixtureCatalogue::canaryFolder()), QStringList());
    }

    // The platform menu searches Mac apps at once; their icons keep their maker's shape. A
    // developer's other apps follow the details and open their own.
    void macAppsAndADevelopersOtherApps()
    {
        QVERIFY(screen->submit("lantern") && screen->click("platformButton"));
        QPointer<QQuickItem> mac;
        WAIT_UNTIL(mac = screen->visibleItem("platform_Mac"));
        QVERIFY(screen->click(mac));
        WAIT_UNTIL(screen->shownText("resultRow_0", "trackName") == "Lantern Desk"
            && !screen->popupVisible("platformMenu"));
        QCOMPARE(requestsContaining("/search?term=lantern&country=CN&entity=macSoftware"), 1);
        QCOMPARE(screen->shownText("platformButton"), "Mac");
        settings().setPlatform(Platform::IPhone); // for the tests after
        QCOMPARE(screen->visibleItem("rowIcon")->property("radius"), 0);
        QVERIFY(screen->click("resultRow_0"));
        WAIT_UNTIL(screen->shown("developerApp_0"));
        QCOMPARE(screen->shownText("minimumOsRow", "value"), "macOS 15.0");
        QCOMPARE(screen->shownText("developerApp_0", "trackName"), "Lantern Notes");
        QVERIFY(!screen->grab().isNull()); // lays the list out
        QVERIFY(!screen->shown("developerApp_1")); // neither the shown app nor the developer
        QCOMPARE(requestsContaining("GET /lookup?id=900000123&entity=software&country=CN"), 1);
        QVERIFY(screen->scrollDetailToEnd());
        QVERIFY(screen->click("developerApp_0"));
        WAIT_UNTIL(screen->shownText("detailName") == "Lantern Notes"
            && screen->settled("appDetailView", "searchNavigation"));
    }

    // A tap copies the value as shown and shows a check mark, which goes by itself.
    void aTapCopiesTheValueAndShowsACheckMark()
    {
        QVERIFY(openSearchResult(0));
        for (const auto &[row, value] : { std::pair { "bundleIdRow", "com.lanternlabs.notes" },
                 { "minimumOsRow", "iOS 15.0" } }) {
            QVERIFY(screen->click(row));
            QCOMPARE(QGuiApplication::clipboard()->text(), value);
            WAIT_UNTIL(checkmarkShown(row));
            WAIT_UNTIL(!checkmarkShown(row));
        }
    }

    // A still long press on a shown picture saves it as served and records nothing; a drag, a
    // picture still loading or not a picture save nothing. Back looks the item up again. At
    // phone width the viewer steps on but never zooms.
    void aLongPressSavesTheScreenshot()
    {
        settings().setSaveOptions({ IconSaveOptions::Shape::original });
        QVERIFY(openSearchResult(0));
        for (const auto &[address, shown] :
            { std::pair { catalogue->stallingImageUrl().toString(), "screenshotLoading" },
                { catalogue->notAnImageUrl().toString(), "screenshotFailed" },
                { catalogue->localSvgUrl().toString(), "screenshotFailed" },
                { QString(), "screenshotPicture" } }) { // the first screenshot, tapped
            QVERIFY(screen->scrollDetailToEnd());
            QVERIFY(address.isEmpty()
                    ? screen->click("screenshot_0")
                    : QMetaObject::invokeMethod(screen->visibleItem("appDetailView"),
                        "showScreenshot", Q_ARG(QVariant, QStringList { address }),
                        Q_ARG(QVariant, 1)));
            WAIT_UNTIL(screen->settled("screenshotDetailView", "searchNavigation")
                && screen->shown(shown));
            if (address.isEmpty()) { // steps on to the second, which keys and wheel never zoom
                screen->pressKey(Qt::Key_Right);
                WAIT_UNTIL(screen->shown("screenshotPicture"));
                QQuickItem *picture = screen->visibleItem("screenshotImage");
                const QSizeF fits = picture->size();
                screen->pressKey(Qt::Key_Plus);
                screen->wheel(picture, { 0, 120 }, Qt::ControlModifier);
                QVERIFY(picture->size() == fits && screen->shown("previousScreenshotButton"));
            }
            catalogue->clearRequests();
            QQuickItem *view = screen->visibleItem("screenshotDetailView");
            screen->press(view, QPoint(30, 0), 800); // a drag
            QVERIFY(!screen->popupVisible("screenshotSaveAlert"));
            screen->press(view, {}, 800);
            if (address.isEmpty())
                break;
            QVERIFY(!screen->popupVisible("screenshotSaveAlert"));
            QCOMPARE(requestsContaining("/art/special/"), 0);
            QVERIFY(back("appDetailView", "searchNavigation"));
            WAIT_UNTIL(requestsContaining("GET /lookup?") == 1);
        }
        QVERIFY(screen->alertShows(
            "screenshotSaveAlert", qtTrId("success"), qtTrId("save_success_message_screenshot")));
        settings().setSaveOptions({ IconSaveOptions::Shape::square });
        QCOMPARE(requestsContaining("/shots/"), 1); // downloaded again, once
        QCOMPARE(ScreenHarness::photos(), QStringList { "Lantern Notes 截图 2.png" });
        QImageReader reader(ScreenHarness::photoFolder().filePath(ScreenHarness::photos().first()));
        QCOMPARE(reader.format(), QByteArray("png"));
        QCOMPARE(reader.size(), QSize(392, 696));
        QCOMPARE(stored(), 0);
        ScreenshotSaver saver; // a non-picture saved all the same fails in words
        saver.setContext(screen->context());
        saver.saveScreenshot(catalogue->notAnImageUrl().toString());
        WAIT_UNTIL(saver.showingSaveAlert());
        QCOMPARE(saver.saveAlertTitle() + saver.saveAlertMessage(),
            qtTrId("error") + qtTrId("save_fail_message").arg(qtTrId("image_data_error")));
    }

    // In a wide window the viewer steps through the screenshots by arrows and buttons, zooms by
    // keys and Ctrl+wheel about the pointer, pans and closes on Escape. Over the strip the plain
    // wheel scrolls the page, Shift or a sideways wheel the strip.
    void theViewerStepsZoomsAndPans()
    {
        screen->window()->resize(1280, 800);
        QVERIFY(openSearchResult(0) && screen->scrollDetailToEnd());
        QVERIFY(screen->click("screenshot_1"));
        WAIT_UNTIL(screen->settled("screenshotDetailView", "searchNavigationPane")
            && screen->shown("screenshotPicture"));
        QQuickItem *viewer = screen->visibleItem("screenshotDetailView");
        const auto shows = [&](int number) {
            return viewer->property("imageUrl").toString().contains(QString("-%1/").arg(number))
                && screen->visibleItem("navigationTitle", viewer)->property("text")
                == qtTrId("navigation_title_screenshot_position").arg(number).arg(5);
        };
        QVERIFY(shows(2));
        const char *next = "nextScreenshotButton", *previous = "previousScreenshotButton";
        for (const auto &[step, number] : { std::pair { "Right", 3 }, { "Left", 2 }, { "Left", 1 },
                 { "Left", 1 }, { next, 2 }, { next, 3 }, { next, 4 }, { next, 5 }, { "Left", 4 },
                 { "Right", 5 }, { "Right", 5 }, { previous, 4 } }) {
            if (QChar(*step).isLower())
                QVERIFY(screen->click(step));
            else
                QTest::keySequence(screen->window(), QKeySequence(step));
            QVERIFY(shows(number) && screen->shown(previous) == (number > 1)
                && screen->shown(next) == (number < 5));
        }

        WAIT_UNTIL(screen->shown("screenshotPicture"));
        QQuickItem *picture = screen->visibleItem("screenshotImage");
        QQuickItem *frame = screen->visibleItem("screenshotFrame");
        const qreal fitted = picture->height();
        QCOMPARE(fitted, frame->height()); // a portrait picture in a landscape window
        const auto zoomed = [&](qreal zoom) {
            return qAbs(picture->height() / fitted - zoom) < 0.01;
        };
        for (const auto &[keys, zoom] : { std::pair { "+", 1.25 }, { "Ctrl+=", 1.5625 },
                 { "-", 1.25 }, { "0", 1.0 }, { "Ctrl+-", 1.0 } }) {
            QTest::keySequence(screen->window(), QKeySequence(keys));
            QVERIFY(zoomed(zoom)
                && screen->shownText("zoomLevel")
                    == (zoom > 1 ? qtTrId("zoom_level").arg(qRound(zoom * 100)) : "<hidden>"));
        }
        // The spot of the picture under the pointer stays there.
        const QPointF pointer(frame->width() / 2, frame->height() / 4);
        const auto spot = [&] {
            return picture->mapFromItem(frame, pointer).y() / picture->height();
        };
        screen->wheel(frame, { 0, 240 }, Qt::ControlModifier, pointer);
        QVERIFY(zoomed(1.5625) && qAbs(spot() - 0.25) < 0.01);
        screen->press(frame, QPoint(0, -150), 0);
        WAIT_UNTIL(!frame->property("moving").toBool());
        const qreal panned = spot();
        QVERIFY(panned > 0.3);
        screen->wheel(frame, { 0, 120 }, Qt::ControlModifier, pointer);
        QVERIFY(zoomed(1.953125) && qAbs(spot() - panned) < 0.01);
        screen->wheel(frame, { 0, -720 }, Qt::ControlModifier, pointer);
        QVERIFY(zoomed(1) && !frame->property("interactive").toBool());
        screen->pressKey(Qt::Key_Escape);
        WAIT_UNTIL(screen->settled("appDetailView", "searchNavigationPane")
            && screen->shown("detailStack"));

        QVERIFY(screen->scrollDetailToEnd());
        QQuickItem *page = screen->visibleItem("detailScroll");
        QQuickItem *strip = screen->visibleItem("screenshotStrip");
        const auto at = [](QQuickItem *item, const char *name) {
            return item->property(name).toReal();
        };
        WAIT_UNTIL(at(strip, "contentWidth") > strip->width());
        const qreal end = at(page, "contentY"), last = at(strip, "contentWidth") - strip->width();
        for (const auto &[angle, modifiers, x] :
            { std::tuple { QPoint(0, -120), Qt::ShiftModifier, last },
                { QPoint(0, 120), Qt::ShiftModifier, 0.0 },
                { QPoint(-120, 0), Qt::NoModifier, last } }) {
            screen->wheel(strip, angle, modifiers);
            WAIT_UNTIL(at(strip, "contentX") == x && !strip->property("moving").toBool());
            QCOMPARE(at(page, "contentY"), end);
        }
        screen->wheel(strip, { 0, 120 });
        WAIT_UNTIL(at(page, "contentY") < end);
        QCOMPARE(at(strip, "contentX"), last);
    }

    // Compare Regions from the details looks the app up in the ten remembered regions: each
    // icon once with its regions, the region without the app apart, and an icon's save keeps
    // its region. The region list adds and takes out regions, which are remembered, and
    // compares again once closed; a failed region says why.
    void comparesTheIconsAcrossRegions()
    {
        const QByteArray lookup = "GET /lookup?id=1000000888&country=";
        const auto chip = [&](const char *code, const QString &section) {
            return screen->visibleItem(
                       QStringLiteral("regionChip_") + code, screen->visibleItem(section))
                != nullptr;
        };
        QVERIFY(screen->submit(QString::number(FixtureCatalogue::regionalId))
            && screen->click("resultRow_0"));
        WAIT_UNTIL(screen->shown("detailStack"));
        catalogue->clearRequests();
        QVERIFY(screen->click("compareRegionsButton"));
        WAIT_UNTIL(screen->settled("regionComparisonView", "searchNavigation")
            && screen->shown("compareAgainButton"));
        QCOMPARE(requestsContaining(lookup), 10);
        QCOMPARE(
            screen->shownText("comparisonProgress"), qtTrId("regions_progress").arg(10).arg(10));
        QVERIFY(chip("US", "regionIcon_0") && chip("KR", "regionIcon_0")
            && chip("JP", "regionIcon_1") && chip("FR", "notSoldSection"));
        QVERIFY(!screen->shown("regionIcon_2") && !screen->shown("failedSection"));
        QVERIFY(screen->click(
            screen->visibleItem("saveRegionIconButton", screen->visibleItem("regionIcon_1"))));
        QVERIFY(screen->alertShows("regionsSaveAlert", qtTrId("success")));
        QCOMPARE(ScreenHarness::photos(), QStringList { "Kite Atlas 1024.png" });
        QCOMPARE(history().loadHistory().first().countryCode, "JP");

        QVERIFY(screen->open("editRegionsButton", "regionChoiceView"));
        screen->typeText("italy");
        screen->pressKey(Qt::Key_Return);
        screen->pressKey(Qt::Key_A, Qt::ControlModifier);
        screen->typeText("states");
        QVERIFY(screen->click("countryRow_US"));
        QVERIFY(screen->visibleItem("checkmark", screen->visibleItem("countryRow_US")) == nullptr);
        screen->pressKey(Qt::Key_Escape);
        QVERIFY(screen->waitForPopup("regionChoiceView", false));
        WAIT_UNTIL(requestsContaining(lookup) == 20 && screen->shown("compareAgainButton"));
        QCOMPARE(requestsContaining(lookup + "IT"), 1);
        QCOMPARE(requestsContaining(lookup + "US"), 1);
        QCOMPARE(settings().comparedRegions(),
            (QStringList { "CN", "JP", "GB", "KR", "DE", "FR", "CA", "AU", "TW", "IT" }));
        QCOMPARE(screen->shownText("regionFailure"),
            countryForCode("IT")->flag() + " "
                + qtTrId("region_lookup_failure")
                      .arg(qtTrId("country_name_it"), qtTrId("error_unreadable_answer")));
    }

    // Typing filters the rows, and says when none matches; a swipe deletes the row shown; the
    // empty state and clear button follow the stored list. Clearing asks first.
    void theHistoryFiltersDeletesAndClears()
    {
        QVERIFY(showHistory({ historyItem(2), historyItem(1), historyItem(0) }));
        QVERIFY(screen->click("historySearchField"));
        screen->typeText("A");
        QCOMPARE(shownNames(), (QStringList { "Harbor Maps", "Lantern Notes" }));
        screen->press(row(1), QPoint(-200, 0), 0);
        QVERIFY(ScreenHarness::waitFor(
            [&] { return screen->click(screen->visibleItem("deleteButton", row(1))); }));
        WAIT_UNTIL(shownNames() == QStringList { "Harbor Maps" });
        QCOMPARE(history().loadHistory().value(1).trackName, "Harbor Maps");
        QCOMPARE(stored(), 2);
        QVERIFY(screen->click("historySearchField"));
        screen->typeText("qqq");
        QCOMPARE(shownNames(), QStringList());
        WAIT_UNTIL(
            screen->shownText("noHistoryMatches") == qtTrId("no_history_matches").arg("Aqqq"));
        QVERIFY(!screen->shown("noDownloadHistory")
            && screen->item("clearDownloadHistoryButton")->isEnabled());
        QVERIFY(screen->click("clearHistorySearchButton"));
        WAIT_UNTIL(shownNames() == (QStringList { "墨水日记", "Harbor Maps" }));
        for (const char *button : { "cancelClearButton", "clearAllButton" }) {
            QVERIFY(screen->open("clearDownloadHistoryButton", "clearHistoryAlert"));
            QVERIFY(screen->click(button) && screen->waitForPopup("clearHistoryAlert", false));
            QCOMPARE(stored(), qstrcmp(button, "clearAllButton") ? 2 : 0);
        }
        QVERIFY(shownNames().isEmpty() && screen->shown("noDownloadHistory")
            && !screen->shown("noHistoryMatches"));
        QVERIFY(!screen->item("clearDownloadHistoryButton")->isEnabled());
    }
};

VELLUMAR_TEST_MAIN(tst_DetailScreen)
#include "tst_detailscreen.moc"
