// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PhotoLibrary.h"

#include <QDir>

QString PhotoLibrary::visibleText(const QString &text)
{
    QString visible;
    visible.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            break;
        default:
            visible += QString::fromUcs4(&c, 1);
        }
    }
    return visible;
}

QString PhotoLibrary::appName(const QString &name, qint64 id)
{
    QString shown = visibleText(name).trimmed();
    shown.remove(u'.');
    return shown.trimmed().isEmpty() ? QString::number(id) : name;
}

QString PhotoLibrary::photoTitle(const QString &appName, const QString &what)
{
    QString name = visibleText(appName).left(60);
    if (!name.isEmpty() && name.back().isHighSurrogate())
        name.chop(1);
    name = name.trimmed();
    return name.isEmpty() ? what : name + u' ' + what;
}

QString PhotoLibrary::screenshotTitle(const QString &appName, int number)
{
    const QString word = qtTrId("file_name_screenshot");
    return photoTitle(appName, number > 0 ? word + u' ' + QString::number(number) : word);
}

QString PhotoLibrary::readable(const QString &place)
{
    const QString home = QDir::homePath() + u'/';
    if (place.startsWith(home))
        return QStringLiteral("~/") + place.mid(home.size());
    return QDir::toNativeSeparators(place);
}
