// The Windows API as platform/win32 uses it. Include this instead of
// <windows.h>: it removes the ANSI/Unicode macros that would otherwise
// rename the seam's methods of the same names (CreateProcess, DeleteFile ...).
#pragma once

// The seam first, so that its declarations are read before the macros exist.
#include "platform/Machine.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>
#include <tlhelp32.h>

#undef CopyFile
#undef CreateDirectory
#undef CreateProcess
#undef DeleteFile
#undef ExitWindows
#undef GetEnvironmentVariable
#undef LoadLibrary

namespace tavrik::platform::win32 {

inline HANDLE ToHandle(Handle handle) { return reinterpret_cast<HANDLE>(handle); }
inline HWND ToWindow(Handle handle) { return reinterpret_cast<HWND>(handle); }
inline HMODULE ToModule(Handle handle) { return reinterpret_cast<HMODULE>(handle); }

template <typename T>
Handle FromApi(T* handle) {
    return reinterpret_cast<Handle>(handle);
}

}  // namespace tavrik::platform::win32
