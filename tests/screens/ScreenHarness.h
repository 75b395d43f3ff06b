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

class ScreenHarness
{
public:
    ScreenHarness();
    ~ScreenHarness();

    [[nodiscard]] QQuickWindow *window() const { return m_window; }

    [[nodiscard]] QObject *find(const QString &objectName) const;
    [[nodiscard]] QQuickItem *item(const QString &objectName) const;
    [[nodiscard]] QQuickItem *visibleItem(const QString &objectName, QObject *root = nullptr) const;

    [[nodiscard]] QStringList visibleTexts() const;

    [[nodiscard]] QObject *contentView() const;
    [[nodiscard]] QObject *viewModel() const;

    bool click(QQuickItem *item);
    bool click(const QString &objectName) { return click(visibleItem(objectName)); }
    void typeText(const QString &text);
    void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    static bool waitFor(const std::function<bool()> &condition,
        std::chrono::milliseconds timeout = std::chrono::seconds(10));
    bool waitForPopup(const QString &objectName, bool open);

    [[nodiscard]] QImage grab() const;

private:
    std::unique_ptr<QQmlApplicationEngine> m_engine;
    QPointer<QQuickWindow> m_window;
};
