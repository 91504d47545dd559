#pragma once

#include <QByteArrayView>
#include <QIODevice>

// Every write of a data file goes through writeAll(), and every step of a
// multi-file save through reachStep(), so that tests can make the next write
// fail partway or stop a save after any step, as a full disk or a killed
// process would. Nothing sets a fault outside tests.
namespace morvane::faults {

// Writes all bytes; false when the device (or an injected fault) took fewer.
bool writeAll(QIODevice& device, QByteArrayView bytes);
// False when the save must stop here as if the process had been killed.
bool reachStep();

// Test seams: writing fails once `bytes` more bytes have been written, in
// whatever writes; a save stops after `steps` more steps. A negative value
// clears the fault.
void failWritesAfter(qint64 bytes);
void stopAfterSteps(int steps);

} // namespace morvane::faults
