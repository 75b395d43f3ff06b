#pragma once

#include "FixtureCatalogue.h"
#include "ScreenHarness.h"
#include "TestEnvironment.h"
#include "catalogue/AppItem.h"
#include "store/HistoryManager.h"

#include <QTest>

// What the detail, screenshot and history screen tests share: a fresh window
// per test against one fixture catalogue, and opening items the way a person does.
class DetailScreenTest : public QObject
{
    Q_OBJECT
protected:
    FixtureCatalogue *catalogue = nullptr;
    std::unique_ptr<ScreenHarness> screen;

    static QStringList photos()
    {
        return ScreenHarness::photoFolder().entryList(QDir::Files, QDir::Name);
    }
    qsizetype requestsContaining(const QByteArray &part) const
    {
        const QList<QByteArray> lines = catalogue->requestLines();
        return std::count_if(lines.cbegin(), lines.cend(),
            [&](const QByteArray &line) { return line.contains(part); });
    }

    // The fixture's app as the download history remembers it.
    AppItem historyItem(int index) const
    {
        const FixtureCatalogue::App &app = FixtureCatalogue::apps().at(index);
        return AppItem { app.trackId, app.trackName, catalogue->artworkUrl(app.trackId, "100x100"),
            catalogue->artworkUrl(app.trackId, "512x512"), std::nullopt };
    }

    // Lists the fixture's whole store on the search tab and opens one hit,
    // by default until its details show.
    bool openSearchResult(int row, bool untilLoaded = true)
    {
        return screen->submit(QStringLiteral("app"))
            && screen->click(QStringLiteral("resultRow_%1").arg(row))
            && ScreenHarness::waitFor([&] {
                   return screen->settled("appDetailView", "searchNavigation")
                       && (!untilLoaded || screen->shown("detailStack"));
               });
    }

    // Drags from the item's centre, `drift` points to the side, and holds.
    void press(QQuickItem *item, QPoint drift, int holdMs)
    {
        QVERIFY(item);
        const QPoint start = screen->centreOf(item);
        QTest::mousePress(screen->window(), Qt::LeftButton, Qt::NoModifier, start);
        for (int step = 1; step <= 10 && !drift.isNull(); ++step)
            QTest::mouseMove(screen->window(), start + drift * step / 10, 10);
        QTest::qWait(holdMs);
        QTest::mouseRelease(screen->window(), Qt::LeftButton, Qt::NoModifier, start + drift);
    }

protected slots:
    void initTestCase() { catalogue = new FixtureCatalogue(this); }

    void init()
    {
        HistoryManager::shared()->clearAllHistory();
        QFile::remove(ScreenHarness::photoFolder().path());
        ScreenHarness::photoFolder().removeRecursively();
        catalogue->clearRequests();
        screen = std::make_unique<ScreenHarness>();
        QVERIFY(screen->window());
    }

    void cleanup() { screen.reset(); }
};
