#pragma once

#include <QImage>
#include <QPointer>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>

// The application's real window, loaded through the same engine set-up as the
// application, driven with real clicks and key presses.
class ScreenHarness
{
public:
    ScreenHarness();
    ~ScreenHarness();

    [[nodiscard]] QQuickWindow *window() const { return m_window; }

    // The first object with this name anywhere in the window: items, popups
    // and the items inside popups. Null when there is none.
    [[nodiscard]] QObject *find(const QString &objectName) const;
    [[nodiscard]] QQuickItem *item(const QString &objectName) const;
    // The first visible item with this name, searched below `root` (the
    // whole window when null).
    [[nodiscard]] QQuickItem *visibleItem(const QString &objectName, QObject *root = nullptr) const;

    // Every text a person can read in the window now: texts and placeholders
    // of visible items, symbols left out.
    [[nodiscard]] QStringList visibleTexts() const;

    // The search screen currently shown and its model.
    [[nodiscard]] QObject *contentView() const;
    [[nodiscard]] QObject *viewModel() const;

    // A left click at the item's centre; false when the item is not visible.
    bool click(QQuickItem *item);
    bool click(const QString &objectName) { return click(visibleItem(objectName)); }
    void typeText(const QString &text);
    void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    // Spins the event loop until the condition holds.
    static bool waitFor(const std::function<bool()> &condition,
        std::chrono::milliseconds timeout = std::chrono::seconds(10));
    // Waits until the popup with this name has finished opening or closing.
    bool waitForPopup(const QString &objectName, bool open);

    [[nodiscard]] QImage grab() const;

private:
    std::unique_ptr<QQmlApplicationEngine> m_engine;
    QPointer<QQuickWindow> m_window;
};
