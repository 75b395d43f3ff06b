#pragma once

#include <QDBusVariant>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

class QJSEngine;
class QQmlEngine;

// What the screens learn from the desktop around them: whether it prefers a
// dark look (the freedesktop settings portal, followed live; light when
// nothing answers) and where saved photos go.
class Desktop : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    // Writable so that a preview can show either look; the desktop's next
    // change overrides it.
    Q_PROPERTY(bool darkMode READ darkMode WRITE setDarkMode NOTIFY darkModeChanged)
    Q_PROPERTY(QString photoFolder READ photoFolder CONSTANT)

public:
    static Desktop *shared();
    static Desktop *create(QQmlEngine *, QJSEngine *);

    [[nodiscard]] bool darkMode() const { return m_darkMode; }
    void setDarkMode(bool dark);
    [[nodiscard]] static QString photoFolder();

Q_SIGNALS:
    void darkModeChanged();

private Q_SLOTS:
    void onSettingChanged(const QString &group, const QString &key, const QDBusVariant &value);

private:
    Desktop();
    void followColorScheme(const QVariant &value);

    bool m_darkMode = false;
};
