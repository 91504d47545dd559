# What the Windows folder carries besides Morvane's own files, one component
# at a time: its name, its licence, the DLLs it brings (by their place in the
# folder) and, for the MinGW-w64 runtimes, the Debian package they come from,
# whose copyright file is their notice. WindowsRuntime.cmake installs exactly
# these DLLs, THIRD-PARTY-NOTICES.txt names each under its component's notice,
# and the notices tests hold the two together.
#
# Plain data, so that scripts (cmake -P) and a Linux build can read it too.

set(MORVANE_WINDOWS_COMPONENTS qt gcc mingw)

# Qt's notice is assembled from its source tree (see ThirdPartyNotices.cmake).
set(qt_NAME "Qt")
set(qt_LICENCE "LGPL-3.0-only (Qt's own code; the parts it bundles under their own licences, below)")
set(qt_DLLS Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll
    platforms/qwindows.dll styles/qwindowsvistastyle.dll)

set(gcc_NAME "GCC runtime libraries (libgcc, libstdc++)")
set(gcc_LICENCE "GPL-3.0-or-later WITH GCC-exception-3.1")
set(gcc_PACKAGE gcc-mingw-w64-x86-64-posix-runtime)
# The copyright file leaves the GPL's text to the system's common licences.
set(gcc_COMMON_LICENCES GPL-3)
set(gcc_DLLS libgcc_s_seh-1.dll libstdc++-6.dll)

set(mingw_NAME "MinGW-w64 runtime (winpthreads, and the start-up code built into every program and DLL here)")
set(mingw_LICENCE "MIT, BSD-3-Clause and public domain (winpthreads); ZPL-2.1 and public domain (start-up code)")
set(mingw_PACKAGE mingw-w64-x86-64-dev)
set(mingw_DLLS libwinpthread-1.dll)
