// The wizard's lasting state: one registry key under HKEY_LOCAL_MACHINE.
// Every operation opens what it needs and closes it before returning; none
// keeps a key open between calls. Writes and deletions report whether they
// took effect, so a caller that must record something (the installation
// state) can tell when the PC refused it (no administrator rights).
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

// Creates the key when missing, writes the string, flushes. False when the
// key could not be opened or the value not written.
bool WriteRegString(const std::string& key, const std::string& valueName, const std::string& text);

// Writes the string and reads it back: true only when the PC keeps it (a
// value the wizard relies on later, where a write that looked fine is not
// enough).
bool WriteRegStringKept(const std::string& key, const std::string& valueName,
                        const std::string& text);

// Deletes the key with all its sub-keys, flushes. True when the key is gone
// afterwards (also when it was already missing).
bool DeleteRegKey(const std::string& key);

// Creates the key when missing, deletes the value, flushes. True when the
// value is gone afterwards (also when it was already missing).
bool DeleteRegValue(const std::string& key, const std::string& valueName);

}  // namespace tavrik
