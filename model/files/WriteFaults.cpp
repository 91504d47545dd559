#include "model/files/WriteFaults.h"

#include <atomic>

namespace morvane::faults {
namespace {

std::atomic<qint64> writeBudget{-1};
std::atomic<int> stepBudget{-1};

} // namespace

bool writeAll(QIODevice& device, QByteArrayView bytes)
{
    const qint64 budget = writeBudget.load();
    if (budget >= 0 && budget < bytes.size()) {
        writeBudget.store(-1);
        device.write(bytes.data(), budget);
        return false;
    }
    if (budget >= 0)
        writeBudget.store(budget - bytes.size());
    return device.write(bytes.data(), bytes.size()) == bytes.size();
}

bool reachStep()
{
    int budget = stepBudget.load();
    if (budget < 0)
        return true;
    if (budget == 0)
        return false;
    stepBudget.store(budget - 1);
    return true;
}

void failWritesAfter(qint64 bytes)
{
    writeBudget.store(bytes);
}

void stopAfterSteps(int steps)
{
    stepBudget.store(steps);
}

} // namespace morvane::faults
