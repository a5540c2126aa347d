// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "suggestions.h"

#include "matchkey.h"
#include "unitindex.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace unitavo {

namespace {

// Edits (insertions, deletions, substitutions and swaps of two neighbours) that turn a into b;
// anything above `limit` is reported as limit + 1.
int editDistance(QStringView a, QStringView b, int limit)
{
    const auto n = a.size();
    const auto m = b.size();
    if (std::abs(n - m) > limit)
        return limit + 1;
    std::vector<std::vector<int>> d(n + 1, std::vector<int>(m + 1));
    for (qsizetype i = 0; i <= n; ++i)
        d[i][0] = int(i);
    for (qsizetype j = 0; j <= m; ++j)
        d[0][j] = int(j);
    for (qsizetype i = 1; i <= n; ++i) {
        for (qsizetype j = 1; j <= m; ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return std::min(d[n][m], limit + 1);
}

} // namespace

QList<UnitRef> suggestions(QStringView text, const Quantity *within, int count)
{
    const QString key = matchKey(text);
    if (key.isEmpty() || count <= 0)
        return {};
    // Short texts allow fewer edits, or everything would be close to everything.
    const int limit = key.size() <= 3 ? 1 : key.size() <= 6 ? 2 : 3;

    struct Scored {
        int distance;
        int ordinal;
        UnitRef unit;
    };
    std::vector<Scored> best;
    for (const UnitIndexEntry &entry : unitIndex()) {
        if (within && entry.unit.quantity != within)
            continue;
        int distance = editDistance(key, entry.key, limit);
        if (key.size() >= 3 && entry.key.startsWith(key))
            distance = std::min(distance, 1);
        if (distance > limit)
            continue;
        auto same = std::find_if(
            best.begin(), best.end(), [&](const Scored &s) { return s.unit == entry.unit; });
        if (same == best.end())
            best.push_back({distance, entry.ordinal, entry.unit});
        else
            same->distance = std::min(same->distance, distance);
    }
    std::stable_sort(best.begin(), best.end(), [](const Scored &a, const Scored &b) {
        return a.distance != b.distance ? a.distance < b.distance : a.ordinal < b.ordinal;
    });
    QList<UnitRef> closest;
    for (std::size_t i = 0; i < best.size() && closest.size() < count; ++i)
        closest.append(best[i].unit);
    return closest;
}

} // namespace unitavo
