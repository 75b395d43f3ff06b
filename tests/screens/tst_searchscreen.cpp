// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScreenHarness.h"
#include "catalogue/NetworkPolicy.h"
#include "screens/components/CountryListModel.h"
#include "store/Country.h"
#include "store/LocalizationManager.h"
#include "store/SettingsManager.h"

#include <QAbstractItemModel>
#include <QClipboard>
#include <QRegularExpression>

using namespace std::chrono_literals;

// The search tab, its region picker and the settings, in English unless a test switches.
class tst_SearchScreen : public ScreenTest
{
    Q_OBJECT

    int rowCount() const { return screen->item("resultList")->property("count").toInt(); }
    // Where a tag's unit (the capsule and its margin) sits in the tag view.
    QPointF tagPlace(int index) const
    {
        QQuickItem *tag = screen->visibleItem(QStringLiteral("tag_%1").arg(index));
        return tag ? tag->parentItem()->position() : QPointF(-1, -1);
    }
    // At run time: the screens are built again.
    bool switchLanguage(const QString &language)
    {
        QPointer<QObject> old = screen->viewModel();
        localization().setCurrentLanguageRawValue(language);
        return ScreenHarness::waitFor(
            [&] { return screen->viewModel() && screen->viewModel() != old; });
    }
    bool checked(const char *name) const
    {
        return screen->item(name)->property("checked").toBool();
    }

private slots:
    void init()
    {
        language = QStringLiteral("en");
        ScreenTest::init();
    }

    // Return submits and the overlay follows the model. A pasted store link opens its detail
    // screen; leaving it lets the same link open it again.
    void returnSubmitsAndTheOverlayFollowsTheModel()
    {
        QVERIFY(screen->item("searchField")->hasActiveFocus() && screen->shown("noSearchHistory"));
        QVERIFY(screen->submit("lantern"));
        QCOMPARE(rowCount(), 1);
        QCOMPARE(requestsContaining("GET /search?term=lantern&country=CN"), 1);
        QVERIFY(!screen->shown("historyPanel") && !screen->shown("statusMessage"));
        QGuiApplication::clipboard()->setText(
            "https://apps.apple.com/jp/app/lantern-notes/id1234567890123");
        for (int round = 1; round <= 2; ++round) {
            QVERIFY(screen->submit({}));
            WAIT_UNTIL(screen->settled("appDetailView", "searchNavigation")
                && screen->shownText("detailName") == "Lantern Notes");
            QCOMPARE(requestsContaining("GET /lookup?id=1234567890123&country=JP"), 2 * round);
            QVERIFY(screen->click("backButton"));
            WAIT_UNTIL(!screen->shown("appDetailView") && screen->shown("statusMessage"));
        }
        QVERIFY(screen->click("searchField"));
        screen->pressKey(Qt::Key_A, Qt::ControlModifier);
        screen->typeText(FixtureCatalogue::stallTerm);
        screen->pressKey(Qt::Key_Return);
        WAIT_UNTIL(requestsContaining("GET /search?term=stall&") == 1
            && screen->shown("loadingIndicator") && !screen->shown("statusMessage"));
    }

    // A tag wider than the row stays alone on its row, with no empty row above.
    // Clearing the field shows the terms at once.
    void tagsWrapWithoutLeavingAnEmptyRow()
    {
        const QString wide = QString(60, QChar(u'墨'));
        QVERIFY(screen->submit("c"));
        for (const QString &term : { QString("a"), wide, QString("b"), wide + "!" })
            searchHistory().addSearchTerm(term); // shown newest first
        QMetaObject::invokeMethod(screen->viewModel(), "loadSearchHistory");
        QVERIFY(screen->click("clearSearchButton") && screen->shown("tag_4"));
        QVERIFY(!screen->grab().isNull()); // a frame lays out what changed since the last
        const qreal row = screen->visibleItem("tag_0")->parentItem()->height();
        QCOMPARE(screen->visibleItem("tag_0")->parentItem()->width(),
            screen->visibleItem("tagView")->width());
        for (int index = 0; index < 4; ++index)
            QCOMPARE(tagPlace(index), QPointF(0, index * row));
        QVERIFY(tagPlace(4).y() == 3 * row && tagPlace(4).x() > 0);
        QVERIFY(screen->click("tag_3")); // a tag searches for its term
        WAIT_UNTIL(screen->shownText("searchField") == "a" && rowCount() == 2);
        QCOMPARE(requestsContaining("GET /search?term=a&country=CN"), 1);
    }

    // A row's button saves it (stamped with the region) and Ctrl-/Shift-click choose rows, none
    // opening; the batch sums up in one alert. In the history, selection mode chooses by plain
    // taps; the chosen items are looked up again first, and a Cancel meanwhile saves none and
    // says so.
    void rowsSaveAloneAndAsABatch()
    {
        QVERIFY(screen->submit("app") && screen->click("saveButton"));
        QVERIFY(screen->alertShows(
            "saveAlert", qtTrId("success"), qtTrId("save_success_message_icon")));
        QCOMPARE(history().loadHistory().value(0).countryCode, "CN");
        QVERIFY(screen->click("resultRow_0", Qt::LeftButton, Qt::ControlModifier));
        QVERIFY(screen->click("resultRow_2", Qt::LeftButton, Qt::ShiftModifier));
        QVERIFY(screen->shown("rowCheck") && !screen->shown("appDetailView"));
        QCOMPARE(screen->shownText("saveSelectedButton"), qtTrId("save_n_icons", 3));
        QVERIFY(screen->click("saveSelectedButton") && !screen->shown("rowCheck"));
        QVERIFY(screen->alertShows(
            "saveAlert", qtTrId("success"), qtTrId("batch_save_summary").arg("3").arg("3")));
        QCOMPARE(ScreenHarness::photos().size(), 4);
        QCOMPARE(history().loadHistory().size(), 3);

        catalogue->setLatency(2s);
        QVERIFY(screen->click("historyTab") && screen->click("selectButton"));
        WAIT_UNTIL(screen->shown("historyRow_1"));
        QVERIFY(screen->click("historyRow_0") && screen->click("historyRow_1"));
        QVERIFY(!screen->shown("appDetailView"));
        QVERIFY(screen->click("saveSelectedButton"));
        WAIT_UNTIL(screen->shownText("batchProgress") == qtTrId("batch_progress").arg(0).arg(2));
        QVERIFY(screen->click("cancelBatchButton"));
        QVERIFY(screen->alertShows("historySaveAlert", qtTrId("batch_cancelled"),
            qtTrId("batch_cancelled_summary").arg("0").arg("2")));
        catalogue->setLatency(0s);
        QCOMPARE(ScreenHarness::photos().size(), 4);
        QCOMPARE(history().loadHistory().size(), 3);
    }

    // No developer text reaches the status line, in either language.
    void aFailureReadsAsASentenceOfTheLanguage()
    {
        const std::pair<QString, const char *> failures[]
            = { { FixtureCatalogue::malformedTerm, "error_unreadable_answer" },
                  { QString(), "error_server_refused" }, // nothing listens
                  { FixtureCatalogue::stallTerm, "error_timed_out" } };
        const QByteArray live = qgetenv("VELLUMAR_CATALOGUE_URL");
        NetworkPolicy::setTransferTimeout(1s);
        for (const char *language : { "zh-Hans", "en" }) {
            QVERIFY(switchLanguage(language));
            // Chinese shows no Latin letter but the store's name.
            const QRegularExpression developer(*language == 'e'
                    ? "JSON|offset|illegal|Connection refused|Operation|timed out|Error|status"
                    : "[A-Za-z]");
            for (const auto &[term, sentence] : failures) {
                if (term.isEmpty())
                    refuseConnections();
                QVERIFY(screen->submit(term.isEmpty() ? QStringLiteral("lantern") : term));
                qputenv("VELLUMAR_CATALOGUE_URL", live);
                const QString shown = screen->shownText("statusMessage");
                QCOMPARE(shown, qtTrId("search_error_message").arg(qtTrId(sentence)));
                QVERIFY2(
                    !QString(shown).remove("App Store").contains(developer), qPrintable(shown));
            }
        }
        NetworkPolicy::setTransferTimeout(60s);
    }

    // Shown regions match the filter on code or in-app name, ignoring case, or by their other name;
    // no match says so. A tap, Return or the arrows from the region in effect choose; Escape and
    // Done keep it. The region button and next search follow; the picker reopens unfiltered.
    void theRegionPickerFiltersAndCloses()
    {
        const std::tuple<const char *, QString, QStringList, const char *, QString> rows[]
            = { { "en", "cn", { "CN" }, "countryListViewDoneButton", "CN" },
                  { "en", "us", { "US", "AU", "BY" }, "Esc", "CN" },
                  { "zh-Hans", "美国", { "US" }, "Esc", "CN" },
                  { "en", "jap", { "JP" }, "countryRow_JP", "JP" },
                  { "en", "japan", { "JP" }, "Return", "JP" },
                  { "zh-Hans", "Japan", { "JP" }, "Return", "JP" },
                  { "en", "日本", { "JP" }, "Esc", "CN" }, { "en", "xyz", {}, "Esc", "CN" },
                  { "en", "", { "CN" }, "Down, Return", "CX" } }; // CX follows CN
        const auto regions = [&] {
            return screen->item("countryList")->property("model").value<QAbstractItemModel *>();
        };
        for (const auto &[language, text, kept, close, region] : rows) {
            init();
            QVERIFY(*language == 'e' || switchLanguage(language));
            QVERIFY(screen->open("regionButton", "countryListView"));
            screen->typeText(text);
            QStringList codes;
            for (int row = 0; row < regions()->rowCount(); ++row) {
                const QModelIndex index = regions()->index(row, 0);
                codes.append(index.data(CountryListModel::CodeRole).toString());
                const QString both
                    = codes.last() + '\n' + index.data(CountryListModel::NameRole).toString();
                QVERIFY2(both.contains(text, Qt::CaseInsensitive) || kept.contains(codes.last()),
                    qPrintable(both));
            }
            for (const QString &code : kept)
                QVERIFY2(codes.contains(code), qPrintable(code));
            WAIT_UNTIL(screen->shownText("noRegionMatches")
                == (kept.isEmpty() ? qtTrId("no_region_matches").arg(text) : "<hidden>"));
            if (QChar(*close).isLower())
                QVERIFY(
                    ScreenHarness::waitFor([&, close = close] { return screen->click(close); }));
            else
                QTest::keySequence(screen->window(), QKeySequence(close));
            QVERIFY(screen->waitForPopup("countryListView", false));
            QCOMPARE(screen->shownText("regionCode"), region);
            QCOMPARE(screen->shownText("regionFlag"), countryForCode(region)->flag());
            QVERIFY(screen->submit("harbor"));
            QCOMPARE(requestsContaining("GET /search?term=harbor&country=" + region.toLatin1()), 1);
            QVERIFY(screen->open("regionButton", "countryListView"));
            QCOMPARE(screen->shownText("countryFilterField"), QString());
            QCOMPARE(regions()->rowCount(), 235);
        }
    }

    // The switches write the options; JPEG dims and locks the rest; a failure reported shows
    // as an alert. A new language changes
    // every text but names, the term goes, and the history tab gives way to search.
    void theSettingsWriteTheOptionsAndRebuildTheScreens()
    {
        SettingsManager *settings = &this->settings();
        screen->typeText("harbor");
        const QStringList before = screen->visibleTexts();
        QVERIFY(screen->open("settingsButton", "settingsView") && screen->click("roundedSwitch"));
        using Shape = IconSaveOptions::Shape;
        const auto shape = [settings] {
            return settings->saveOptions().shape;
        };
        QVERIFY(shape() == Shape::rounded && screen->click("slightlyRoundedSwitch"));
        QVERIFY(shape() == Shape::slightlyRounded && !checked("roundedSwitch"));
        QVERIFY(screen->click("jpegSwitch") && shape() == Shape::original);
        QVERIFY(!checked("slightlyRoundedSwitch"));
        QQuickItem *group = screen->item("roundingGroup");
        QVERIFY(!group->isEnabled() && group->opacity() == 0.5);
        QVERIFY(screen->click("roundedSwitch") && screen->click("resolutionPicker_0"));
        QVERIFY(shape() == Shape::original && !checked("resolutionPicker_0"));
        QVERIFY(screen->click("jpegSwitch") && group->isEnabled() && group->opacity() == 1.0);
        QVERIFY(screen->click("resolutionPicker_0") && checked("resolutionPicker_0"));
        QCOMPARE(
            settings->saveOptions(), (IconSaveOptions { Shape::square, IconResolution::size256 }));
        // A failure reported anywhere shows over everything, in words.
        const Error full { {}, 0, {}, Error::Kind::diskFull };
        screen->context().report(full);
        QVERIFY(screen->alertShows("failureAlert", qtTrId("error"), full.localizedDescription()));

        QPointer<QObject> oldModel = screen->viewModel();
        QVERIFY(screen->click("languagePicker_0") && screen->waitForPopup("settingsView", false));
        WAIT_UNTIL(screen->viewModel() && screen->viewModel() != oldModel);
        QCOMPARE(screen->viewModel()->property("searchTerm").toString(), QString());
        screen->typeText("harbor");
        const QStringList after = screen->visibleTexts();
        QVERIFY(after.contains(qtTrId("search")));
        for (const QString &text : after)
            QVERIFY2(!before.contains(text)
                    || QStringList({ "Vellumar", "CN", "🇨🇳", "iPhone", "harbor" }).contains(text),
                qPrintable(text));
        QVERIFY(screen->click("historyTab"));
        QCOMPARE(screen->visibleItem("mainView")->property("selectedTab").toInt(), 1);
        QVERIFY(switchLanguage("en"));
        QCOMPARE(screen->visibleItem("mainView")->property("selectedTab").toInt(), 0);
    }
};

VELLUMAR_TEST_MAIN(tst_SearchScreen)
#include "tst_searchscreen.moc"
