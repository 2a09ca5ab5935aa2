// Drives, power, version, locale, metrics, error mode and dynamic libraries.
#include <string>

#include "platform/win32/GrowingBuffer.h"
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Machine.h"

namespace tavrik::platform {

using win32::FromApi;
using win32::ToModule;

std::string Win32Machine::LogicalDriveStrings() {
    std::string drives;
    const DWORD length = win32::ReadSizedText(
        [](char* buffer, DWORD size) { return ::GetLogicalDriveStringsA(size, buffer); }, drives);
    if (length == 0) {
        return std::string();
    }
    drives.push_back('\0');  // the empty entry that ends the list
    return drives;
}

unsigned Win32Machine::DriveType(const std::string& rootPath) {
    return ::GetDriveTypeA(rootPath.c_str());
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

bool Win32Machine::GetVersion(OsVersion& version) {
    OSVERSIONINFOEXA record{};
    // The system writes as much as the size field announces: never announce
    // more than this record holds.
    if (version.recordSize > sizeof record) {
        return false;
    }
    record.dwOSVersionInfoSize = version.recordSize;
    if (!::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&record))) {
        return false;
    }
    version.major = record.dwMajorVersion;
    version.minor = record.dwMinorVersion;
    version.build = record.dwBuildNumber;
    version.platformId = record.dwPlatformId;
    version.servicePack = record.szCSDVersion;
    return true;
}

std::string Win32Machine::SystemDefaultLanguageName() {
    char name[16];
    const int length =
        ::GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_SISO639LANGNAME, name, sizeof name);
    // The length counts the final NUL.
    return length > 1 ? std::string(name, static_cast<std::size_t>(length - 1)) : std::string();
}

int Win32Machine::SystemMetric(int index) { return ::GetSystemMetrics(index); }

unsigned Win32Machine::SetErrorMode(unsigned mode) { return ::SetErrorMode(mode); }

Handle Win32Machine::LoadLibrary(const std::string& name) {
    return FromApi(::LoadLibraryA(name.c_str()));
}

void* Win32Machine::GetProcAddress(Handle library, const std::string& name) {
    if (library == kNoHandle) {
        return nullptr;
    }
    return reinterpret_cast<void*>(::GetProcAddress(ToModule(library), name.c_str()));
}

bool Win32Machine::FreeLibrary(Handle library) {
    return library != kNoHandle && ::FreeLibrary(ToModule(library)) != FALSE;
}

}  // namespace tavrik::platform
