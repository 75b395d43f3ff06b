// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The store-link parser on long text: a mebibyte of almost-links (hosts and
// "app" segments without an identifier) on one line, with and without a link
// at its end. Budget: 100 ms.

#include "workflow/AppStoreURLParser.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

int main()
{
    QString text = QStringLiteral("apps.apple.com/app/").repeated((1 << 20) / 19 + 1);
    text.truncate(1 << 20);
    for (const QString &subject : { text, text + QStringLiteral("/id42") }) {
        std::vector<double> ms;
        bool found = false;
        for (int run = 0; run < 15; ++run) {
            QElapsedTimer timer;
            timer.start();
            found = AppStoreURLParser::parse(subject).has_value();
            ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        std::sort(ms.begin(), ms.end());
        std::printf("%lld characters, %-9s median %7.2f ms   (budget 100 ms: %s)\n",
            qint64(subject.size()), found ? "a link" : "no link", ms[ms.size() / 2],
            ms[ms.size() / 2] <= 100 ? "met" : "OVER");
    }
    return 0;
}
