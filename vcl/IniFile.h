// An INI file read through the platform seam (GetPrivateProfileString
// rules: a bare file name is looked for in the Windows folder, ".\x.ini"
// in the current one). A missing file, section or key reads as the default.
#pragma once

#include <string>

#include "vcl/Events.h"

namespace tavrik::vcl {

class TIniFile : public TObject {
public:
    explicit TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}
    const char* ClassName() const override { return "TIniFile"; }

    const std::string& FileName() const { return fileName_; }
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // The value converted as StrToIntDef converts it; the default when the
    // key is missing or its text is not an integer.
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    // ReadInteger(..., default ? 1 : 0) != 0.
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;

private:
    std::string fileName_;
};

// The framework's integer conversion: optional blanks in front, an optional
// sign, decimal digits or hexadecimal after '$' or "0x", nothing after the
// number, within the 32-bit range. False when the text is not such a number.
bool TryStrToInt(const std::string& text, int& value);
int StrToIntDef(const std::string& text, int defaultValue);

}  // namespace tavrik::vcl
