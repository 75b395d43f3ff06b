#include "ScreenHarness.h"
#include "store/SearchHistoryManager.h"

#include <QClipboard>
#include <QJSValue>
#include <QQmlComponent>
#include <QRawFont>

class tst_SearchScreen : public ScreenTest
{
    Q_OBJECT

    int rowCount() const { return screen->item("resultList")->property("count").toInt(); }
    bool detailShown() const
    {
        return ScreenHarness::waitFor(
            [&] { return screen->settled("appDetailView", "searchNavigation"); });
    }
    // Where a tag's unit (the capsule and its margin) sits in the tag view.
    QPointF tagPlace(int index) const
    {
        QQuickItem *tag = screen->visibleItem(QStringLiteral("tag_%1").arg(index));
        return tag ? tag->parentItem()->position() : QPointF(-1, -1);
    }

private slots:
    void returnSubmitsAndTheOverlayFollowsTheModel()
    {
        QVERIFY(screen->item("searchField")->hasActiveFocus());
        QVERIFY(screen->shown("noSearchHistory"));
        QVERIFY(screen->submit("lantern"));
        QCOMPARE(rowCount(), 1);
        QCOMPARE(requestsContaining("GET /search?term=lantern&country=CN"), 1);
        QVERIFY(!screen->shown("historyPanel") && !screen->shown("statusMessage"));
        QVERIFY(screen->submit(FixtureCatalogue::emptyTerm));
        QCOMPARE(rowCount(), 0);
        QVERIFY(screen->shownText("statusMessage").contains(FixtureCatalogue::emptyTerm));
        screen->typeText(FixtureCatalogue::stallTerm);
        screen->pressKey(Qt::Key_Return);
        QVERIFY(ScreenHarness::waitFor([&] { return screen->shown("loadingIndicator"); }));
        QVERIFY(!screen->shown("statusMessage"));
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
        QVERIFY(ScreenHarness::waitFor([&] { return rowCount() == 1; }));
        QCOMPARE(requestsContaining("GET /search?term=%E5%A2%A8%E6%B0%B4&"), 1);
        QVERIFY(screen->click("clearSearchButton") && screen->click("clearHistoryButton"));
        QVERIFY(screen->shown("noSearchHistory") && !screen->shown("tag_0"));
    }

    // A tag wider than the row stays alone on its row, with no empty row above.
    void tagsWrapWithoutLeavingAnEmptyRow()
    {
        const QString wide = QString(60, QChar(u'墨'));
        for (const QString &term :
            { QStringLiteral("c"), QStringLiteral("a"), wide, QStringLiteral("b"), wide + "!" })
            SearchHistoryManager::shared()->addSearchTerm(term); // shown newest first
        QMetaObject::invokeMethod(screen->viewModel(), "loadSearchHistory");
        QVERIFY(ScreenHarness::waitFor([&] { return screen->shown("tag_4"); }));
        QVERIFY(!screen->grab().isNull()); // a frame lays out what changed since the last
        const qreal row = screen->visibleItem("tag_0")->parentItem()->height();
        QCOMPARE(screen->visibleItem("tag_0")->parentItem()->width(),
            screen->visibleItem("tagView")->width());
        for (int index = 0; index < 4; ++index)
            QCOMPARE(tagPlace(index), QPointF(0, index * row));
        QVERIFY(tagPlace(4).y() == 3 * row && tagPlace(4).x() > 0);
    }

    void aSaveButtonSavesWithoutOpeningTheRow()
    {
        QVERIFY(screen->submit("lantern"));
        QVERIFY(screen->click("saveButton"));
        QVERIFY(screen->alertShows(
            "saveAlert", qtTrId("success"), qtTrId("save_success_message_icon")));
        QVERIFY(!screen->shown("appDetailView"));
        QCOMPARE(ScreenHarness::photos().size(), 1);
        QVERIFY(screen->click("resultRow_0") && detailShown());
    }

    // Leaving the detail screen a link opened lets the same link open it again.
    void aPastedStoreLinkOpensItsDetailScreen()
    {
        QGuiApplication::clipboard()->setText(
            "https://apps.apple.com/jp/app/lantern-notes/id1234567890123");
        for (int round = 0; round < 2; ++round) {
            QVERIFY(screen->click("searchField"));
            screen->pressKey(Qt::Key_A, Qt::ControlModifier);
            screen->pressKey(Qt::Key_V, Qt::ControlModifier);
            screen->pressKey(Qt::Key_Return);
            QVERIFY(detailShown());
            QVERIFY(ScreenHarness::waitFor(
                [&] { return screen->shownText("detailName") == "Lantern Notes"; }));
            QCOMPARE(
                requestsContaining("GET /lookup?id=1234567890123&country=JP"), 2 * (round + 1));
            QVERIFY(screen->click("backButton"));
            QVERIFY(ScreenHarness::waitFor([&] { return !screen->shown("appDetailView"); }));
            QVERIFY(!screen->viewModel()->property("hasFoundAppItem").toBool());
        }
    }

    // A symbol added to the theme without cutting the font again would draw
    // as an empty box.
    void everySymbolIsInTheEmbeddedFont()
    {
        QQmlComponent component(qmlEngine(screen->contentView()));
        component.setData("import QtQml\nimport Vellumar\nQtObject { readonly property var glyphs: "
                          "Theme.glyphs }",
            QUrl("file:///SymbolCheck.qml"));
        std::unique_ptr<QObject> theme(component.create());
        QVERIFY2(theme, qPrintable(component.errorString()));
        const QRawFont font(QStringLiteral(":/fonts/VellumarSymbols.ttf"), 22);
        QCOMPARE(font.familyName(), QStringLiteral("Vellumar Symbols"));
        const QVariantMap glyphs = theme->property("glyphs").value<QJSValue>().toVariant().toMap();
        QVERIFY(glyphs.size() >= 10);
        for (auto glyph = glyphs.cbegin(); glyph != glyphs.cend(); ++glyph)
            QVERIFY2(
                font.supportsCharacter(glyph.value().toString().at(0)), qPrintable(glyph.key()));
    }
};

VELLUMAR_TEST_MAIN(tst_SearchScreen)
#include "tst_searchscreen.moc"
