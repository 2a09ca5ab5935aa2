// The wizard's lasting state: one registry key under HKEY_LOCAL_MACHINE.
// Every operation opens what it needs and closes it before returning; none
// keeps a key open between calls. Failures are silent.
#pragma once

#include <string>

namespace tavrik {

extern const char* const kProductKey;      // SOFTWARE\NORVA\BRENDOL_PC
extern const char* const kMakerKey;        // SOFTWARE\NORVA
extern const char* const kZeliaMarkerKey;  // SOFTWARE\VORP
extern const char* const kRunOnceKey;      // SOFTWARE\Microsoft\Windows\CurrentVersion\RunOnce

// Whether the key exists, without creating it.
bool RegKeyExists(const std::string& key);

// The value's text, or "" when the key cannot be opened, the value is
// missing or holds something other than a string. Opening creates a missing
// key, so a read leaves the (empty) key behind.
void ReadRegString(std::string& result, const std::string& key, const std::string& valueName);

// Creates the key when missing, writes the string, flushes. Always true.
bool WriteRegString(const std::string& key, const std::string& valueName, const std::string& text);

// Deletes the key with all its sub-keys, flushes. Always true.
bool DeleteRegKey(const std::string& key);

// Creates the key when missing, deletes the value, flushes. Always true.
bool DeleteRegValue(const std::string& key, const std::string& valueName);

}  // namespace tavrik
