// A property value as a form description writes it, and the conversions
// the property setters use. A conversion that does not fit raises
// FormValueError; the reader turns it into an EReadError naming the line.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "vcl/Color.h"
#include "vcl/Component.h"
#include "vcl/Cursor.h"
#include "vcl/Font.h"

namespace tavrik::vcl {

struct FormValue {
    enum class Kind { Integer, String, Identifier, Set };
    Kind kind = Kind::Integer;
    std::int64_t integer = 0;
    std::string text;                // String and Identifier
    std::vector<std::string> items;  // Set: identifiers
};

class FormValueError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

const char* KindName(FormValue::Kind kind);

int ToInt(const FormValue& value);
bool ToBool(const FormValue& value);
std::string ToText(const FormValue& value);
// An identifier (or component name) as written.
std::string ToIdentifier(const FormValue& value);
TColor ToColor(const FormValue& value);
TFontCharset ToCharset(const FormValue& value);
TCursor ToCursor(const FormValue& value);

// A set whose members are named by `names`; member i sets bit i.
std::uint32_t ToSet(const FormValue& value, const std::vector<const char*>& names);

// An enumeration whose values are named by `names` in order. Names, like
// every identifier of a description, compare without regard to case.
template <typename E>
E ToEnum(const FormValue& value, const std::vector<const char*>& names) {
    const std::string name = ToIdentifier(value);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (SameText(name, names[i])) return static_cast<E>(i);
    }
    std::string expected;
    for (const char* candidate : names) {
        expected += expected.empty() ? candidate : std::string(", ") + candidate;
    }
    throw FormValueError("unknown value " + name + " (expected one of " + expected + ")");
}

}  // namespace tavrik::vcl
