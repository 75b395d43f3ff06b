#pragma once

#include <QDir>
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

class ScreenHarness
{
public:
    ScreenHarness();
    ~ScreenHarness();

    [[nodiscard]] QQuickWindow *window() const { return m_window; }

    [[nodiscard]] QObject *find(const QString &objectName) const;
    [[nodiscard]] QQuickItem *item(const QString &objectName) const;
    [[nodiscard]] QQuickItem *visibleItem(const QString &objectName, QObject *root = nullptr) const;
    [[nodiscard]] bool shown(const QString &objectName) const { return visibleItem(objectName); }
    // A property of the visible item of that name; "<hidden>" when none shows.
    [[nodiscard]] QString shownText(const QString &objectName, const char *property = "text") const;
    // The page shows and its navigation stack has stopped moving.
    [[nodiscard]] bool settled(const QString &page, const QString &navigation) const;
    [[nodiscard]] bool popupVisible(const QString &objectName) const;

    [[nodiscard]] QStringList visibleTexts() const;

    [[nodiscard]] QObject *contentView() const;
    [[nodiscard]] QObject *viewModel() const;

    // The item's centre in the window, once pending layout has run.
    [[nodiscard]] QPoint centreOf(QQuickItem *item) const;
    bool click(QQuickItem *item);
    bool click(const QString &objectName) { return click(visibleItem(objectName)); }
    void typeText(const QString &text);
    void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Replaces the search field's text, presses Return and waits for the answer.
    bool submit(const QString &term);

    static bool waitFor(const std::function<bool()> &condition,
        std::chrono::milliseconds timeout = std::chrono::seconds(10));
    bool waitForPopup(const QString &objectName, bool open);

    [[nodiscard]] QImage grab() const;
    [[nodiscard]] static QDir photoFolder();

private:
    std::unique_ptr<QQmlApplicationEngine> m_engine;
    QPointer<QQuickWindow> m_window;
};
