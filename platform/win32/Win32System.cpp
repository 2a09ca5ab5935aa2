// Fixed drives, power, version, locale, screen size, error mode and dynamic
// libraries.
#include <string>
#include <vector>

#include "platform/VersionRecords.h"
#include "platform/win32/GrowingBuffer.h"
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Machine.h"

namespace tavrik::platform {

using win32::FromApi;
using win32::ToModule;

// GetLogicalDriveStringsA's list ("A:\\\0C:\\\0\0") is read whole, however
// many drives it names, and each root asked for its type.
std::vector<std::string> Win32Machine::FixedDrives() {
    std::string drives;
    win32::ReadSizedText(
        [](char* buffer, DWORD size) { return ::GetLogicalDriveStringsA(size, buffer); }, drives);
    std::vector<std::string> fixed;
    for (std::size_t at = 0; at < drives.size() && drives[at] != '\0';) {
        const std::string root = drives.c_str() + at;
        if (::GetDriveTypeA(root.c_str()) == DRIVE_FIXED) {
            fixed.push_back(root);
        }
        at += root.size() + 1;
    }
    return fixed;
}

bool Win32Machine::GetPowerStatus(PowerStatus& status) {
    SYSTEM_POWER_STATUS system{};
    if (!::GetSystemPowerStatus(&system)) {
        return false;
    }
    status.acLineStatus = system.ACLineStatus;
    status.batteryFlag = system.BatteryFlag;
    status.batteryLifePercent = system.BatteryLifePercent;
    status.batteryLifeTime = system.BatteryLifeTime;
    status.batteryFullLifeTime = system.BatteryFullLifeTime;
    return true;
}

bool Win32Machine::WindowsVersion(OsVersion& version) {
    return ReadVersionFromEitherRecord(
        [](std::uint32_t recordSize, OsVersion& read) {
            OSVERSIONINFOEXA record{};
            record.dwOSVersionInfoSize = recordSize;
            if (!::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&record))) {
                return false;
            }
            read.major = record.dwMajorVersion;
            read.minor = record.dwMinorVersion;
            read.build = record.dwBuildNumber;
            read.platformId = record.dwPlatformId;
            read.servicePack = record.szCSDVersion;
            return true;
        },
        version);
}

std::string Win32Machine::SystemDefaultLanguageName() {
    char name[16];
    const int length =
        ::GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_SISO639LANGNAME, name, sizeof name);
    // The length counts the final NUL.
    return length > 1 ? std::string(name, static_cast<std::size_t>(length - 1)) : std::string();
}

ScreenSize Win32Machine::FullScreenSize() {
    return {::GetSystemMetrics(SM_CXFULLSCREEN), ::GetSystemMetrics(SM_CYFULLSCREEN)};
}

unsigned Win32Machine::SwapErrorMode(unsigned mode) { return ::SetErrorMode(mode); }

Handle Win32Machine::OpenLibrary(const std::string& name) {
    return FromApi(::LoadLibraryA(name.c_str()));
}

void* Win32Machine::LibraryEntry(Handle library, const std::string& name) {
    if (library == kNoHandle) {
        return nullptr;
    }
    return reinterpret_cast<void*>(::GetProcAddress(ToModule(library), name.c_str()));
}

bool Win32Machine::CloseLibrary(Handle library) {
    return library != kNoHandle && ::FreeLibrary(ToModule(library)) != FALSE;
}

}  // namespace tavrik::platform
