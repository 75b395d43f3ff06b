#include "FixtureCatalogue.h"
#include "ScreenHarness.h"
#include "TestEnvironment.h"
#include "store/SearchHistoryManager.h"

#include <QAccessible>
#include <QClipboard>
#include <QDir>
#include <QStandardPaths>

// The search tab as a person uses it: keys and clicks on the real window,
// answers from the fixture catalogue.
class tst_SearchScreen : public QObject
{
    Q_OBJECT

    FixtureCatalogue *catalogue = nullptr;
    std::unique_ptr<ScreenHarness> screen;

    QObject *model() const { return screen->viewModel(); }
    int rowCount() const { return screen->item("resultList")->property("count").toInt(); }
    bool shown(const char *name) const { return screen->visibleItem(QLatin1String(name)); }
    QString fieldText() const { return screen->item("searchField")->property("text").toString(); }

    // The latest catalogue request; icon downloads are logged too.
    QByteArray lastCatalogueRequest() const
    {
        const QList<QByteArray> lines = catalogue->requestLines();
        for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
            if (line->startsWith("GET /search?") || line->startsWith("GET /lookup?"))
                return *line;
        }
        return {};
    }

    // The detail page is on top and its push has finished (input waits for it).
    bool detailShown() const
    {
        return shown("appDetailView")
            && !screen->item("searchNavigation")->property("busy").toBool();
    }

    void submit(const QString &term)
    {
        QVERIFY(screen->click("searchField"));
        screen->pressKey(Qt::Key_A, Qt::ControlModifier);
        screen->typeText(term);
        screen->pressKey(Qt::Key_Return);
        QVERIFY(ScreenHarness::waitFor([&] { return !model()->property("isLoading").toBool(); }));
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
        submit(QStringLiteral("lantern"));
        QCOMPARE(rowCount(), 1);
        QVERIFY(lastCatalogueRequest().startsWith("GET /search?term=lantern&country=CN"));
        QVERIFY(!shown("historyPanel"));
        QVERIFY(!shown("statusMessage"));

        submit(FixtureCatalogue::emptyTerm);
        QCOMPARE(rowCount(), 0);
        QVERIFY(shown("statusMessage"));
        QVERIFY(screen->item("statusMessage")
                    ->property("text")
                    .toString()
                    .contains(FixtureCatalogue::emptyTerm));
    }

    void clearingTheFieldShowsTheHistoryAtOnce()
    {
        submit(QStringLiteral("harbor"));
        QVERIFY(screen->click("clearSearchButton"));
        QCOMPARE(fieldText(), QString());
        // The panel covers the old hits at once; the model drops them shortly after.
        QVERIFY(shown("historyPanel"));
        QCOMPARE(screen->item("tag_0")->property("text").toString(), QStringLiteral("harbor"));
        QVERIFY(ScreenHarness::waitFor([&] { return rowCount() == 0; }));

        QVERIFY(screen->click("clearHistoryButton"));
        QVERIFY(shown("noSearchHistory"));
        QVERIFY(!screen->visibleItem("tag_0"));
    }

    void spinnerWinsOverTheHistoryPanel()
    {
        catalogue->setDelay(QStringLiteral("slow"), std::chrono::milliseconds(1500));
        QVERIFY(screen->click("searchField"));
        screen->typeText(QStringLiteral("slow"));
        screen->pressKey(Qt::Key_Return);
        QVERIFY(shown("loadingIndicator"));
        QVERIFY(screen->click("clearSearchButton"));
        QVERIFY(shown("loadingIndicator"));
        QVERIFY(!shown("historyPanel"));
        QVERIFY(ScreenHarness::waitFor([&] { return shown("historyPanel"); }));
    }

    void tappingATagSearchesForIt()
    {
        for (const char *term : { "harbor", "墨水", "lantern" })
            SearchHistoryManager::shared()->addSearchTerm(QString::fromUtf8(term));
        QMetaObject::invokeMethod(model(), "loadSearchHistory");
        catalogue->clearRequests();

        QVERIFY(screen->click("tag_1"));
        QCOMPARE(fieldText(), QStringLiteral("墨水"));
        QVERIFY(ScreenHarness::waitFor([&] {
            return lastCatalogueRequest().startsWith("GET /search?term=%E5%A2%A8%E6%B0%B4&");
        }));
        QVERIFY(ScreenHarness::waitFor([&] { return rowCount() == 1; }));
    }

    void tagsWrapWithoutOverlapOrEmptyRows()
    {
        const QString wide
            = QStringLiteral("a search term far too long to share a row with anything else");
        const QStringList terms = { QStringLiteral("maps"), wide, QStringLiteral("日记"),
            QStringLiteral("photo editor"), QStringLiteral("x"), QStringLiteral("weather radar"),
            QStringLiteral("notes") };
        for (const QString &term : terms)
            SearchHistoryManager::shared()->addSearchTerm(term);
        QMetaObject::invokeMethod(model(), "loadSearchHistory");
        QQuickItem *tagView = screen->item("tagView");
        QTest::qWait(50); // layout runs once per event-loop turn

        // Each unit is the capsule plus 4 on every side.
        const qreal available = tagView->width();
        QRectF previous;
        for (int i = 0; i < terms.size(); ++i) {
            QQuickItem *capsule = screen->item(QStringLiteral("tag_%1").arg(i));
            QVERIFY(capsule);
            const QRectF unit
                = capsule->mapRectToItem(tagView, capsule->boundingRect()).adjusted(-4, -4, 4, 4);
            QVERIFY2(unit.left() >= 0 && unit.right() <= available + 0.5,
                qPrintable(QString::number(i)));
            if (i > 0) {
                const bool sameRow = qFuzzyCompare(unit.top() + 1, previous.top() + 1);
                if (sameRow) {
                    QCOMPARE(unit.left(), previous.right()); // 8 apart: 4 + 4
                } else {
                    QCOMPARE(unit.left(), 0.0);
                    QCOMPARE(unit.top(), previous.bottom());
                    QVERIFY2(
                        previous.right() + unit.width() > available, "wrapped although it fitted");
                }
            }
            previous = unit;
        }
        QVERIFY(tagView->implicitHeight() >= previous.bottom());
    }

    void aSaveButtonSavesWithoutOpeningTheRow()
    {
        const QDir photos(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)
            + QStringLiteral("/Vellumar"));
        const qsizetype before = photos.entryList(QDir::Files).size();
        submit(QStringLiteral("lantern"));
        QVERIFY(screen->click("saveButton"));
        QVERIFY(screen->waitForPopup(QStringLiteral("saveAlert"), true));
        QVERIFY(!shown("appDetailView"));
        QCOMPARE(screen->item("saveAlertTitle")->property("text").toString(), qtTrId("success"));
        QCOMPARE(photos.entryList(QDir::Files).size(), before + 1);

        screen->pressKey(Qt::Key_Return);
        QVERIFY(screen->waitForPopup(QStringLiteral("saveAlert"), false));
        QCOMPARE(model()->property("showingSaveAlert").toBool(), false);

        QVERIFY(screen->click("resultRow_0"));
        QVERIFY(ScreenHarness::waitFor([&] { return detailShown(); }));
    }

    void aPastedStoreLinkOpensItsDetailScreen()
    {
        QGuiApplication::clipboard()->setText(
            QStringLiteral("https://apps.apple.com/jp/app/lantern-notes/id1234567890123"));
        for (int round = 0; round < 2; ++round) {
            QVERIFY(screen->click("searchField"));
            screen->pressKey(Qt::Key_A, Qt::ControlModifier);
            screen->pressKey(Qt::Key_V, Qt::ControlModifier);
            screen->pressKey(Qt::Key_Return);
            QVERIFY(ScreenHarness::waitFor([&] { return detailShown(); }));
            QVERIFY(lastCatalogueRequest().startsWith("GET /lookup?id=1234567890123&country=JP"));
            QVERIFY(ScreenHarness::waitFor([&] {
                QQuickItem *name = screen->visibleItem("detailName");
                return name && name->property("text").toString() == QStringLiteral("Lantern Notes");
            }));
            // Leaving the page forgets the item, so the same link opens it again.
            QVERIFY(screen->click("backButton"));
            QVERIFY(ScreenHarness::waitFor([&] { return !shown("appDetailView"); }));
            QVERIFY(!model()->property("foundAppItemFromURL").isValid());
        }
        QVERIFY(SearchHistoryManager::shared()->loadSearchHistory().isEmpty());
    }

    void tabReachesEveryControlAndEachHasAName()
    {
        SearchHistoryManager::shared()->addSearchTerm(QStringLiteral("harbor"));
        QMetaObject::invokeMethod(model(), "loadSearchHistory");
        screen->typeText(QStringLiteral("x"));
        QSet<QString> reached;
        for (int press = 0; press < 12; ++press) {
            screen->pressKey(Qt::Key_Tab);
            if (QQuickItem *focused = screen->window()->activeFocusItem())
                reached.insert(focused->objectName());
        }
        for (const char *name : { "settingsButton", "regionButton", "searchField",
                 "clearSearchButton", "searchTab", "historyTab" })
            QVERIFY2(reached.contains(QLatin1String(name)), name);

        // With the field empty the history panel's controls join the chain.
        QVERIFY(screen->click("clearSearchButton"));
        reached.clear();
        for (int press = 0; press < 12; ++press) {
            screen->pressKey(Qt::Key_Tab);
            if (QQuickItem *focused = screen->window()->activeFocusItem())
                reached.insert(focused->objectName());
        }
        QVERIFY(reached.contains(QStringLiteral("clearHistoryButton")));
        QVERIFY(reached.contains(QStringLiteral("tag_0")));

        // Buttons that show only a symbol still tell assistive technology what they do.
        for (const char *name :
            { "settingsButton", "regionButton", "clearHistoryButton", "searchTab" }) {
            QAccessibleInterface *button
                = QAccessible::queryAccessibleInterface(screen->item(QLatin1String(name)));
            QVERIFY2(button && !button->text(QAccessible::Name).isEmpty(), name);
        }
    }

    void theRegionPickerSetsTheNextRequestsRegion()
    {
        QCOMPARE(screen->item("regionCode")->property("text").toString(), QStringLiteral("CN"));
        QVERIFY(screen->click("regionButton"));
        QVERIFY(screen->waitForPopup(QStringLiteral("countryListView"), true));
        screen->typeText(QStringLiteral("jp"));
        QVERIFY(ScreenHarness::waitFor([&] { return screen->click("countryRow_JP"); }));
        QVERIFY(screen->waitForPopup(QStringLiteral("countryListView"), false));
        QCOMPARE(screen->item("regionCode")->property("text").toString(), QStringLiteral("JP"));
        QCOMPARE(screen->item("regionFlag")->property("text").toString(), QStringLiteral("🇯🇵"));

        submit(QStringLiteral("harbor"));
        QVERIFY(lastCatalogueRequest().startsWith("GET /search?term=harbor&country=JP&"));

        // A code missing from the table leaves the button without a label.
        model()->setProperty("selectedCountryCode", QStringLiteral("XX"));
        QVERIFY(!screen->visibleItem("regionCode"));
    }
};

VELLUMAR_TEST_MAIN(tst_SearchScreen)
#include "tst_searchscreen.moc"
