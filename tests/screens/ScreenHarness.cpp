#include "ScreenHarness.h"

#include "screens/ScreensEngine.h"
#include "store/HistoryManager.h"
#include "store/SearchHistoryManager.h"

#include <QFont>
#include <QSet>
#include <QStandardPaths>
#include <QTest>
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
    for (const QQuickItem *ancestor = item; ancestor; ancestor = ancestor->parentItem()) {
        if (ancestor->opacity() == 0)
            return false;
    }
    return item && item->isVisible() && item->width() > 0 && item->height() > 0;
}

} // namespace

ScreenHarness::ScreenHarness()
{
    static const bool prepared = (ScreensEngine::prepareApplication(), true);
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
    return first(m_window, [&](QObject *object) { return object->objectName() == objectName; });
}

QQuickItem *ScreenHarness::visibleItem(const QString &objectName, QObject *root) const
{
    return qobject_cast<QQuickItem *>(first(root ? root : m_window.data(), [&](QObject *object) {
        return object->objectName() == objectName && isShown(qobject_cast<QQuickItem *>(object));
    }));
}

QString ScreenHarness::shownText(const QString &objectName, const char *property) const
{
    QQuickItem *shown = visibleItem(objectName);
    return shown ? shown->property(property).toString() : QStringLiteral("<hidden>");
}

bool ScreenHarness::settled(const QString &page, const QString &navigation) const
{
    QQuickItem *stack = visibleItem(navigation);
    return shown(page) && stack && !stack->property("busy").toBool();
}

QStringList ScreenHarness::visibleTexts() const
{
    QStringList texts;
    first(m_window.data(), [&](QObject *object) {
        auto *item = qobject_cast<QQuickItem *>(object);
        if (!isShown(item) || item->property("font").value<QFont>().family() == "Vellumar Symbols")
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

QObject *ScreenHarness::viewModel() const
{
    QObject *view = contentView();
    return view ? view->property("viewModel").value<QObject *>() : nullptr;
}

QPoint ScreenHarness::centreOf(QQuickItem *item) const
{
    // A grab polishes every item first; without it a row laid out since the
    // last frame can still report its old place.
    m_window->grabWindow();
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
}

bool ScreenHarness::click(QQuickItem *item)
{
    if (!isShown(item))
        return false;
    QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier, centreOf(item));
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
    typeText(term);
    pressKey(Qt::Key_Return);
    QObject *model = viewModel();
    return waitFor([&] { return !model->property("isLoading").toBool(); });
}

void ScreenHarness::press(QQuickItem *item, QPoint drift, int holdMs)
{
    const QPoint start = centreOf(item);
    QTest::mousePress(m_window, Qt::LeftButton, Qt::NoModifier, start);
    for (int step = 1; step <= 10 && !drift.isNull(); ++step)
        QTest::mouseMove(m_window, start + drift * step / 10, 10);
    QTest::qWait(holdMs);
    QTest::mouseRelease(m_window, Qt::LeftButton, Qt::NoModifier, start + drift);
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

bool ScreenHarness::alertShows(const QString &alert, const QString &title, const QString &message)
{
    if (!waitForPopup(alert, true))
        return false;
    QObject *popup = find(alert);
    const bool matches = popup->property("title").toString() == title
        && (message.isNull() || popup->property("message").toString() == message);
    if (!matches)
        qWarning() << "the alert reads" << popup->property("title") << popup->property("message");
    pressKey(Qt::Key_Return);
    return matches && waitForPopup(alert, false);
}

QDir ScreenHarness::photoFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + "/Vellumar");
}

qsizetype ScreenTest::requestsContaining(const QByteArray &part) const
{
    const QList<QByteArray> lines = catalogue->requestLines();
    return std::count_if(
        lines.cbegin(), lines.cend(), [&](const QByteArray &line) { return line.contains(part); });
}

AppItem ScreenTest::historyItem(int index) const
{
    const FixtureCatalogue::App &app = FixtureCatalogue::apps().at(index);
    return AppItem { app.trackId, app.trackName, catalogue->artworkUrl(app.trackId, "100x100"),
        catalogue->artworkUrl(app.trackId, "512x512"), std::nullopt };
}

bool ScreenTest::openSearchResult(int row, bool untilLoaded)
{
    return screen->submit(QStringLiteral("app"))
        && screen->click(QStringLiteral("resultRow_%1").arg(row)) && ScreenHarness::waitFor([&] {
               return screen->settled("appDetailView", "searchNavigation")
                   && (!untilLoaded || screen->shown("detailStack"));
           });
}

void ScreenTest::init()
{
    HistoryManager::shared()->clearAllHistory();
    SearchHistoryManager::shared()->clearAllHistory();
    QFile::remove(ScreenHarness::photoFolder().path());
    ScreenHarness::photoFolder().removeRecursively();
    catalogue->clearRequests();
    screen = std::make_unique<ScreenHarness>();
    QVERIFY(screen->window());
}
