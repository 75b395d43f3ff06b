#pragma once

#include <QStringList>
#include <QtGlobal>

// Collects the application's console lines while in scope, so a test can
// check the exact lines, and that none were written.
class ConsoleCapture
{
public:
    ConsoleCapture() { m_previous = qInstallMessageHandler(&ConsoleCapture::handle); }
    ~ConsoleCapture() { qInstallMessageHandler(m_previous); }
    ConsoleCapture(const ConsoleCapture &) = delete;
    ConsoleCapture &operator=(const ConsoleCapture &) = delete;

    static QStringList &lines()
    {
        static QStringList captured;
        return captured;
    }

private:
    static void handle(QtMsgType, const QMessageLogContext &, const QString &message)
    {
        lines().append(message);
    }

    QtMessageHandler m_previous = nullptr;
};
