#pragma once

#include "FixtureCatalogue.h"
#include "TestEnvironment.h"
#include "catalogue/AppItem.h"

#include <QDir>
#include <QPointer>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>

#include <functional>
#include <memory>

// The application's window, offscreen, driven by clicks and keys.
class ScreenHarness
{
public:
    ScreenHarness();
    ~ScreenHarness();

    [[nodiscard]] QQuickWindow *window() const { return m_window; }
    [[nodiscard]] QObject *find(const QString &objectName) const;
    [[nodiscard]] QQuickItem *item(const QString &name) const
    {
        return qobject_cast<QQuickItem *>(find(name));
    }
    [[nodiscard]] QQuickItem *visibleItem(const QString &objectName, QObject *root = nullptr) const;
    [[nodiscard]] bool shown(const QString &objectName) const { return visibleItem(objectName); }
    // A property of the visible item of that name; "<hidden>" when none shows.
    [[nodiscard]] QString shownText(const QString &objectName, const char *property = "text") const;
    // The page shows and its navigation stack has stopped moving.
    [[nodiscard]] bool settled(const QString &page, const QString &navigation) const;
    [[nodiscard]] bool popupVisible(const QString &name) const
    {
        return find(name)->property("visible").toBool();
    }
    // Every text and placeholder shown, symbols left out.
    [[nodiscard]] QStringList visibleTexts() const;
    [[nodiscard]] QObject *contentView() const
    {
        return visibleItem(QStringLiteral("contentView"));
    }
    [[nodiscard]] QObject *viewModel() const;

    // The item's centre in the window, once pending layout has run.
    [[nodiscard]] QPoint centreOf(QQuickItem *item) const;
    bool click(QQuickItem *item);
    bool click(const QString &objectName) { return click(visibleItem(objectName)); }
    void typeText(const QString &text);
    void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(m_window, key, modifiers);
    }
    // Replaces the search field's text, presses Return and waits for the answer.
    bool submit(const QString &term);
    // Presses at the item's centre, drags `drift` points aside, holds, releases.
    void press(QQuickItem *item, QPoint drift, int holdMs);

    static bool waitFor(const std::function<bool()> &condition)
    {
        return QTest::qWaitFor(condition, 10000);
    }
    bool waitForPopup(const QString &objectName, bool open);
    // The alert shows with this title (and message); Return dismisses it.
    bool alertShows(const QString &alert, const QString &title, const QString &message = {});

    [[nodiscard]] QImage grab() const { return m_window->grabWindow(); }
    [[nodiscard]] static QDir photoFolder();
    [[nodiscard]] static QStringList photos() { return photoFolder().entryList(QDir::Files); }

private:
    std::unique_ptr<QQmlApplicationEngine> m_engine;
    QPointer<QQuickWindow> m_window;
};

// What every screen test shares: one fixture catalogue, a fresh window and
// empty stores per test, and the ways a person reaches a screen.
class ScreenTest : public QObject
{
    Q_OBJECT
protected:
    FixtureCatalogue *catalogue = nullptr;
    std::unique_ptr<ScreenHarness> screen;

    [[nodiscard]] qsizetype requestsContaining(const QByteArray &part) const;
    // The fixture's app as the download history remembers it.
    [[nodiscard]] AppItem historyItem(int index) const;
    // Lists the fixture's whole store on the search tab and opens one hit,
    // by default until its details show.
    bool openSearchResult(int row, bool untilLoaded = true);

protected slots:
    void initTestCase() { catalogue = new FixtureCatalogue(this); }
    void init();
    void cleanup() { screen.reset(); }
};
