// The Windows API as platform/win32 uses it, with the conversions between
// the seam's opaque handles and the API's.
#pragma once

#include "platform/Machine.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>
#include <tlhelp32.h>

namespace tavrik::platform::win32 {

inline HANDLE ToHandle(Handle handle) { return reinterpret_cast<HANDLE>(handle); }
inline HMODULE ToModule(Handle handle) { return reinterpret_cast<HMODULE>(handle); }

template <typename T>
Handle FromApi(T* handle) {
    return reinterpret_cast<Handle>(handle);
}

}  // namespace tavrik::platform::win32
