#include "model/storage/StorageSort.h"

#include "model/storage/Storage.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace morvane {
namespace {

bool equalLinesCarryEqualDetails(const std::vector<int>& order, const QStringList& lines, const Storage& storage)
{
    for (size_t k = 1; k < order.size(); ++k) {
        const int previous = order[k - 1];
        const int current = order[k];
        if (lines.at(previous) == lines.at(current) && !storage.sameDetail(previous, current))
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
std::vector<int> sortOrder(const QStringList& lines, const Storage& storage)
{
    std::vector<int> order(lines.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&lines](int a, int b) { return lines.at(a) < lines.at(b); });
    if (!equalLinesCarryEqualDetails(order, lines, storage))
        order = exchangeOrder(order, lines);
    return order;
}

} // namespace

void sortStorage(Storage& storage)
{
    storage.reorder(sortOrder(storage.lines(), storage));
}

} // namespace morvane
