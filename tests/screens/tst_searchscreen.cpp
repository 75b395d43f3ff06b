#include "FixtureCatalogue.h"
#include "ScreenHarness.h"
#include "TestEnvironment.h"
#include "store/SearchHistoryManager.h"

#include <QAccessible>
#include <QClipboard>
#include <QJSValue>
#include <QQmlComponent>
#include <QRawFont>

class tst_SearchScreen : public QObject
{
    Q_OBJECT

    FixtureCatalogue *catalogue = nullptr;
    std::unique_ptr<ScreenHarness> screen;

    int rowCount() const { return screen->item("resultList")->property("count").toInt(); }
    bool requested(const QByteArray &start) const
    {
        const QList<QByteArray> lines = catalogue->requestLines();
        return std::any_of(lines.cbegin(), lines.cend(),
            [&](const QByteArray &line) { return line.startsWith(start); });
    }
    bool detailShown() const
    {
        return ScreenHarness::waitFor(
            [&] { return screen->settled("appDetailView", "searchNavigation"); });
    }

private slots:
    void initTestCase() { catalogue = new FixtureCatalogue(this); }

    void init()
    {
        SearchHistoryManager::shared()->clearAllHistory();
        catalogue->clearRequests();
        screen = std::make_unique<ScreenHarness>();
        QVERIFY(screen->window());
    }

    void cleanup() { screen.reset(); }

    void returnSubmitsTheFieldAndListsTheHits()
    {
        QVERIFY(screen->item("searchField")->hasActiveFocus());
        QVERIFY(screen->submit("lantern"));
        QCOMPARE(rowCount(), 1);
        QVERIFY(requested("GET /search?term=lantern&country=CN"));
        QVERIFY(!screen->shown("historyPanel") && !screen->shown("statusMessage"));

        QVERIFY(screen->submit(FixtureCatalogue::emptyTerm));
        QCOMPARE(rowCount(), 0);
        QVERIFY(screen->shownText("statusMessage").contains(FixtureCatalogue::emptyTerm));
    }

    // Clearing the field shows the terms at once; a tag searches for its term.
    void theHistoryPanelOffersTheTermsAsTags()
    {
        QVERIFY(screen->submit("墨水") && screen->submit("harbor"));
        QVERIFY(screen->click("clearSearchButton"));
        QCOMPARE(screen->shownText("searchField"), QString());
        QVERIFY(screen->shown("historyPanel"));
        QCOMPARE(screen->shownText("tag_0"), QStringLiteral("harbor"));
        QVERIFY(ScreenHarness::waitFor([&] { return rowCount() == 0; }));

        catalogue->clearRequests();
        QVERIFY(screen->click("tag_1"));
        QCOMPARE(screen->shownText("searchField"), QStringLiteral("墨水"));
        QVERIFY(ScreenHarness::waitFor(
            [&] { return requested("GET /search?term=%E5%A2%A8%E6%B0%B4&"); }));
        QVERIFY(ScreenHarness::waitFor([&] { return rowCount() == 1; }));

        QVERIFY(screen->click("clearSearchButton") && screen->click("clearHistoryButton"));
        QVERIFY(screen->shown("noSearchHistory"));
        QVERIFY(!screen->shown("tag_0"));
    }

    void aSaveButtonSavesWithoutOpeningTheRow()
    {
        const qsizetype before = ScreenHarness::photoFolder().entryList(QDir::Files).size();
        QVERIFY(screen->submit("lantern"));
        QVERIFY(screen->click("saveButton"));
        QVERIFY(screen->waitForPopup("saveAlert", true));
        QVERIFY(!screen->shown("appDetailView"));
        QCOMPARE(screen->shownText("saveAlertTitle"), qtTrId("success"));
        QCOMPARE(ScreenHarness::photoFolder().entryList(QDir::Files).size(), before + 1);

        screen->pressKey(Qt::Key_Return);
        QVERIFY(screen->waitForPopup("saveAlert", false));
        QVERIFY(!screen->viewModel()->property("showingSaveAlert").toBool());
        QVERIFY(screen->click("resultRow_0") && detailShown());
    }

    void aPastedStoreLinkOpensItsDetailScreen()
    {
        QGuiApplication::clipboard()->setText(
            "https://apps.apple.com/jp/app/lantern-notes/id1234567890123");
        for (int round = 0; round < 2; ++round) {
            catalogue->clearRequests();
            QVERIFY(screen->click("searchField"));
            screen->pressKey(Qt::Key_A, Qt::ControlModifier);
            screen->pressKey(Qt::Key_V, Qt::ControlModifier);
            screen->pressKey(Qt::Key_Return);
            QVERIFY(detailShown());
            QVERIFY(requested("GET /lookup?id=1234567890123&country=JP"));
            QVERIFY(ScreenHarness::waitFor([&] {
                return screen->shownText("detailName") == QStringLiteral("Lantern Notes");
            }));
            QVERIFY(screen->click("backButton"));
            QVERIFY(ScreenHarness::waitFor([&] { return !screen->shown("appDetailView"); }));
            QVERIFY(!screen->viewModel()->property("foundAppItemFromURL").isValid());
        }
        QVERIFY(SearchHistoryManager::shared()->loadSearchHistory().isEmpty());
    }

    void tabReachesEveryControlAndEachHasAName()
    {
        SearchHistoryManager::shared()->addSearchTerm("harbor");
        QMetaObject::invokeMethod(screen->viewModel(), "loadSearchHistory");
        const auto tabThrough = [&](QStringList names) {
            for (int press = 0; press < 12; ++press) {
                screen->pressKey(Qt::Key_Tab);
                if (QQuickItem *focused = screen->window()->activeFocusItem())
                    names.removeAll(focused->objectName());
            }
            return names; // those never reached
        };
        screen->typeText("x");
        QCOMPARE(tabThrough({ "settingsButton", "regionButton", "searchField", "clearSearchButton",
                     "searchTab", "historyTab" }),
            QStringList());
        QVERIFY(screen->click("clearSearchButton"));
        QCOMPARE(tabThrough({ "clearHistoryButton", "tag_0" }), QStringList());
        for (const char *name :
            { "settingsButton", "regionButton", "clearHistoryButton", "searchTab" }) {
            QAccessibleInterface *button
                = QAccessible::queryAccessibleInterface(screen->item(name));
            QVERIFY2(button && !button->text(QAccessible::Name).isEmpty(), name);
        }
    }

    void theRegionPickerSetsTheNextRequestsRegion()
    {
        QCOMPARE(screen->shownText("regionCode"), QStringLiteral("CN"));
        QVERIFY(screen->click("regionButton"));
        QVERIFY(screen->waitForPopup("countryListView", true));
        screen->typeText("jp");
        QVERIFY(ScreenHarness::waitFor([&] { return screen->click("countryRow_JP"); }));
        QVERIFY(screen->waitForPopup("countryListView", false));
        QCOMPARE(screen->shownText("regionCode"), QStringLiteral("JP"));
        QCOMPARE(screen->shownText("regionFlag"), QStringLiteral("🇯🇵"));
        QVERIFY(screen->submit("harbor"));
        QVERIFY(requested("GET /search?term=harbor&country=JP&"));
    }

    // A symbol added to the theme without cutting the font again would draw
    // as an empty box.
    void everySymbolIsInTheEmbeddedFont()
    {
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData("import QtQml\nimport Vellumar\nQtObject {"
                          " readonly property var glyphs: Theme.glyphs;"
                          " readonly property string family: Theme.symbolFamily }",
            QUrl("file:///SymbolCheck.qml"));
        std::unique_ptr<QObject> theme(component.create());
        QVERIFY2(theme, qPrintable(component.errorString()));
        const QRawFont font(QStringLiteral(":/fonts/VellumarSymbols.ttf"), 22);
        QCOMPARE(font.familyName(), theme->property("family").toString());
        const QVariantMap glyphs = theme->property("glyphs").value<QJSValue>().toVariant().toMap();
        QVERIFY(glyphs.size() >= 10);
        for (auto glyph = glyphs.cbegin(); glyph != glyphs.cend(); ++glyph) {
            const QString text = glyph.value().toString();
            QVERIFY2(
                text.size() == 1 && font.supportsCharacter(text.at(0)), qPrintable(glyph.key()));
        }
    }
};

VELLUMAR_TEST_MAIN(tst_SearchScreen)
#include "tst_searchscreen.moc"
