// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CataloguePacer.h"

#include <QCoroTimer>

#include <algorithm>
#include <cmath>

namespace {
using namespace std::chrono_literals;
std::chrono::milliseconds unit = 1s;
} // namespace

void CataloguePacer::setWaitUnit(std::chrono::milliseconds waitUnit)
{
    unit = waitUnit;
}

std::chrono::milliseconds CataloguePacer::waitUnit()
{
    return unit;
}

std::chrono::milliseconds CataloguePacer::reserve(std::chrono::steady_clock::time_point now)
{
    // Turns come back one per interval up to the burst; a call without one
    // takes a turn still to come, and waits for it.
    const double interval = double(unit.count()) * 60 / callsPerMinute;
    const double elapsed
        = std::chrono::duration<double, std::milli>(now - m_counted.value_or(now)).count();
    m_turns = std::min<double>(burst, m_turns + elapsed / interval) - 1;
    m_counted = now;
    return std::chrono::milliseconds(m_turns >= 0 ? 0 : qint64(std::ceil(-m_turns * interval)));
}

QCoro::Task<> CataloguePacer::takeTurn()
{
    const std::chrono::milliseconds delay = reserve(std::chrono::steady_clock::now());
    if (delay > 0ms)
        co_await QCoro::sleepFor(delay);
}

void CataloguePacer::giveBack()
{
    m_turns = std::min<double>(burst, m_turns + 1);
}

QCoro::Task<> CataloguePacer::wait(int seconds)
{
    co_await QCoro::sleepFor(seconds * unit);
}
