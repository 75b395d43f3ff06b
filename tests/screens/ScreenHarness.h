// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FixtureCatalogue.h"
#include "TestEnvironment.h"
#include "store/HistoryManager.h"
#include "store/LocalizationManager.h"
#include "store/SearchHistoryManager.h"
#include "store/SettingsManager.h"
#include "workflow/ApplicationContext.h"

#include <QPointer>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStandardPaths>

// Waits for a condition of the screens; it is evaluated again at the end, so it must not act.
#define WAIT_UNTIL(condition) QTRY_VERIFY_WITH_TIMEOUT(condition, 10000)

class Desktop;

// The application's window, offscreen, driven by clicks and keys, on an
// application context of its own with an empty store. Items are found by
// objectName; where several share a name, the shown one counts.
class ScreenHarness
{
public:
    // In the language of that raw value; empty: the default.
    explicit ScreenHarness(const QString &language = {});
    ~ScreenHarness();

    ApplicationContext &context() const { return *m_context; }
    Desktop &desktop() const;

    QQuickWindow *window() const { return m_window; }
    QImage grab() const { return m_window->grabWindow(); }
    QObject *find(const QString &name) const;
    QQuickItem *item(const QString &name) const { return qobject_cast<QQuickItem *>(find(name)); }
    QQuickItem *visibleItem(const QString &name, QObject *root = nullptr) const;
    bool shown(const QString &name) const { return visibleItem(name); }
    // A property of the visible item of that name; "<hidden>" when none shows.
    QString shownText(const QString &name, const char *property = "text") const
    {
        QQuickItem *shown = visibleItem(name);
        return shown ? shown->property(property).toString() : QStringLiteral("<hidden>");
    }
    // The page shows and its navigation stack has stopped moving.
    bool settled(const QString &page, const QString &navigation) const
    {
        QQuickItem *stack = visibleItem(navigation);
        return shown(page) && stack && !stack->property("busy").toBool();
    }
    // Every text and placeholder shown, symbols left out.
    QStringList visibleTexts() const;
    // The notices on show, by their text.
    QStringList notices() const;
    QObject *contentView() const { return visibleItem("contentView"); }
    QObject *viewModel() const
    {
        QObject *view = contentView();
        return view ? view->property("viewModel").value<QObject *>() : nullptr;
    }

    bool click(QQuickItem *item, Qt::MouseButton button = Qt::LeftButton,
        Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    bool click(const QString &name, Qt::MouseButton button = Qt::LeftButton,
        Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        return click(visibleItem(name), button, modifiers);
    }
    void typeText(const QString &text);
    void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(m_window, key, modifiers);
    }
    // Replaces the search field's text (or pastes, when none), presses Return, awaits the answer.
    bool submit(const QString &term);
    // The item's centre in the window; a grab first polishes rows laid out since the last frame.
    static QPoint centre(QQuickItem *item);
    // Presses at the item's centre, drags `drift` points aside, holds, releases.
    void press(QQuickItem *item, QPoint drift, int holdMs);
    // Turns the wheel by `angle` over a point of the item, by default its centre.
    void wheel(QQuickItem *item, QPoint angle, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
        std::optional<QPointF> at = {});

    static bool waitFor(const std::function<bool()> &condition)
    {
        return QTest::qWaitFor(condition, 10000);
    }
    bool popupVisible(const QString &name) const
    {
        return find(name)->property("visible").toBool();
    }
    bool waitForPopup(const QString &name, bool open)
    {
        return waitFor([&] {
            QObject *popup = find(name); // opened once shown, but not visible once hidden
            return popup ? popup->property(open ? "opened" : "visible").toBool() == open : !open;
        });
    }
    // Clicks the button, then waits for the popup to open.
    bool open(const QString &button, const QString &popup)
    {
        return click(button) && waitForPopup(popup, true);
    }
    // The alert shows with this title (and message); Return dismisses it.
    bool alertShows(const QString &alert, const QString &title, const QString &message = {});
    // Scrolls the shown detail screen to its end; false when none is shown.
    bool scrollDetailToEnd() const
    {
        QQuickItem *scroll = visibleItem(QStringLiteral("detailScroll"));
        if (scroll)
            scroll->setProperty(
                "contentY", scroll->property("contentHeight").toReal() - scroll->height());
        return scroll;
    }

    static QDir photoFolder()
    {
        return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + "/Vellumar";
    }
    static QStringList photos() { return photoFolder().entryList(QDir::Files); }

private:
    QTemporaryDir m_storeFolder;
    std::unique_ptr<ApplicationContext> m_context;
    std::unique_ptr<QQmlApplicationEngine> m_engine;
    QPointer<QQuickWindow> m_window;
};

// Shared by every screen test: a fixture catalogue, a fresh window and empty stores per test.
// The histories and settings below are the window's.
class ScreenTest : public QObject
{
    Q_OBJECT
protected:
    FixtureCatalogue *catalogue = nullptr;
    std::unique_ptr<ScreenHarness> screen;
    // The raw value of the language each window starts in; empty: the default.
    QString language;

    HistoryManager &history() const { return screen->context().history(); }
    SearchHistoryManager &searchHistory() const { return screen->context().searchHistory(); }
    SettingsManager &settings() const { return screen->context().settings(); }
    LocalizationManager &localization() const { return screen->context().localization(); }

    qsizetype requestsContaining(const QByteArray &part) const
    {
        return catalogue->requestLines().join('\n').count(part);
    }
    // The fixture's app as the download history remembers it.
    AppItem historyItem(int index, const char *region = nullptr) const
    {
        const FixtureCatalogue::App &app = FixtureCatalogue::apps().at(index);
        return AppItem { app.trackId, app.trackName, catalogue->artworkUrl(app.trackId, "100x100"),
            catalogue->artworkUrl(app.trackId, "512x512"),
            region ? std::optional<QString>(region) : std::nullopt };
    }
    // Lists the whole fixture store and opens one hit, by default until its details show.
    bool openSearchResult(int row, bool untilLoaded = true)
    {
        return screen->submit("app") && screen->click(QStringLiteral("resultRow_%1").arg(row))
            && ScreenHarness::waitFor([&] {
                   return screen->settled("appDetailView", "searchNavigation")
                       && (!untilLoaded || screen->shown("detailStack"));
               });
    }
    // Points the catalogue address at a loopback port where nothing listens; returns the live one.
    static QByteArray refuseConnections()
    {
        const QByteArray live = qgetenv("VELLUMAR_CATALOGUE_URL");
        qputenv("VELLUMAR_CATALOGUE_URL", "http://127.0.0.1:1");
        return live;
    }

protected slots:
    void initTestCase() { catalogue = new FixtureCatalogue(this); }
    void init()
    {
        ScreenHarness::photoFolder().removeRecursively();
        catalogue->clearRequests();
        catalogue->undoChanges();
        screen = std::make_unique<ScreenHarness>(language);
        QVERIFY(screen->window());
    }
    void cleanup() { screen.reset(); }
};
