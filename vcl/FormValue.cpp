#include "vcl/FormValue.h"

#include <limits>
#include <utility>

#include "vcl/Component.h"

namespace tavrik::vcl {

namespace {

FormValueError Expected(const char* what, const FormValue& value) {
    return FormValueError(std::string("expected ") + what + ", found " + KindName(value.kind));
}

// Only the names the wizard's form uses.
const std::pair<const char*, TColor> kColorNames[] = {
    {"clWhite", clWhite},
    {"clYellow", clYellow},
    {"clWindowText", clWindowText},
};

const std::pair<const char*, TFontCharset> kCharsetNames[] = {
    {"DEFAULT_CHARSET", DEFAULT_CHARSET},
};

const std::pair<const char*, TCursor> kCursorNames[] = {
    {"crHourGlass", TCursor::crHourGlass},
    {"crHandPoint", TCursor::crHandPoint},
};

// The value named by `name` in `names`, compared without regard to case.
template <typename T, std::size_t N>
T Named(const FormValue& value, const std::pair<const char*, T> (&names)[N], const char* what) {
    const std::string name = ToIdentifier(value);
    for (const auto& entry : names) {
        if (SameText(name, entry.first)) return entry.second;
    }
    throw FormValueError(std::string("unknown ") + what + " " + name);
}

}  // namespace

const char* KindName(FormValue::Kind kind) {
    switch (kind) {
        case FormValue::Kind::Integer:
            return "an integer";
        case FormValue::Kind::String:
            return "a string";
        case FormValue::Kind::Identifier:
            return "an identifier";
        case FormValue::Kind::Set:
            return "a set";
    }
    return "a value";
}

int ToInt(const FormValue& value) {
    if (value.kind != FormValue::Kind::Integer) throw Expected("an integer", value);
    if (value.integer < std::numeric_limits<int>::min() ||
        value.integer > std::numeric_limits<int>::max()) {
        throw FormValueError("integer out of range");
    }
    return static_cast<int>(value.integer);
}

bool ToBool(const FormValue& value) {
    if (value.kind == FormValue::Kind::Identifier) {
        if (SameText(value.text, "True")) return true;
        if (SameText(value.text, "False")) return false;
    }
    throw Expected("True or False", value);
}

std::string ToText(const FormValue& value) {
    if (value.kind != FormValue::Kind::String) throw Expected("a string", value);
    return value.text;
}

std::string ToIdentifier(const FormValue& value) {
    if (value.kind != FormValue::Kind::Identifier) throw Expected("an identifier", value);
    return value.text;
}

TColor ToColor(const FormValue& value) { return Named(value, kColorNames, "colour"); }

TFontCharset ToCharset(const FormValue& value) { return Named(value, kCharsetNames, "charset"); }

TCursor ToCursor(const FormValue& value) { return Named(value, kCursorNames, "cursor"); }

std::uint32_t ToSet(const FormValue& value, NameList names) {
    if (value.kind != FormValue::Kind::Set) throw Expected("a set", value);
    std::uint32_t bits = 0;
    for (const std::string& member : value.items) {
        std::size_t i = 0;
        while (i < names.count && !SameText(member, names.names[i])) ++i;
        if (i == names.count) throw FormValueError("unknown set member " + member);
        bits |= 1u << i;
    }
    return bits;
}

std::size_t ToEnumIndex(const FormValue& value, NameList names) {
    const std::string name = ToIdentifier(value);
    for (std::size_t i = 0; i < names.count; ++i) {
        if (SameText(name, names.names[i])) return i;
    }
    std::string expected;
    for (std::size_t i = 0; i < names.count; ++i) {
        expected += expected.empty() ? names.names[i] : std::string(", ") + names.names[i];
    }
    throw FormValueError("unknown value " + name + " (expected one of " + expected + ")");
}

}  // namespace tavrik::vcl
