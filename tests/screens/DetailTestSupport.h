#pragma once

#include "FixtureCatalogue.h"
#include "ScreenHarness.h"
#include "TestEnvironment.h"
#include "catalogue/AppItem.h"
#include "store/HistoryManager.h"

#include <QDir>
#include <QStandardPaths>
#include <QTest>

// What the detail, screenshot and history screen tests share: a fresh window
// per test against one fixture catalogue, and opening items the way a person does.
class DetailScreenTest : public QObject
{
    Q_OBJECT
protected:
    FixtureCatalogue *catalogue = nullptr;
    std::unique_ptr<ScreenHarness> screen;

    static QDir photoFolder()
    {
        return QDir(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)
            + QStringLiteral("/Vellumar"));
    }
    static QStringList photos() { return photoFolder().entryList(QDir::Files, QDir::Name); }

    bool shown(const char *name) const { return screen->visibleItem(QLatin1String(name)); }
    // A property of the visible item with this name; "<hidden>" when none shows.
    QString shownProperty(const char *name, const char *property = "text") const
    {
        QQuickItem *item = screen->visibleItem(QLatin1String(name));
        return item ? item->property(property).toString() : QStringLiteral("<hidden>");
    }
    bool popupShown(const char *name) const
    {
        return screen->find(QLatin1String(name))->property("visible").toBool();
    }
    qsizetype requestsContaining(const QByteArray &part) const
    {
        qsizetype count = 0;
        for (const QByteArray &line : catalogue->requestLines())
            count += line.contains(part) ? 1 : 0;
        return count;
    }

    // The fixture's app as the download history remembers it.
    AppItem historyItem(int index, std::optional<QString> countryCode = std::nullopt) const
    {
        const FixtureCatalogue::App &app = FixtureCatalogue::apps().at(index);
        return AppItem { app.trackId, app.trackName,
            catalogue->artworkUrl(app.trackId, QStringLiteral("100x100")),
            catalogue->artworkUrl(app.trackId, QStringLiteral("512x512")), countryCode };
    }

    // The page shows and its stack has stopped moving.
    bool settled(const char *page, const char *navigation) const
    {
        QQuickItem *stack = screen->visibleItem(QLatin1String(navigation));
        return shown(page) && stack && !stack->property("busy").toBool();
    }

    // Lists the fixture's whole store on the search tab and opens one hit.
    bool openSearchResult(int row)
    {
        if (!screen->click(QStringLiteral("searchField")))
            return false;
        screen->pressKey(Qt::Key_A, Qt::ControlModifier);
        screen->typeText(QStringLiteral("app"));
        screen->pressKey(Qt::Key_Return);
        QObject *model = screen->viewModel();
        return ScreenHarness::waitFor([&] { return !model->property("isLoading").toBool(); })
            && screen->click(QStringLiteral("resultRow_%1").arg(row))
            && ScreenHarness::waitFor([&] { return settled("appDetailView", "searchNavigation"); });
    }

    // Drags from the item's centre, `drift` points to the side, and holds.
    void press(QQuickItem *item, QPoint drift, int holdMs)
    {
        QVERIFY(item);
        const QPoint start
            = item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
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
        QFile::remove(photoFolder().path());
        photoFolder().removeRecursively();
        catalogue->clearRequests();
        screen = std::make_unique<ScreenHarness>();
        QVERIFY(screen->window());
    }

    void cleanup() { screen.reset(); }
};
