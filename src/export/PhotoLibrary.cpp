#include "PhotoLibrary.h"

#include "DesktopPhotoLibrary.h"

#include <QDir>

PhotoLibrary *PhotoLibrary::shared()
{
    // Never destroyed: work on the thread pool may still use it while the
    // process exits.
    static PhotoLibrary *const library = new DesktopPhotoLibrary;
    return library;
}

QString PhotoLibrary::photoTitle(const QString &appName, const QString &what)
{
    QString name = appName.left(60);
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
