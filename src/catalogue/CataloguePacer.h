// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <qcorotask.h>

#include <chrono>
#include <optional>

// Spaces one client's calls to the catalogue, which answers about 20 a minute: a burst
// of 20 goes at once, then one every 3 seconds, so a person's searches are not
// held up while a run of many lookups is spread out. Retries wait in the same
// seconds. For the GUI thread only.
class CataloguePacer
{
public:
    static constexpr int burst = 20;
    static constexpr int callsPerMinute = 20;

    // How long a second of the waits lasts. Tests shorten it.
    static void setWaitUnit(std::chrono::milliseconds unit);
    [[nodiscard]] static std::chrono::milliseconds waitUnit();

    // Takes the next turn for a call made at `now`: how long it waits for it.
    [[nodiscard]] std::chrono::milliseconds reserve(std::chrono::steady_clock::time_point now);
    // Waits for the next turn.
    QCoro::Task<> takeTurn();
    // Returns a turn taken but not used.
    void giveBack();
    // Waits `seconds` of the wait unit.
    static QCoro::Task<> wait(int seconds);

private:
    double m_turns = burst;
    std::optional<std::chrono::steady_clock::time_point> m_counted;
};
