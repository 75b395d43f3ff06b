// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the catalogue client's pure work: decoding a 200-result search
// answer into AppItem records, and building a request address.

#include "FixtureCatalogue.h"
#include "catalogue/AppStoreAPI.h"
#include "catalogue/CatalogueAnswers.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Median nanoseconds per call of `work`, over `rounds` rounds of `perRound`
// calls each.
template<typename Work>
double medianNs(int rounds, int perRound, Work &&work)
{
    std::vector<double> samples;
    samples.reserve(rounds);
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < perRound; ++i)
            work();
        samples.push_back(double(timer.nsecsElapsed()) / perRound);
    }
    std::nth_element(samples.begin(), samples.begin() + rounds / 2, samples.end());
    return samples[rounds / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const FixtureCatalogue fixture;
    const QByteArray answer = fixture.searchAnswer(FixtureCatalogue::manyTerm);

    qsizetype decoded = 0;
    const double decodeNs = medianNs(101, 5, [&] {
        const Result<SearchResult> result = SearchResult::decode(answer);
        decoded += result ? result.value().results.size() : -1;
    });
    if (decoded != 101 * 5 * 200) {
        std::fprintf(stderr, "decoding failed\n");
        return 1;
    }

    qsizetype built = 0;
    const QString plain = QStringLiteral("notes");
    const QString mixed = QStringLiteral("微信 notes & #1 100%");
    const double plainNs = medianNs(101, 2000,
        [&] { built += AppStoreAPI::searchUrl(plain, QStringLiteral("US")).has_value(); });
    const double mixedNs = medianNs(101, 2000,
        [&] { built += AppStoreAPI::searchUrl(mixed, QStringLiteral("CN")).has_value(); });
    const double lookupNs = medianNs(101, 2000,
        [&] { built += AppStoreAPI::lookupUrl(1234567890123, QStringLiteral("CN")).has_value(); });

    std::printf("%-44s %14s\n", "catalogue client (median of 101 rounds)", "time");
    std::printf("%-44s %11.1f us  (%.2f us/item, %lld bytes)\n", "decode 200-result search answer",
        decodeNs / 1000, decodeNs / 1000 / 200, static_cast<long long>(answer.size()));
    std::printf("%-44s %11.2f us\n", "search address, \"notes\"", plainNs / 1000);
    std::printf("%-44s %11.2f us\n", "search address, CJK and &#% in the term", mixedNs / 1000);
    std::printf("%-44s %11.2f us\n", "lookup address", lookupNs / 1000);
    return built == 3 * 101 * 2000 ? 0 : 1;
}
