#include "model/storage/StorageSort.h"

#include "model/storage/Storage.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace morvane {
namespace {

template <typename SameDetail>
bool equalLinesCarryEqualDetails(const std::vector<int>& order, const QStringList& lines,
                                 const SameDetail& sameDetail)
{
    for (size_t k = 1; k < order.size(); ++k) {
        const int previous = order[k - 1];
        const int current = order[k];
        if (lines.at(previous) == lines.at(current) && !sameDetail(previous, current))
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

// Where each line ends up: position k receives the line that stood at
// order[k]. When no two equal lines carry different details, any stable
// order gives the same lines and details as the exchange sort.
template <typename SameDetail>
std::vector<int> sortOrder(const QStringList& lines, const SameDetail& sameDetail)
{
    std::vector<int> order(lines.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&lines](int a, int b) { return lines.at(a) < lines.at(b); });
    if (!equalLinesCarryEqualDetails(order, lines, sameDetail))
        order = exchangeOrder(order, lines);
    return order;
}

} // namespace

SortedLines sortLines(const QStringList& lines, const QStringList& details)
{
    const std::vector<int> order =
        sortOrder(lines, [&details](int a, int b) { return details.at(a) == details.at(b); });
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
    const QStringList lines = storage.lines();
    storage.reorder(sortOrder(lines, [&storage](int a, int b) { return storage.sameDetail(a, b); }));
}

} // namespace morvane
