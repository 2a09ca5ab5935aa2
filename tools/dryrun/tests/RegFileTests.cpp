#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/dryrun/RegFile.h"

namespace tavrik::dryrun {
namespace {

using Kind = RegOperation::Kind;

// One operation as "kind root\key\name type:data", the data in hex.
std::string Describe(const RegOperation& operation) {
    static const char* const kinds[] = {"create", "delete-key", "set", "delete-value"};
    static const char* const roots[] = {"HKLM", "HKCU", "other"};
    std::string text = std::string(kinds[static_cast<int>(operation.kind)]) + " " +
                       roots[static_cast<int>(operation.root)] + "\\" + operation.key;
    if (operation.kind == Kind::SetValue || operation.kind == Kind::DeleteValue) {
        text += "\\" + (operation.name.empty() ? std::string("@") : operation.name);
    }
    if (operation.kind == Kind::SetValue) {
        text += " " + std::to_string(operation.value.type) + ":";
        for (const char c : operation.value.data) {
            const auto byte = static_cast<unsigned char>(c);
            text += (byte >= 0x20 && byte < 0x7F) ? std::string(1, c)
                                                  : "<" + std::to_string(byte) + ">";
        }
    }
    return text + " @" + std::to_string(operation.line);
}

std::vector<std::string> Parse(const std::string& text) {
    std::vector<std::string> out;
    for (const RegOperation& operation : ParseRegFile(text)) out.push_back(Describe(operation));
    return out;
}

std::string Utf16(const std::string& ascii) {
    std::string bytes = "\xFF\xFE";
    for (const char c : ascii) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& test) {
    return test.param.what;
}

struct ValidCase {
    const char* what;
    std::string text;
    std::vector<std::string> operations;
};

class RegFileValid : public ::testing::TestWithParam<ValidCase> {};

TEST_P(RegFileValid, ReadsTheOperations) {
    EXPECT_EQ(Parse(GetParam().text), GetParam().operations);
}

INSTANTIATE_TEST_SUITE_P(
    Exports, RegFileValid,
    ::testing::Values(
        ValidCase{"strings_escapes_default_comments_blank_lines",
                  "REGEDIT4\r\n\r\n; a comment\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\A]\r\n"
                  "\"Path\"=\"C:\\\\x \\\"q\\\"\"\r\n@=\"def\"\r\n  ; indented comment\r\n",
                  {"create HKLM\\SOFTWARE\\A @4", "set HKLM\\SOFTWARE\\A\\Path 1:C:\\x \"q\" @5",
                   "set HKLM\\SOFTWARE\\A\\@ 1:def @6"}},
        ValidCase{
            "dword_hex_and_deletions",
            "Windows Registry Editor Version 5.00\n[HKLM\\SOFTWARE\\A]\n\"N\"=dword:0000002A\n"
            "\"B\"=hex:01,ff\n\"Gone\"=-\n[-HKEY_LOCAL_MACHINE\\SOFTWARE\\B]\n",
            {"create HKLM\\SOFTWARE\\A @2", "set HKLM\\SOFTWARE\\A\\N 4:*<0><0><0> @3",
             "set HKLM\\SOFTWARE\\A\\B 3:<1><255> @4", "delete-value HKLM\\SOFTWARE\\A\\Gone @5",
             "delete-key HKLM\\SOFTWARE\\B @6"}},
        ValidCase{
            "hex_continuation_keeps_the_first_line_number",
            "REGEDIT4\r\n[HKEY_CURRENT_USER\\X]\r\n\"B\"=hex:01,02,\\\r\n  03,\\\r\n  "
            "04\r\n\"C\"=\"c\"\r\n",
            {"create HKCU\\X @2", "set HKCU\\X\\B 3:<1><2><3><4> @3", "set HKCU\\X\\C 1:c @6"}},
        ValidCase{"expandable_and_multi_strings_ansi_in_regedit4",
                  "REGEDIT4\n[HKLM\\S]\n\"E\"=hex(2):25,41,25,00\n\"M\"=hex(7):61,00,62,00,00\n"
                  "\"Q\"=hex(b):01,00,00,00,00,00,00,00\n",
                  {"create HKLM\\S @2", "set HKLM\\S\\E 2:%A% @3", "set HKLM\\S\\M 7:a<0>b<0> @4",
                   "set HKLM\\S\\Q 11:<1><0><0><0><0><0><0><0> @5"}},
        ValidCase{"utf16_file_with_utf16_expandable_string",
                  Utf16("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\S]\r\n"
                        "\"E\"=hex(2):43,00,3a,00,00,00\r\n\"T\"=\"t\"\r\n"),
                  {"create HKLM\\S @3", "set HKLM\\S\\E 2:C: @4", "set HKLM\\S\\T 1:t @5"}},
        ValidCase{
            "other_roots_are_kept_apart",
            "REGEDIT4\n[HKEY_USERS\\.DEFAULT]\n\"L\"=\"x\"\n[HKEY_CLASSES_ROOT]\n",
            {"create other\\.DEFAULT @2", "set other\\.DEFAULT\\L 1:x @3", "create other\\ @4"}}),
    CaseName<ValidCase>);

TEST(RegFile, CharactersOfAUtf16FileBecomeCodePage1252) {
    // "é€Ω": Latin-1, a code page 1252 letter above 0x7F, one beyond it.
    const std::string text =
        std::string("\xFF\xFE") +
        std::string(
            Utf16("Windows Registry Editor Version 5.00\r\n[HKLM\\S]\r\n\"N\"=\"").substr(2)) +
        std::string("\xE9\x00\xAC\x20\xA9\x03", 6) + std::string("\"\x00\r\x00\n\x00", 6);
    const std::vector<RegOperation> operations = ParseRegFile(text);
    ASSERT_EQ(operations.size(), 2u);
    EXPECT_EQ(operations[1].value.data, "\xE9\x80?");
}

struct BadCase {
    const char* what;
    std::string text;
    int line;
    const char* message;
};

class RegFileMalformed : public ::testing::TestWithParam<BadCase> {};

TEST_P(RegFileMalformed, NamesTheLineAndTheFault) {
    try {
        ParseRegFile(GetParam().text);
        FAIL() << "accepted";
    } catch (const RegFileError& error) {
        EXPECT_EQ(error.Line(), GetParam().line);
        EXPECT_NE(std::string(error.what()).find(GetParam().message), std::string::npos)
            << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, RegFileMalformed,
    ::testing::Values(
        BadCase{"empty_file", "", 1, "not a registry export"},
        BadCase{"bad_header", "REGEDIT5\r\n[HKLM\\S]\r\n", 1, "not a registry export"},
        BadCase{"big_endian", "\xFE\xFF", 1, "big-endian"},
        BadCase{"utf8_byte_order_mark", "\xEF\xBB\xBFREGEDIT4\n", 1, "UTF-8 byte-order mark"},
        BadCase{"unterminated_name", "REGEDIT4\n[HKLM\\S]\n\"N=\"x\n", 3, "'=' expected"},
        BadCase{"unterminated_string", "REGEDIT4\n[HKLM\\S]\n\"N\"=\"x\n", 3,
                "unterminated string"},
        BadCase{"text_after_the_string", "REGEDIT4\n[HKLM\\S]\n\"N\"=\"x\" y\n", 3,
                "after the closing quote"},
        BadCase{"bad_dword_digit", "REGEDIT4\n[HKLM\\S]\n\n\"N\"=dword:0000002G\n", 4, "bad dword"},
        BadCase{"dword_too_long", "REGEDIT4\n[HKLM\\S]\n\"N\"=dword:000000001\n", 3, "bad dword"},
        BadCase{"value_before_any_key", "REGEDIT4\n\n\"N\"=\"x\"\n", 3, "a value before any key"},
        BadCase{"value_after_a_deleted_key", "REGEDIT4\n[-HKLM\\S]\n\"N\"=\"x\"\n", 3,
                "a value before any key"},
        BadCase{"unknown_root", "REGEDIT4\n[HKEY_LOCAL_MACHIN\\S]\n", 2, "unknown root"},
        BadCase{"key_without_bracket", "REGEDIT4\n[HKLM\\S\n", 2, "closing bracket"},
        BadCase{"bad_hex_byte", "REGEDIT4\n[HKLM\\S]\n\"B\"=hex:01,2\n", 3, "bad hex byte"},
        BadCase{"hex_after_a_continuation",
                "REGEDIT4\n[HKLM\\S]\n\"B\"=hex:01,\\\n  zz\n\"C\"=dword:x\n", 3, "bad hex byte"},
        BadCase{"line_after_a_continuation",
                "REGEDIT4\n[HKLM\\S]\n\"B\"=hex:01,\\\n  02\n\"C\"=dword:x\n", 5, "bad dword"},
        BadCase{"unknown_data", "REGEDIT4\n[HKLM\\S]\n\"B\"=word:1\n", 3, "unknown value data"},
        BadCase{"stray_line", "REGEDIT4\n[HKLM\\S]\nN=1\n", 3, "neither a key"}),
    CaseName<BadCase>);

}  // namespace
}  // namespace tavrik::dryrun
