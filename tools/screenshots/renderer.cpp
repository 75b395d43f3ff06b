// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders every screen and sheet of the search tab in both languages to PNG
// files, against the fixture catalogue, in a throw-away home folder.
//   vellumar_screenshots <output folder> [<width>x<height>] [dark]
// A size or the dark look prefixes the file names with them.

#include "FixtureCatalogue.h"
#include "ScreenHarness.h"
#include "TestEnvironment.h"
#include "catalogue/AppItem.h"
#include "catalogue/CataloguePacer.h"
#include "screens/desktop/Desktop.h"
#include "store/HistoryManager.h"
#include "store/LocalizationManager.h"
#include "store/SearchHistoryManager.h"
#include "store/SettingsManager.h"

#include <QDir>
#include <QGuiApplication>
#include <QTest>

#include <cstdio>
#include <string_view>

namespace {

// "1280x800-dark-", or nothing for the phone size in light.
QString prefix;

const QStringList historyTerms = { QStringLiteral("calculator"), QStringLiteral("墨水日记"),
    QStringLiteral("notes"), QStringLiteral("weather"), QStringLiteral("lantern"),
    QStringLiteral("photo editor"), QStringLiteral("地图") };

bool save(const ScreenHarness &screen, const QString &folder, const QString &language,
    const QString &state)
{
    // No pointer rests on the picture: the last click would leave a hover behind.
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(screen.window(), &leave);
    // Let asynchronous images and animations settle.
    QTest::qWait(600);
    const QString path = QDir(folder).filePath(
        prefix + language + QStringLiteral("-") + state + QStringLiteral(".png"));
    if (!screen.grab().save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

bool wide(const ScreenHarness &screen)
{
    return screen.window()->width() >= 720;
}

// A single save's outcome: a notice on a wide window, else its alert.
bool renderOutcome(ScreenHarness &screen, const QString &folder, const QString &language,
    const QString &alert, const QString &state)
{
    if (!wide(screen)) {
        bool ok = screen.waitForPopup(alert, true);
        ok &= save(screen, folder, language, state + QStringLiteral("-alert"));
        screen.pressKey(Qt::Key_Escape);
        return ok && screen.waitForPopup(alert, false);
    }
    bool ok = ScreenHarness::waitFor([&] { return screen.shown(QStringLiteral("notice")); });
    ok &= save(screen, folder, language, state + QStringLiteral("-notice"));
    ok &= screen.click(QStringLiteral("noticeClose"));
    return ok && ScreenHarness::waitFor([&] { return !screen.shown(QStringLiteral("notice")); });
}

bool search(ScreenHarness &screen, const QString &term)
{
    QObject *model = screen.viewModel();
    model->setProperty("searchTerm", term);
    QMetaObject::invokeMethod(model, "performSearch");
    return ScreenHarness::waitFor([&] { return !model->property("isLoading").toBool(); });
}

// Rows chosen, their batch under way with the first download held back, and its summary.
bool renderBatch(ScreenHarness &screen, FixtureCatalogue &catalogue, const QString &folder,
    const QString &language)
{
    bool ok = screen.click(QStringLiteral("resultRow_0"), Qt::LeftButton, Qt::ControlModifier);
    ok &= screen.click(QStringLiteral("resultRow_2"), Qt::LeftButton, Qt::ControlModifier);
    ok &= save(screen, folder, language, QStringLiteral("results-selected"));
    const QString firstArtwork
        = QStringLiteral("/art/%1/1024x1024bb.png").arg(FixtureCatalogue::apps().at(2).trackId);
    catalogue.setDelay(firstArtwork, std::chrono::milliseconds(2500));
    ok &= screen.click(QStringLiteral("saveSelectedButton"));
    ok &= ScreenHarness::waitFor(
        [&] { return screen.visibleItem(QStringLiteral("batchProgress")) != nullptr; });
    ok &= save(screen, folder, language, QStringLiteral("batch-progress"));
    catalogue.setDelay(firstArtwork, std::chrono::milliseconds(0));
    ok &= screen.waitForPopup(QStringLiteral("saveAlert"), true);
    ok &= save(screen, folder, language, QStringLiteral("batch-summary"));
    screen.pressKey(Qt::Key_Escape);
    ok &= screen.waitForPopup(QStringLiteral("saveAlert"), false);
    return ok;
}

bool renderLanguage(ScreenHarness &screen, FixtureCatalogue &catalogue, const QString &folder,
    const QString &language)
{
    screen.context().localization().setCurrentLanguageRawValue(language);
    if (!ScreenHarness::waitFor([&] { return screen.viewModel() != nullptr; }))
        return false;
    QObject *model = screen.viewModel();
    QMetaObject::invokeMethod(model, "loadSearchHistory");
    bool ok = save(screen, folder, language, QStringLiteral("search-history"));

    model->setProperty("searchTerm", QString());
    QMetaObject::invokeMethod(model, "clearSearchHistory");
    ok &= save(screen, folder, language, QStringLiteral("search-no-history"));

    // A term no app matches lists the fixture's whole little store.
    ok &= search(screen, QStringLiteral("app"));
    ok &= save(screen, folder, language, QStringLiteral("results"));

    ok &= screen.click(screen.visibleItem(QStringLiteral("resultRow_0")), Qt::RightButton);
    ok &= save(screen, folder, language, QStringLiteral("row-menu"));
    screen.pressKey(Qt::Key_Escape);
    QTest::qWait(300);

    ok &= screen.click(QStringLiteral("saveButton"));
    ok &= renderOutcome(
        screen, folder, language, QStringLiteral("saveAlert"), QStringLiteral("save"));
    ok &= renderBatch(screen, catalogue, folder, language);

    screen.context().settings().setPlatform(Platform::Mac);
    ok &= search(screen, QStringLiteral("lantern"));
    ok &= save(screen, folder, language, QStringLiteral("results-mac"));
    screen.context().settings().setPlatform(Platform::IPhone);

    ok &= search(screen, FixtureCatalogue::emptyTerm);
    ok &= save(screen, folder, language, QStringLiteral("no-results"));

    model->setProperty("searchTerm", FixtureCatalogue::stallTerm);
    QMetaObject::invokeMethod(model, "performSearch");
    ok &= save(screen, folder, language, QStringLiteral("loading"));

    ok &= screen.click(QStringLiteral("regionButton"));
    ok &= screen.waitForPopup(QStringLiteral("countryListView"), true);
    ok &= save(screen, folder, language, QStringLiteral("region-picker"));
    screen.typeText(QStringLiteral("xyz"));
    ok &= save(screen, folder, language, QStringLiteral("region-no-match"));
    screen.pressKey(Qt::Key_Escape);
    ok &= screen.waitForPopup(QStringLiteral("countryListView"), false);

    // A wide window has the settings in its main menu, with the shortcuts
    // and the about dialog.
    if (wide(screen)) {
        ok &= screen.open(QStringLiteral("primaryMenuButton"), QStringLiteral("primaryMenu"));
        ok &= save(screen, folder, language, QStringLiteral("primary-menu"));
        ok &= screen.click(QStringLiteral("menuPreferences"));
    } else {
        ok &= screen.click(QStringLiteral("settingsButton"));
    }
    ok &= screen.waitForPopup(QStringLiteral("settingsView"), true);
    ok &= save(screen, folder, language, QStringLiteral("settings"));
    screen.pressKey(Qt::Key_Escape);
    ok &= screen.waitForPopup(QStringLiteral("settingsView"), false);
    if (wide(screen)) {
        screen.pressKey(Qt::Key_Question, Qt::ControlModifier | Qt::ShiftModifier);
        ok &= screen.waitForPopup(QStringLiteral("shortcutsView"), true);
        ok &= save(screen, folder, language, QStringLiteral("shortcuts"));
        screen.pressKey(Qt::Key_Escape);
        ok &= screen.waitForPopup(QStringLiteral("shortcutsView"), false);
        ok &= screen.open(QStringLiteral("primaryMenuButton"), QStringLiteral("primaryMenu"));
        ok &= screen.click(QStringLiteral("menuAbout"));
        ok &= screen.waitForPopup(QStringLiteral("aboutDialog"), true);
        ok &= save(screen, folder, language, QStringLiteral("about"));
        screen.pressKey(Qt::Key_Escape);
        ok &= screen.waitForPopup(QStringLiteral("aboutDialog"), false);
    }
    return ok;
}

// The detail screen, the screenshot viewer and the history tab.

bool pageSettled(const ScreenHarness &screen, const char *page, const char *navigation)
{
    return screen.visibleItem(QLatin1String(page))
        && !screen.item(QLatin1String(navigation))->property("busy").toBool();
}

AppItem historyItem(const FixtureCatalogue &catalogue, const FixtureCatalogue::App &app)
{
    return AppItem { app.trackId, app.trackName,
        catalogue.artworkUrl(app.trackId, QStringLiteral("100x100")),
        catalogue.artworkUrl(app.trackId, QStringLiteral("512x512")), std::nullopt };
}

bool renderDetail(ScreenHarness &screen, FixtureCatalogue &catalogue, const QString &folder,
    const QString &language)
{
    const QString lanternId = QString::number(FixtureCatalogue::apps().at(0).trackId);
    bool ok = search(screen, QStringLiteral("lantern"));
    catalogue.setDelay(lanternId, std::chrono::milliseconds(2500));
    ok &= screen.click(QStringLiteral("resultRow_0"));
    ok &= ScreenHarness::waitFor(
        [&] { return pageSettled(screen, "appDetailView", "searchNavigation"); });
    ok &= save(screen, folder, language, QStringLiteral("detail-loading"));
    catalogue.setDelay(lanternId, std::chrono::milliseconds(0));
    ok &= ScreenHarness::waitFor(
        [&] { return screen.visibleItem(QStringLiteral("detailStack")) != nullptr; });
    ok &= save(screen, folder, language, QStringLiteral("detail-loaded"));

    ok &= screen.click(QStringLiteral("minimumOsRow"));
    ok &= save(screen, folder, language, QStringLiteral("detail-copied"));

    ok &= screen.scrollDetailToEnd()
        && save(screen, folder, language, QStringLiteral("detail-loaded-bottom"));

    ok &= screen.click(QStringLiteral("screenshot_0"));
    ok &= ScreenHarness::waitFor(
        [&] { return screen.visibleItem(QStringLiteral("screenshotImage")) != nullptr; });
    ok &= save(screen, folder, language, QStringLiteral("screenshot"));

    // The next one, with a way back; in a wide window, zoomed in twice.
    screen.pressKey(Qt::Key_Right);
    ok &= ScreenHarness::waitFor(
        [&] { return screen.visibleItem(QStringLiteral("screenshotPicture")) != nullptr; });
    ok &= save(screen, folder, language, QStringLiteral("screenshot-next"));
    if (wide(screen)) {
        screen.pressKey(Qt::Key_Plus);
        screen.pressKey(Qt::Key_Plus);
        ok &= save(screen, folder, language, QStringLiteral("screenshot-zoomed"));
        screen.pressKey(Qt::Key_0);
    }

    // A long press on the picture saves it.
    QQuickItem *picture = screen.visibleItem(QStringLiteral("screenshotPicture"));
    ok &= picture != nullptr;
    if (picture) {
        const QPoint centre
            = picture->mapToScene(QPointF(picture->width() / 2, picture->height() / 2)).toPoint();
        QTest::mousePress(screen.window(), Qt::LeftButton, Qt::NoModifier, centre);
        QTest::qWait(800);
        QTest::mouseRelease(screen.window(), Qt::LeftButton, Qt::NoModifier, centre);
        ok &= renderOutcome(screen, folder, language, QStringLiteral("screenshotSaveAlert"),
            QStringLiteral("screenshot-saved"));
    }
    // A wide window keeps the details beside the list: only the viewer goes.
    for (const char *page : { "screenshotDetailView", "appDetailView" }) {
        if (wide(screen) && page == std::string_view("appDetailView"))
            break;
        ok &= screen.click(screen.visibleItem(
            QStringLiteral("backButton"), screen.visibleItem(QLatin1String(page))));
        ok &= ScreenHarness::waitFor([&] { return !screen.visibleItem(QLatin1String(page)); });
    }

    // An identifier whose lookup fails.
    AppItem failing = historyItem(catalogue, FixtureCatalogue::apps().at(2));
    failing.trackId = FixtureCatalogue::errorPageId;
    QVariant page;
    QMetaObject::invokeMethod(screen.contentView(), "showDetail", Q_RETURN_ARG(QVariant, page),
        Q_ARG(QVariant, QVariant::fromValue(failing)), Q_ARG(QVariant, QStringLiteral("CN")));
    ok &= ScreenHarness::waitFor(
        [&] { return screen.visibleItem(QStringLiteral("detailLoadFailed")) != nullptr; });
    ok &= save(screen, folder, language, QStringLiteral("detail-failed"));
    if (!wide(screen)) {
        ok &= screen.click(QStringLiteral("backButton"));
        ok &= ScreenHarness::waitFor(
            [&] { return !screen.visibleItem(QStringLiteral("appDetailView")); });
    }
    return ok;
}

// One app's icons across regions: under way, compared, and the regions to compare.
bool renderRegions(ScreenHarness &screen, FixtureCatalogue &catalogue, const QString &folder,
    const QString &language)
{
    const QString atlas = QString::number(FixtureCatalogue::regionalId);
    bool ok = search(screen, atlas);
    ok &= screen.click(QStringLiteral("resultRow_0"));
    ok &= ScreenHarness::waitFor([&] {
        return pageSettled(screen, "appDetailView", "searchNavigation")
            && screen.visibleItem(QStringLiteral("detailStack")) != nullptr;
    });
    catalogue.setDelay(atlas, std::chrono::milliseconds(400));
    ok &= screen.click(QStringLiteral("compareRegionsButton"));
    const auto comparison = [&]() -> QObject * {
        QQuickItem *page = screen.visibleItem(QStringLiteral("regionComparisonView"));
        return page ? page->property("comparison").value<QObject *>() : nullptr;
    };
    ok &= ScreenHarness::waitFor(
        [&] { return comparison() && comparison()->property("completed").toInt() >= 3; });
    ok &= save(screen, folder, language, QStringLiteral("regions-progress"));
    catalogue.setDelay(atlas, std::chrono::milliseconds(0));
    ok &= ScreenHarness::waitFor(
        [&] { return comparison() && !comparison()->property("running").toBool(); });
    ok &= save(screen, folder, language, QStringLiteral("regions"));
    ok &= screen.open(QStringLiteral("editRegionsButton"), QStringLiteral("regionChoiceView"));
    ok &= save(screen, folder, language, QStringLiteral("regions-choice"));
    // Italy added, whose lookup fails; then taken out again, for the next language.
    for (const char *shot : { "regions-failed", "" }) {
        screen.typeText(QStringLiteral("italy"));
        screen.pressKey(Qt::Key_Return);
        screen.pressKey(Qt::Key_Escape);
        ok &= screen.waitForPopup(QStringLiteral("regionChoiceView"), false);
        ok &= ScreenHarness::waitFor(
            [&] { return comparison() && !comparison()->property("running").toBool(); });
        if (*shot == '\0')
            break;
        ok &= save(screen, folder, language, QLatin1String(shot));
        ok &= screen.open(QStringLiteral("editRegionsButton"), QStringLiteral("regionChoiceView"));
    }
    // Back to the search results.
    for (const char *page : { "regionComparisonView", "appDetailView" }) {
        if (wide(screen) && page == std::string_view("appDetailView"))
            break;
        ok &= screen.click(screen.visibleItem(
            QStringLiteral("backButton"), screen.visibleItem(QLatin1String(page))));
        ok &= ScreenHarness::waitFor([&] { return !screen.visibleItem(QLatin1String(page)); });
    }
    return ok;
}

bool renderHistory(ScreenHarness &screen, FixtureCatalogue &catalogue, const QString &folder,
    const QString &language)
{
    screen.context().history().clearAllHistory();
    bool ok = screen.click(QStringLiteral("historyTab"));
    ok &= ScreenHarness::waitFor(
        [&] { return screen.visibleItem(QStringLiteral("historyPage")) != nullptr; });
    ok &= save(screen, folder, language, QStringLiteral("history-empty"));

    // Oldest first, so that the list reads in the fixture's order.
    for (auto app = FixtureCatalogue::apps().crbegin(); app != FixtureCatalogue::apps().crend();
         ++app)
        screen.context().history().addHistory(historyItem(catalogue, *app));
    // The tab reads the history again when it appears.
    ok &= screen.click(QStringLiteral("searchTab"));
    ok &= screen.click(QStringLiteral("historyTab"));
    ok &= ScreenHarness::waitFor(
        [&] { return screen.visibleItem(QStringLiteral("historyRow_2")) != nullptr; });
    ok &= save(screen, folder, language, QStringLiteral("history"));

    ok &= screen.click(QStringLiteral("historySearchField"));
    screen.typeText(QStringLiteral("NOTES"));
    ok &= save(screen, folder, language, QStringLiteral("history-filtered"));
    screen.typeText(QStringLiteral(" app"));
    ok &= save(screen, folder, language, QStringLiteral("history-no-match"));
    ok &= screen.click(QStringLiteral("clearHistorySearchButton"));

    ok &= screen.click(QStringLiteral("clearDownloadHistoryButton"));
    ok &= screen.waitForPopup(QStringLiteral("clearHistoryAlert"), true);
    ok &= save(screen, folder, language, QStringLiteral("history-clear-confirmation"));
    ok &= screen.click(QStringLiteral("cancelClearButton"));
    ok &= screen.waitForPopup(QStringLiteral("clearHistoryAlert"), false);

    // Two new icons and an app gone from the store.
    screen.context().history().addHistory({ 55, QStringLiteral("Gone App"), {},
        catalogue.artworkUrl(55, QStringLiteral("512x512")), std::nullopt });
    for (const int app : { 1, 2 })
        catalogue.changeArtwork(FixtureCatalogue::apps().at(app).trackId);
    ok &= screen.click(QStringLiteral("checkNewIconsButton"));
    ok &= screen.waitForPopup(QStringLiteral("newIconsView"), true);
    ok &= ScreenHarness::waitFor(
        [&] { return screen.visibleItem(QStringLiteral("newIconRow_1")) != nullptr; });
    ok &= save(screen, folder, language, QStringLiteral("new-icons"));
    screen.pressKey(Qt::Key_Escape);
    ok &= screen.waitForPopup(QStringLiteral("newIconsView"), false);
    catalogue.undoChanges();

    ok &= screen.click(QStringLiteral("searchTab"));
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    TestEnvironment::isolate();
    // Both languages ask the fixture more than the pacer's burst: its waits would only
    // slow the rendering down, and leave a comparison half done in the pictures.
    CataloguePacer::setWaitUnit(std::chrono::milliseconds(1));
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Vellumar"));
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: %s <output folder> [<width>x<height>] [dark]\n", argv[0]);
        return 2;
    }
    QSize size(390, 844);
    bool dark = false;
    for (int i = 2; i < argc; ++i) {
        const QString option = QString::fromLocal8Bit(argv[i]);
        if (option == QStringLiteral("dark")) {
            dark = true;
        } else {
            size = QSize(option.section(u'x', 0, 0).toInt(), option.section(u'x', 1, 1).toInt());
            if (size.isEmpty()) {
                std::fprintf(stderr, "not a size: %s\n", argv[i]);
                return 2;
            }
        }
        prefix += option + u'-';
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    FixtureCatalogue catalogue;
    ScreenHarness screen;
    if (!screen.window()) {
        std::fprintf(stderr, "the window did not load\n");
        return 1;
    }
    screen.window()->resize(size);
    screen.desktop().setDarkMode(dark);
    bool ok = true;
    for (const QString &language : LocalizationManager::languages()) {
        // Each language starts from the same history.
        screen.context().searchHistory().clearAllHistory();
        for (const QString &term : historyTerms)
            screen.context().searchHistory().addSearchTerm(term);
        ok &= renderLanguage(screen, catalogue, folder, language);
        ok &= renderDetail(screen, catalogue, folder, language);
        ok &= renderRegions(screen, catalogue, folder, language);
        ok &= renderHistory(screen, catalogue, folder, language);
    }
    return ok ? 0 : 1;
}
