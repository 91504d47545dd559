#include "model/StorageSort.h"

#include "model/Storage.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace morvane {
namespace {

bool equalLinesCarryEqualDetails(const std::vector<int>& order, const QStringList& lines,
                                 const QStringList& details)
{
    for (size_t k = 1; k < order.size(); ++k) {
        const int previous = order[k - 1];
        const int current = order[k];
        if (lines.at(previous) == lines.at(current) && details.at(previous) != details.at(current))
            return false;
    }
    return true;
}

// The exchange sort itself, run on small integer ranks instead of texts: the
// same comparisons give the same swaps, at a fraction of the cost.
std::vector<int> exchangeOrder(const std::vector<int>& stableOrder, const QStringList& lines)
{
    const int n = int(stableOrder.size());
    std::vector<int> rank(n);
    int group = 0;
    for (int k = 0; k < n; ++k) {
        if (k > 0 && lines.at(stableOrder[k]) != lines.at(stableOrder[k - 1]))
            ++group;
        rank[stableOrder[k]] = group;
    }
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    for (int i = 0; i + 1 < n; ++i) {
        int smallest = rank[i];
        for (int j = i + 1; j < n; ++j) {
            if (smallest > rank[j]) {
                std::swap(rank[i], rank[j]);
                std::swap(order[i], order[j]);
                smallest = rank[i];
            }
        }
    }
    return order;
}

} // namespace

SortedLines sortLines(const QStringList& lines, const QStringList& details)
{
    std::vector<int> order(lines.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&lines](int a, int b) { return lines.at(a) < lines.at(b); });
    if (!equalLinesCarryEqualDetails(order, lines, details))
        order = exchangeOrder(order, lines);

    SortedLines sorted;
    sorted.lines.reserve(lines.size());
    sorted.details.reserve(lines.size());
    for (const int k : order) {
        sorted.lines.append(lines.at(k));
        sorted.details.append(details.at(k));
    }
    return sorted;
}

void sortStorage(Storage& storage)
{
    const SortedLines sorted = sortLines(storage.lines(), storage.detailsInUse());
    storage.replace(sorted.lines, sorted.details);
}

} // namespace morvane
