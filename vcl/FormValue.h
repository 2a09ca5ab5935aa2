// A property value as a form description writes it, and the conversions
// the property setters use. A conversion that does not fit raises
// FormValueError; the reader turns it into an EReadError naming the line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vcl/Color.h"
#include "vcl/Component.h"
#include "vcl/Cursor.h"
#include "vcl/Exceptions.h"
#include "vcl/Font.h"

namespace tavrik::vcl {

struct FormValue {
    enum class Kind { Integer, String, Identifier, Set };
    Kind kind = Kind::Integer;
    std::int64_t integer = 0;
    std::string text;                // String and Identifier
    std::vector<std::string> items;  // Set: identifiers
};

class FormValueError : public MessageError {
public:
    using MessageError::MessageError;
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

// The names of an enumeration's values or of a set's members, in order.
struct NameList {
    template <std::size_t N>
    constexpr NameList(const char* const (&list)[N]) : names(list), count(N) {}  // NOLINT
    constexpr NameList(const char* const* list, std::size_t size) : names(list), count(size) {}
    const char* const* names;
    std::size_t count;
};

// A set whose members are named by `names`; member i sets bit i.
std::uint32_t ToSet(const FormValue& value, NameList names);

// The position of the value's name in `names`. Names, like every identifier
// of a description, compare without regard to case.
std::size_t ToEnumIndex(const FormValue& value, NameList names);

// An enumeration whose values are named by `names` in order.
template <typename E>
E ToEnum(const FormValue& value, NameList names) {
    return static_cast<E>(ToEnumIndex(value, names));
}

}  // namespace tavrik::vcl
