// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScreenHarness.h"

#include "screens/ScreensEngine.h"
#include "workflow/ApplicationContext.h"

#include <QFont>
#include <QtQml/QQmlExtensionPlugin>

#include <cctype>

Q_IMPORT_QML_PLUGIN(VellumarPlugin)

namespace {

// Breadth first over object and visual children; stops once match is true.
QObject *first(QObject *root, const std::function<bool(QObject *)> &match)
{
    QList<QObject *> queue { root };
    QSet<QObject *> seen;
    while (!queue.isEmpty()) {
        QObject *object = queue.takeFirst();
        if (!object || seen.contains(object))
            continue;
        seen.insert(object);
        if (match(object))
            return object;
        queue.append(object->children());
        if (auto *item = qobject_cast<QQuickItem *>(object))
            queue.append({ item->childItems().cbegin(), item->childItems().cend() });
        if (auto *window = qobject_cast<QQuickWindow *>(object))
            queue.append(window->contentItem());
    }
    return nullptr;
}

// Visible, with a size, and not faded out (isVisible() follows the parents; opacity does not).
bool isShown(const QQuickItem *item)
{
    for (const QQuickItem *ancestor = item; ancestor; ancestor = ancestor->parentItem())
        if (ancestor->opacity() == 0)
            return false;
    return item && item->isVisible() && item->width() > 0 && item->height() > 0;
}

} // namespace

ScreenHarness::ScreenHarness(const QString &language)
    : m_context(std::make_unique<ApplicationContext>(m_storeFolder.filePath("store.sqlite")))
{
    [[maybe_unused]] static const bool prepared = (ScreensEngine::prepareApplication(), true);
    if (!language.isEmpty())
        m_context->localization().setCurrentLanguageRawValue(language);
    m_engine = std::make_unique<QQmlApplicationEngine>();
    ScreensEngine::setUpEngine(*m_engine, *m_context);
    m_engine->load(ScreensEngine::mainUrl());
    m_window = qobject_cast<QQuickWindow *>(m_engine->rootObjects().value(0));
    // Phone size, where every screen has its narrow layout.
    if (m_window)
        m_window->resize(390, 844);
    if (m_window && !QTest::qWaitForWindowExposed(m_window))
        qWarning("the window was never exposed");
}

ScreenHarness::~ScreenHarness()
{
    delete m_window;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Desktop &ScreenHarness::desktop() const
{
    return ScreensEngine::desktop(*m_engine);
}

QPoint ScreenHarness::centre(QQuickItem *item)
{
    item->window()->grabWindow();
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
}

QObject *ScreenHarness::find(const QString &name) const
{
    return first(m_window, [&](QObject *object) { return object->objectName() == name; });
}

QQuickItem *ScreenHarness::visibleItem(const QString &name, QObject *root) const
{
    return qobject_cast<QQuickItem *>(first(root ? root : m_window.data(), [&](QObject *object) {
        return object->objectName() == name && isShown(qobject_cast<QQuickItem *>(object));
    }));
}

QStringList ScreenHarness::notices() const
{
    QStringList texts;
    first(m_window.data(), [&](QObject *object) {
        auto *item = qobject_cast<QQuickItem *>(object);
        if (object->objectName() == "noticeText" && isShown(item))
            texts << item->property("text").toString();
        return false;
    });
    return texts;
}

QStringList ScreenHarness::visibleTexts() const
{
    QStringList texts;
    first(m_window.data(), [&](QObject *object) {
        auto *item = qobject_cast<QQuickItem *>(object);
        if (isShown(item) && item->property("font").value<QFont>().family() != "Vellumar Symbols")
            for (const QVariant &value :
                { item->property("text"), item->property("placeholderText") })
                if (value.typeId() == QMetaType::QString && !value.toString().isEmpty())
                    texts.append(value.toString());
        return false;
    });
    return texts;
}

bool ScreenHarness::click(QQuickItem *item, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (!isShown(item))
        return false;
    QTest::mouseClick(m_window, button, modifiers, centre(item));
    return true;
}

void ScreenHarness::typeText(const QString &text)
{
    for (const QChar character : text) {
        const char16_t upper = character.toUpper().unicode();
        const bool plain = upper < 0x80 && (std::isalnum(upper) || upper == u' ');
        QTest::sendKeyEvent(QTest::Click, m_window, plain ? Qt::Key(upper) : Qt::Key_unknown,
            QString(character), Qt::NoModifier);
    }
}

bool ScreenHarness::submit(const QString &term)
{
    if (!click(QStringLiteral("searchField")))
        return false;
    pressKey(Qt::Key_A, Qt::ControlModifier);
    if (term.isNull())
        pressKey(Qt::Key_V, Qt::ControlModifier);
    typeText(term);
    pressKey(Qt::Key_Return);
    QObject *model = viewModel();
    return waitFor([&] { return !model->property("isLoading").toBool(); });
}

void ScreenHarness::press(QQuickItem *item, QPoint drift, int holdMs)
{
    const QPoint start = centre(item);
    QTest::mousePress(m_window, Qt::LeftButton, Qt::NoModifier, start);
    for (int step = 1; step <= 10 && !drift.isNull(); ++step)
        QTest::mouseMove(m_window, start + drift * step / 10, 10);
    QTest::qWait(holdMs);
    QTest::mouseRelease(m_window, Qt::LeftButton, Qt::NoModifier, start + drift);
}

void ScreenHarness::wheel(
    QQuickItem *item, QPoint angle, Qt::KeyboardModifiers modifiers, std::optional<QPointF> at)
{
    const QPointF point = at ? item->mapToScene(*at) : QPointF(centre(item));
    QWheelEvent event(point, m_window->mapToGlobal(point), {}, angle, Qt::NoButton, modifiers,
        Qt::NoScrollPhase, false);
    // A tenth of a second after the last mouse event: a list measures the wheel's speed.
    event.setTimestamp(QTest::lastMouseTimestamp += 100);
    QGuiApplication::sendEvent(m_window, &event);
}

bool ScreenHarness::alertShows(const QString &alert, const QString &title, const QString &message)
{
    if (!waitForPopup(alert, true))
        return false;
    QObject *popup = find(alert);
    // A saved photo's place follows the message in a paragraph of its own.
    const QString shown = popup->property("message").toString();
    const bool matches = popup->property("title").toString() == title
        && (message.isNull() || shown == message || shown.startsWith(message + "\n\n"));
    if (!matches)
        qWarning() << "the alert reads" << popup->property("title") << popup->property("message");
    pressKey(Qt::Key_Return);
    return matches && waitForPopup(alert, false);
}
