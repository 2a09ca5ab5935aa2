#include <gtest/gtest.h>

#include <string>

#include "lx32/DbzLayout.h"
#include "lx32/compiler/DictionaryCompiler.h"

namespace tavrik::lx {
namespace {

const std::string kHeader = "@codepage 1251\n@font Arial\n@charset 204\n";

std::string AllDiagnostics(const CompileResult& result) {
    std::string all;
    for (const Diagnostic& d : result.diagnostics) {
        all += FormatDiagnostic("src.txt", d) + "\n";
    }
    return all;
}

TEST(DictionaryCompiler, ConvertsPhrasesToTheCodePage) {
    const CompileResult result = CompileDictionary(
        "\xEF\xBB\xBF# a comment\r\n"
        "\r\n"
        "@codepage 1251\r\n"
        "@font   MS Sans Serif  \r\n"
        "@charset 204\r\n"
        "  \t \r\n"
        "47044\tЭто правильный язык?\r\n"
        "126841\tЗапустите *, если ...\\nа\\tб\\\\в\r\n"
        "00278\t\ttab kept, trailing space kept \n"
        "9\t\n");
    ASSERT_TRUE(result.ok) << AllDiagnostics(result);
    EXPECT_TRUE(result.diagnostics.empty());
    EXPECT_EQ(result.content.codePage, 1251);
    EXPECT_EQ(result.content.charset, 204);
    EXPECT_EQ(result.content.font, "MS Sans Serif");
    ASSERT_EQ(result.content.phrases.size(), 4u);
    EXPECT_EQ(result.content.phrases[0].number, 47044u);
    EXPECT_EQ(result.content.phrases[0].text,
              "\xDD\xF2\xEE \xEF\xF0\xE0\xE2\xE8\xEB\xFC\xED\xFB\xE9 \xFF\xE7\xFB\xEA?");
    EXPECT_EQ(result.content.phrases[1].text,
              "\xC7\xE0\xEF\xF3\xF1\xF2\xE8\xF2\xE5 *, \xE5\xF1\xEB\xE8 ...\n\xE0\t\xE1\\\xE2");
    EXPECT_EQ(result.content.phrases[2].number, 278u);
    EXPECT_EQ(result.content.phrases[2].text, "\ttab kept, trailing space kept ");
    EXPECT_EQ(result.content.phrases[3].text, "");
}

TEST(DictionaryCompiler, ReportsEachFaultOnItsLine) {
    struct Case {
        std::string source;
        std::string expected;  // the whole diagnostic output
    };
    const std::string tooLong(kMaxPhraseLength + 1, 'x');
    const Case cases[] = {
        {"@codepage 936\n@font Arial\n@charset 134\n1\tx\n",
         "src.txt:1: unknown code page 936 (supported: 1250, 1251, 1252, 1253, 1254, 1257)\n"},
        {kHeader + "1\tok\n2\tbad 中 here\n",
         "src.txt:5: character U+4E2D cannot be written in code page 1251\n"},
        {kHeader + "7\ta\n8\tb\n7\tc\n",
         "src.txt:6: duplicate phrase number 7 (first on line 4)\n"},
        {kHeader + "12a\tx\n-5\tx\n 5\tx\n\tx\n",
         "src.txt:4: malformed phrase number '12a'\nsrc.txt:5: malformed phrase number '-5'\n"
         "src.txt:6: malformed phrase number ' 5'\nsrc.txt:7: malformed phrase number ''\n"},
        {kHeader + "0\tx\n2147483648\tx\n99999999999999999999999\tx\n",
         "src.txt:4: phrase number 0 is out of range (1 to 2147483647)\n"
         "src.txt:5: phrase number 2147483648 is out of range (1 to 2147483647)\n"
         "src.txt:6: phrase number 99999999999999999999999 is out of range (1 to 2147483647)\n"},
        {kHeader + "5 text without tab\n",
         "src.txt:4: expected a phrase number, a TAB and the text\n"},
        {"@codepage 1251\n# no font\n@charset 204\n1\tx\n",
         "src.txt:4: missing @font directive before the phrases\n"},
        {"",
         "src.txt:1: missing @codepage directive before the phrases\n"
         "src.txt:1: missing @font directive before the phrases\n"
         "src.txt:1: missing @charset directive before the phrases\n"},
        {kHeader + "@font Tahoma\n", "src.txt:4: @font is given twice (first on line 2)\n"},
        {kHeader + "1\tx\n@codepage 1252\n",
         "src.txt:5: directive @codepage must come before the first phrase\n"},
        {kHeader + "1\tA\xC3\n",
         "src.txt:1: the source is not UTF-8 (1 line, the first at line 4, column 4): it looks "
         "saved as Windows-1252 or another code page; save it as UTF-8\n"},
        {kHeader + "1\ta\\qb\n2\tend\\\n",
         "src.txt:4: unknown escape \\q (only \\n, \\t and \\\\ are known; write \\\\ for a "
         "backslash)\nsrc.txt:5: the text ends in a lone backslash (write \\\\ for a "
         "backslash)\n"},
        {kHeader + std::string("1\ta\0b\n", 6),
         "src.txt:4: a NUL character cannot stand in a dictionary\n"},
        {"@codepage 1251\n@font Ариал\n@charset 204\n",
         "src.txt:2: the font name must be printable ASCII\n"},
        {"@codepage 1251\n@font " + std::string(32, 'F') + "\n@charset 204\n",
         "src.txt:2: the font name is longer than 31 characters, the most a Windows font face "
         "holds\n"},
        {"@codepage 1251\n@font\n@charset 256\n@codepage x\n@size 3\n",
         "src.txt:2: @font needs a font name\n"
         "src.txt:3: @charset needs a character set number from 0 to 255, not '256'\n"
         "src.txt:4: @codepage is given twice (first on line 1)\n"
         "src.txt:5: unknown directive @size (known: @codepage, @font, @charset)\n"},
        {kHeader + "1\t" + tooLong + "\n", "src.txt:4: the phrase is longer than 65535 bytes\n"},
    };
    for (const Case& c : cases) {
        const CompileResult result = CompileDictionary(c.source);
        EXPECT_FALSE(result.ok) << c.expected;
        EXPECT_TRUE(result.content.phrases.empty()) << c.expected;
        EXPECT_EQ(AllDiagnostics(result), c.expected);
    }
}

// A source in another encoding is told once; text encoded twice, or a
// character set that does not show the code page, is warned of on its line
// and still compiled.
TEST(DictionaryCompiler, NamesTheSourcesEncodingAndWarnsOfDoubtfulText) {
    const std::string latin = "@codepage 1252\n@font Arial\n@charset 0\n";
    struct Case {
        std::string source;
        bool ok;
        std::string expected;
    };
    const Case cases[] = {
        {std::string("\xFF\xFE@\0c\0o\0", 8), false,
         "src.txt:1: the source is UTF-16 (it starts with the byte-order mark FF FE): save it "
         "as UTF-8\n"},
        {latin + "1\tcaf\xE9\n2\tth\xE9\n3\tok\n4\t\xE0 jour\n", false,
         "src.txt:1: the source is not UTF-8 (3 lines, the first at line 4, column 6): it looks "
         "saved as Windows-1252 or another code page; save it as UTF-8\n"},
        {latin + "1\tcaf\xC3\x83\xC2\xA9\n2\tl\xC3\xA2\xE2\x82\xAC\xE2\x84\xA2"
                 "an\n",
         true,
         "src.txt:4: warning: \"\xC3\x83\xC2\xA9\" looks like UTF-8 read as Windows-1252 and "
         "saved again (meant \"\xC3\xA9\"?)\n"
         "src.txt:5: warning: \"\xC3\xA2\xE2\x82\xAC\xE2\x84\xA2\" looks like UTF-8 read as "
         "Windows-1252 and saved again (meant \"\xE2\x80\x99\"?)\n"},
        {latin + "1\tcaf\xC3\xA9 \xC3\x80 l\xE2\x80\x99\xC3\xA9t\xC3\xA9\n", true, ""},
        {"@codepage 1251\n@font Arial\n@charset 161\n", true,
         "src.txt:3: warning: character set 161 does not show code page 1251 (expected 204)\n"},
        // DEFAULT_CHARSET lets the system choose: no warning.
        {"@codepage 1253\n@font Arial\n@charset 1\n", true, ""},
    };
    for (const Case& c : cases) {
        const CompileResult result = CompileDictionary(c.source);
        EXPECT_EQ(result.ok, c.ok) << c.expected;
        EXPECT_EQ(AllDiagnostics(result), c.expected);
    }
}

}  // namespace
}  // namespace tavrik::lx
