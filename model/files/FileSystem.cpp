#include "model/files/FileSystem.h"

#include "model/files/FileFailure.h"

#include <QDir>
#include <QFile>

#include <array>
#include <thread>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace morvane {
namespace {

using namespace std::chrono_literals;
using Outcome = FileSystem::Attempt::Outcome;

// 310 ms in all: long enough for a scanner's look at a fresh file, short
// enough that a file held for good is reported without a noticeable wait.
constexpr std::array kWaitsWhileBusy{10ms, 20ms, 40ms, 80ms, 160ms};

template <typename Call>
FileResult attemptWhileBusy(FileSystem& fileSystem, const QString& path, Call call)
{
    FileSystem::Attempt attempt = call();
    for (const std::chrono::milliseconds time : kWaitsWhileBusy) {
        if (attempt.outcome != Outcome::Busy)
            break;
        fileSystem.wait(time);
        attempt = call();
    }
    if (attempt.outcome == Outcome::Done)
        return FileResult::success();
    const bool busy = attempt.outcome == Outcome::Busy;
    return FileResult::failure(path, writeFailureReason(path, 0, busy ? fileInUseReason() : attempt.systemText));
}

#ifdef Q_OS_WIN
std::wstring nativePath(const QString& path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

// A file another program opened without letting others delete it cannot be
// replaced or removed until it is closed: Windows says "sharing violation"
// or "access denied" (the latter also for a read-only file, which the reason
// then names).
FileSystem::Attempt lastError(DWORD error)
{
    const bool busy = error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED;
    return {busy ? Outcome::Busy : Outcome::Failed, qt_error_string(int(error))};
}
#endif

} // namespace

FileSystem& FileSystem::platform()
{
    static FileSystem platformFiles;
    return platformFiles;
}

bool FileSystem::write(QIODevice& device, QByteArrayView bytes)
{
    return device.write(bytes.data(), bytes.size()) == bytes.size();
}

FileSystem::Attempt FileSystem::tryReplace(const QString& from, const QString& to)
{
#ifdef Q_OS_WIN
    if (MoveFileExW(nativePath(from).c_str(), nativePath(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    return lastError(GetLastError());
#else
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return {};
    return {Outcome::Failed, qt_error_string(errno)};
#endif
}

FileSystem::Attempt FileSystem::tryRemove(const QString& path)
{
#ifdef Q_OS_WIN
    if (DeleteFileW(nativePath(path).c_str()))
        return {};
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND ? Attempt{} : lastError(error);
#else
    if (::unlink(QFile::encodeName(path).constData()) == 0 || errno == ENOENT)
        return {};
    return {Outcome::Failed, qt_error_string(errno)};
#endif
}

void FileSystem::syncFolder([[maybe_unused]] const QString& folder)
{
#ifndef Q_OS_WIN
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
}

void FileSystem::wait(std::chrono::milliseconds time)
{
    std::this_thread::sleep_for(time);
}

FileResult FileSystem::replace(const QString& from, const QString& to)
{
    return attemptWhileBusy(*this, to, [&] { return tryReplace(from, to); });
}

FileResult FileSystem::remove(const QString& path)
{
    return attemptWhileBusy(*this, path, [&] { return tryRemove(path); });
}

} // namespace morvane
