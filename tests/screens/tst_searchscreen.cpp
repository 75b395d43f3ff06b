#include "FixtureCatalogue.h"
#include "ScreenHarness.h"
#include "TestEnvironment.h"
#include "store/SearchHistoryManager.h"

#include <QAccessible>
#include <QClipboard>
#include <QDir>
#include <QJSValue>
#include <QQmlComponent>
#include <QRawFont>
#include <QStandardPaths>

class tst_SearchScreen : public QObject
{
    Q_OBJECT

    FixtureCatalogue *catalogue = nullptr;
    std::unique_ptr<ScreenHarness> screen;

    QObject *model() const { return screen->viewModel(); }
    int rowCount() const { return screen->item("resultList")->property("count").toInt(); }
    bool shown(const char *name) const { return screen->visibleItem(QLatin1String(name)); }
    QString fieldText() const { return screen->item("searchField")->property("text").toString(); }

    QByteArray lastCatalogueRequest() const
    {
        const QList<QByteArray> lines = catalogue->requestLines();
        for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
            if (line->startsWith("GET /search?") || line->startsWith("GET /lookup?"))
                return *line;
        }
        return {};
    }

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
        QVERIFY(shown("historyPanel"));
        QCOMPARE(screen->item("tag_0")->property("text").toString(), QStringLiteral("harbor"));
        QVERIFY(ScreenHarness::waitFor([&] { return rowCount() == 0; }));

        QVERIFY(screen->click("clearHistoryButton"));
        QVERIFY(shown("noSearchHistory"));
        QVERIFY(!screen->visibleItem("tag_0"));
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
        const auto tabThrough = [&] {
            QSet<QString> reached;
            for (int press = 0; press < 12; ++press) {
                screen->pressKey(Qt::Key_Tab);
                if (QQuickItem *focused = screen->window()->activeFocusItem())
                    reached.insert(focused->objectName());
            }
            return reached;
        };
        screen->typeText(QStringLiteral("x"));
        QSet<QString> reached = tabThrough();
        for (const char *name : { "settingsButton", "regionButton", "searchField",
                 "clearSearchButton", "searchTab", "historyTab" })
            QVERIFY2(reached.contains(QLatin1String(name)), name);
        QVERIFY(screen->click("clearSearchButton"));
        reached = tabThrough();
        QVERIFY(reached.contains(QStringLiteral("clearHistoryButton")));
        QVERIFY(reached.contains(QStringLiteral("tag_0")));
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
            QUrl(QStringLiteral("file:///SymbolCheck.qml")));
        std::unique_ptr<QObject> theme(component.create());
        QVERIFY2(theme, qPrintable(component.errorString()));
        const QRawFont font(QStringLiteral(":/fonts/VellumarSymbols.ttf"), 22);
        QVERIFY(font.isValid());
        QCOMPARE(font.familyName(), theme->property("family").toString());
        const QVariantMap glyphs
            = theme->property("glyphs").value<QJSValue>().toVariant().toMap();
        QVERIFY(glyphs.size() >= 10);
        for (auto glyph = glyphs.cbegin(); glyph != glyphs.cend(); ++glyph) {
            const QString text = glyph.value().toString();
            QVERIFY2(text.size() == 1 && font.supportsCharacter(text.at(0)),
                qPrintable(glyph.key()));
        }
    }
};

VELLUMAR_TEST_MAIN(tst_SearchScreen)
#include "tst_searchscreen.moc"
