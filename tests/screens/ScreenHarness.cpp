#include "ScreenHarness.h"

#include "screens/ScreensEngine.h"

#include <QFont>
#include <QQueue>
#include <QSet>
#include <QTest>
#include <QtQml/QQmlExtensionPlugin>
#include <QtTest/qtestkeyboard.h>

#include <cctype>

Q_IMPORT_QML_PLUGIN(VellumarPlugin)

namespace {

template<typename Visit>
void walk(QObject *root, Visit &&visit)
{
    QQueue<QObject *> queue;
    QSet<QObject *> seen;
    queue.enqueue(root);
    while (!queue.isEmpty()) {
        QObject *object = queue.dequeue();
        if (!object || seen.contains(object))
            continue;
        seen.insert(object);
        if (visit(object))
            return;
        for (QObject *child : object->children())
            queue.enqueue(child);
        if (auto *item = qobject_cast<QQuickItem *>(object)) {
            for (QQuickItem *child : item->childItems())
                queue.enqueue(child);
        }
        if (auto *window = qobject_cast<QQuickWindow *>(object))
            queue.enqueue(window->contentItem());
    }
}

bool isShown(const QQuickItem *item)
{
    return item && item->isVisible() && item->opacity() > 0 && item->width() > 0
        && item->height() > 0;
}

} // namespace

ScreenHarness::ScreenHarness()
{
    static const bool prepared = [] {
        ScreensEngine::prepareApplication();
        return true;
    }();
    Q_UNUSED(prepared);

    m_engine = std::make_unique<QQmlApplicationEngine>();
    ScreensEngine::setUpEngine(*m_engine);
    m_engine->load(ScreensEngine::mainUrl());
    if (!m_engine->rootObjects().isEmpty())
        m_window = qobject_cast<QQuickWindow *>(m_engine->rootObjects().constFirst());
    if (m_window && !QTest::qWaitForWindowExposed(m_window))
        qWarning("the window was never exposed");
}

ScreenHarness::~ScreenHarness()
{
    delete m_window;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QObject *ScreenHarness::find(const QString &objectName) const
{
    QObject *found = nullptr;
    walk(m_window, [&](QObject *object) {
        if (object->objectName() != objectName)
            return false;
        found = object;
        return true;
    });
    return found;
}

QQuickItem *ScreenHarness::item(const QString &objectName) const
{
    return qobject_cast<QQuickItem *>(find(objectName));
}

QQuickItem *ScreenHarness::visibleItem(const QString &objectName, QObject *root) const
{
    QQuickItem *found = nullptr;
    walk(root ? root : m_window.data(), [&](QObject *object) {
        auto *item = qobject_cast<QQuickItem *>(object);
        if (!item || item->objectName() != objectName || !isShown(item))
            return false;
        found = item;
        return true;
    });
    return found;
}

QStringList ScreenHarness::visibleTexts() const
{
    QStringList texts;
    walk(m_window.data(), [&](QObject *object) {
        auto *item = qobject_cast<QQuickItem *>(object);
        if (!isShown(item) || !item->isVisible())
            return false;
        for (QQuickItem *ancestor = item; ancestor; ancestor = ancestor->parentItem()) {
            if (!ancestor->isVisible() || ancestor->opacity() == 0)
                return false;
        }
        if (item->property("font").value<QFont>().family() == QLatin1String("Vellumar Symbols"))
            return false;
        for (const char *name : { "text", "placeholderText" }) {
            const QVariant value = item->property(name);
            if (value.typeId() == QMetaType::QString && !value.toString().isEmpty())
                texts.append(value.toString());
        }
        return false;
    });
    return texts;
}

QObject *ScreenHarness::contentView() const
{
    return visibleItem(QStringLiteral("contentView"));
}

QObject *ScreenHarness::viewModel() const
{
    QObject *view = contentView();
    return view ? view->property("viewModel").value<QObject *>() : nullptr;
}

bool ScreenHarness::click(QQuickItem *item)
{
    if (!isShown(item))
        return false;
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    return true;
}

void ScreenHarness::typeText(const QString &text)
{
    for (const QChar character : text) {
        const char16_t upper = character.toUpper().unicode();
        const auto key = upper < 0x80 && (std::isalnum(upper) || upper == u' ') ? Qt::Key(upper)
                                                                                : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, m_window, key, QString(character), Qt::NoModifier);
    }
}

void ScreenHarness::pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(m_window, key, modifiers);
}

bool ScreenHarness::waitFor(
    const std::function<bool()> &condition, std::chrono::milliseconds timeout)
{
    return QTest::qWaitFor(condition, int(timeout.count()));
}

bool ScreenHarness::waitForPopup(const QString &objectName, bool open)
{
    return waitFor([&] {
        QObject *popup = find(objectName);
        if (!popup)
            return !open;
        return open ? popup->property("opened").toBool() : !popup->property("visible").toBool();
    });
}

QImage ScreenHarness::grab() const
{
    return m_window ? m_window->grabWindow() : QImage();
}
