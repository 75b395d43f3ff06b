// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalogue/AppItem.h"
#include "export/IconSaveOptions.h"

#include <QDBusVariant>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QtQml/qqmlregistration.h>
#include <qcorotask.h>

#include <variant>

class ApplicationContext;
class QJSEngine;
class QMimeData;
class QQmlEngine;

// What the screens need of the desktop around them: whether it prefers a
// dark look (the freedesktop settings portal, followed live; light when
// nothing answers), where saved photos go, the clipboard, and dragging
// pictures out to other applications. One for each engine.
class Desktop : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    // Writable so that a preview can show either look; the desktop's next
    // change overrides it.
    Q_PROPERTY(bool darkMode READ darkMode WRITE setDarkMode NOTIFY darkModeChanged)
    Q_PROPERTY(QString photoFolder READ photoFolder CONSTANT)
    // Where people read about Vellumar, and which version this is.
    Q_PROPERTY(QUrl homepage READ homepage CONSTANT)
    Q_PROPERTY(QString version READ version CONSTANT)

public:
    // On the application context of the engine.
    static Desktop *create(QQmlEngine *engine, QJSEngine *);

    [[nodiscard]] bool darkMode() const { return m_darkMode; }
    void setDarkMode(bool dark);
    [[nodiscard]] QString photoFolder() const;
    [[nodiscard]] static QUrl homepage();
    [[nodiscard]] static QString version();

    Q_INVOKABLE static void copyText(const QString &text);
    // Downloads the picture afresh and puts the image itself on the
    // clipboard, with a notice where the window shows them; a failure is
    // reported through the application context.
    Q_INVOKABLE void copyIcon(const AppItem &item);
    Q_INVOKABLE void copyPicture(const QString &address);

    // Downloads the picture and, if the mouse button is still down by then,
    // drags it out of `source`: the image itself and a PNG file titled like
    // a saved photo ("微信 1024 圆角", "微信 截图 2"), for targets that only
    // take files. An icon is sized and shaped as the settings save it; a
    // screenshot's `number` is its place in the strip, from 1.
    Q_INVOKABLE void dragIcon(const AppItem &item, QObject *source);
    Q_INVOKABLE void dragScreenshot(
        const QString &address, const QString &appName, int number, QObject *source);
    // What such a drag carries; nothing when the file cannot be written.
    [[nodiscard]] static QMimeData *pictureMimeData(const QImage &image, const QString &title);

Q_SIGNALS:
    void darkModeChanged();

private Q_SLOTS:
    void onSettingChanged(const QString &group, const QString &key, const QDBusVariant &value);

private:
    explicit Desktop(ApplicationContext &context);
    void followColorScheme(const QVariant &value);
    // `copied`: the notice that says it worked.
    QCoro::Task<> copy(QUrl url, QString copied);
    // An icon with the options it is saved with, or a screenshot by its number.
    QCoro::Task<> drag(QUrl url, QString appName, std::variant<IconSaveOptions, int> what,
        QPointer<QObject> source);

    ApplicationContext &m_context;
    bool m_darkMode = false;
};
