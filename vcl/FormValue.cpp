#include "vcl/FormValue.h"

#include <limits>
#include <utility>

#include "vcl/Component.h"

namespace tavrik::vcl {

namespace {

FormValueError Expected(const char* what, const FormValue& value) {
    return FormValueError(std::string("expected ") + what + ", found " + KindName(value.kind));
}

const std::pair<const char*, TColor> kColorNames[] = {
    {"clBlack", clBlack},         {"clMaroon", clMaroon},
    {"clGreen", clGreen},         {"clOlive", clOlive},
    {"clNavy", clNavy},           {"clPurple", clPurple},
    {"clTeal", clTeal},           {"clGray", clGray},
    {"clSilver", clSilver},       {"clRed", clRed},
    {"clLime", clLime},           {"clYellow", clYellow},
    {"clBlue", clBlue},           {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},           {"clWhite", clWhite},
    {"clScrollBar", clScrollBar}, {"clBackground", clBackground},
    {"clWindow", clWindow},       {"clWindowText", clWindowText},
    {"clBtnFace", clBtnFace},     {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},   {"clBtnText", clBtnText},
    {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText},
};

const std::pair<const char*, TFontCharset> kCharsetNames[] = {
    {"ANSI_CHARSET", ANSI_CHARSET},
    {"DEFAULT_CHARSET", DEFAULT_CHARSET},
    {"SYMBOL_CHARSET", SYMBOL_CHARSET},
    {"SHIFTJIS_CHARSET", SHIFTJIS_CHARSET},
    {"HANGEUL_CHARSET", HANGEUL_CHARSET},
    {"GB2312_CHARSET", GB2312_CHARSET},
    {"CHINESEBIG5_CHARSET", CHINESEBIG5_CHARSET},
    {"OEM_CHARSET", OEM_CHARSET},
    {"JOHAB_CHARSET", JOHAB_CHARSET},
    {"HEBREW_CHARSET", HEBREW_CHARSET},
    {"ARABIC_CHARSET", ARABIC_CHARSET},
    {"GREEK_CHARSET", GREEK_CHARSET},
    {"TURKISH_CHARSET", TURKISH_CHARSET},
    {"VIETNAMESE_CHARSET", VIETNAMESE_CHARSET},
    {"THAI_CHARSET", THAI_CHARSET},
    {"EASTEUROPE_CHARSET", EASTEUROPE_CHARSET},
    {"RUSSIAN_CHARSET", RUSSIAN_CHARSET},
    {"MAC_CHARSET", MAC_CHARSET},
    {"BALTIC_CHARSET", BALTIC_CHARSET},
};

const std::pair<const char*, TCursor> kCursorNames[] = {
    {"crDefault", TCursor::crDefault},
    {"crArrow", TCursor::crArrow},
    {"crHourGlass", TCursor::crHourGlass},
    {"crHandPoint", TCursor::crHandPoint},
};

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
        case FormValue::Kind::List:
            return "a list";
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

std::vector<std::string> ToStringList(const FormValue& value) {
    if (value.kind != FormValue::Kind::List) throw Expected("a list of strings", value);
    return value.items;
}

std::string ToIdentifier(const FormValue& value) {
    if (value.kind != FormValue::Kind::Identifier) throw Expected("an identifier", value);
    return value.text;
}

TColor ToColor(const FormValue& value) {
    if (value.kind == FormValue::Kind::Integer) {
        if (value.integer < 0 || value.integer > 0xFFFFFFFFLL) {
            throw FormValueError("colour out of range");
        }
        return static_cast<TColor>(value.integer);
    }
    const std::string name = ToIdentifier(value);
    for (const auto& entry : kColorNames) {
        if (SameText(name, entry.first)) return entry.second;
    }
    throw FormValueError("unknown colour " + name);
}

TFontCharset ToCharset(const FormValue& value) {
    if (value.kind == FormValue::Kind::Integer) {
        if (value.integer < 0 || value.integer > 255) throw FormValueError("charset out of range");
        return static_cast<TFontCharset>(value.integer);
    }
    const std::string name = ToIdentifier(value);
    for (const auto& entry : kCharsetNames) {
        if (SameText(name, entry.first)) return entry.second;
    }
    throw FormValueError("unknown charset " + name);
}

TCursor ToCursor(const FormValue& value) {
    if (value.kind == FormValue::Kind::Integer) return static_cast<TCursor>(ToInt(value));
    const std::string name = ToIdentifier(value);
    for (const auto& entry : kCursorNames) {
        if (SameText(name, entry.first)) return entry.second;
    }
    throw FormValueError("unknown cursor " + name);
}

std::uint32_t ToSet(const FormValue& value, const std::vector<const char*>& names) {
    if (value.kind != FormValue::Kind::Set) throw Expected("a set", value);
    std::uint32_t bits = 0;
    for (const std::string& member : value.items) {
        std::size_t i = 0;
        while (i < names.size() && !SameText(member, names[i])) ++i;
        if (i == names.size()) throw FormValueError("unknown set member " + member);
        bits |= 1u << i;
    }
    return bits;
}

}  // namespace tavrik::vcl
