// The three entry points through the real shared library, loaded the way
// the wizard loads it.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "lx32/DbzWriter.h"
#include "lx32/DictionaryFolder.h"
#include "tests/lx32/TempDirectory.h"

namespace tavrik::lx {
namespace {

using SetFileFunction = void (*)(const char*);
using GetPhraseFunction = const char* (*)(long);
using GetConfigurationFunction = void (*)(const char*, char*, const int, int*);

std::string Dictionary(const std::string& font, std::uint8_t charset,
                       std::vector<DbzPhrase> phrases) {
    DbzContent content;
    content.codePage = 1251;
    content.charset = charset;
    content.font = font;
    content.phrases = std::move(phrases);
    std::string bytes;
    EXPECT_TRUE(WriteDbz(content, bytes));
    return bytes;
}

class Lx32Library : public ::testing::Test {
protected:
    void SetUp() override { Load(); }
    void TearDown() override {
        if (library_ != nullptr) {
            dlclose(library_);
        }
        if (!savedDirectory_.empty()) {
            EXPECT_EQ(chdir(savedDirectory_.c_str()), 0);
        }
    }

    void Load() {
        library_ = dlopen(LX32_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library_, nullptr) << dlerror();
        setFile_ = reinterpret_cast<SetFileFunction>(dlsym(library_, "LX_API_SetDBZFileFullName"));
        getPhrase_ = reinterpret_cast<GetPhraseFunction>(dlsym(library_, "LX_API_GetDicoPhrase"));
        getConfiguration_ = reinterpret_cast<GetConfigurationFunction>(
            dlsym(library_, "LX_API_getLanguageConfiguration"));
        ASSERT_NE(setFile_, nullptr);
        ASSERT_NE(getPhrase_, nullptr);
        ASSERT_NE(getConfiguration_, nullptr);
    }

    // The phrase as the wizard takes it: the pointer must never be null.
    std::string Phrase(long number) {
        const char* text = getPhrase_(number);
        EXPECT_NE(text, nullptr) << number;
        return text != nullptr ? text : "<null>";
    }

    // Makes `folder` the current directory until the test ends.
    void EnterDirectory(const std::string& folder) {
        char buffer[PATH_MAX];
        ASSERT_NE(getcwd(buffer, sizeof buffer), nullptr);
        savedDirectory_ = buffer;
        ASSERT_EQ(chdir(folder.c_str()), 0);
    }

    test::TempDirectory folder_;
    void* library_ = nullptr;
    SetFileFunction setFile_ = nullptr;
    GetPhraseFunction getPhrase_ = nullptr;
    GetConfigurationFunction getConfiguration_ = nullptr;
    std::string savedDirectory_;
};

TEST_F(Lx32Library, LooksUpPhrasesOfTheNamedFile) {
    const std::string ru = folder_.Write(
        "THESAURU.DBZ", Dictionary("Arial", 204, {{278, "\xDD\xF2\xEE"}, {126844, "*, ok"}}));
    const std::string fr = folder_.Write("THESAUFR.DBZ", Dictionary("Arial", 0, {{278, "c'est"}}));
    setFile_(ru.c_str());
    EXPECT_EQ(Phrase(278), "\xDD\xF2\xEE");
    EXPECT_EQ(Phrase(126844), "*, ok");
    setFile_(fr.c_str());
    EXPECT_EQ(Phrase(278), "c'est");
    EXPECT_EQ(Phrase(126844), "");

    // A file replaced on disk is read afresh once named again.
    folder_.Write("THESAUFR.DBZ", Dictionary("Arial", 0, {{278, "nouveau"}}));
    setFile_(fr.c_str());
    EXPECT_EQ(Phrase(278), "nouveau");
}

TEST_F(Lx32Library, AnswersAnEmptyTextWhereverThereIsNoPhrase) {
    const std::string good = folder_.Write("GOOD.DBZ", Dictionary("Arial", 204, {{278, "x"}}));
    const std::string garbage = folder_.Write("BAD.DBZ", "TVKDBZ\r\n not really a dictionary");
    const std::string truncated = folder_.Write("CUT.DBZ", test::ReadFile(good).substr(0, 70));

    EXPECT_EQ(Phrase(278), "");  // no file named yet
    setFile_(nullptr);
    EXPECT_EQ(Phrase(278), "");
    setFile_("");
    EXPECT_EQ(Phrase(278), "");
    for (const std::string& path :
         {folder_.Path() + "/MISSING.DBZ", garbage, truncated, folder_.Path()}) {
        setFile_(path.c_str());
        EXPECT_EQ(Phrase(278), "") << path;
    }
    setFile_(good.c_str());
    for (long number : {0L, -278L, 277L, LONG_MAX, LONG_MIN, 278L + 0x100000000L}) {
        EXPECT_EQ(Phrase(number), "") << number;
    }
    EXPECT_EQ(Phrase(278), "x");
}

TEST_F(Lx32Library, StartsWithoutADictionaryAfterBeingFreedAndLoadedAgain) {
    const std::string good = folder_.Write("GOOD.DBZ", Dictionary("Arial", 204, {{278, "x"}}));
    setFile_(good.c_str());
    EXPECT_EQ(Phrase(278), "x");
    dlclose(library_);
    library_ = nullptr;
    // Freed for real: the wizard relies on each load starting afresh.
    EXPECT_EQ(dlopen(LX32_LIBRARY_PATH, RTLD_NOW | RTLD_NOLOAD), nullptr);
    Load();
    EXPECT_EQ(Phrase(278), "");
}

TEST_F(Lx32Library, ReadsTheLanguageOfABareNameInTheDictionaryFolder) {
    folder_.Write("BRENDOL/DICO/THESAURU.DBZ", Dictionary("Courier New", 204, {}));
    folder_.Write("THESAURU.DBZ", Dictionary("Wrong Folder", 0, {}));
    EnterDirectory(folder_.Path());

    char font[50];
    std::memset(font, '#', sizeof font);
    int charset = 12;
    getConfiguration_("THESAURU.DBZ", font, sizeof font, &charset);
    EXPECT_STREQ(font, "Courier New");
    EXPECT_EQ(font[sizeof "Courier New"], '#');  // nothing written past the NUL
    EXPECT_EQ(charset, 204);
}

TEST_F(Lx32Library, CutsTheFontNameToTheBuffer) {
    folder_.Write("BRENDOL/DICO/THESAUEL.DBZ", Dictionary("Arial Greek", 161, {}));
    EnterDirectory(folder_.Path());

    char font[8];
    std::memset(font, '#', sizeof font);
    int charset = 12;
    getConfiguration_("THESAUEL.DBZ", font, 4, &charset);
    EXPECT_EQ(std::string(font, 5), std::string("Ari\0#", 5));
    EXPECT_EQ(charset, 161);

    getConfiguration_("THESAUEL.DBZ", font, 1, &charset);
    EXPECT_EQ(font[0], '\0');

    std::memset(font, '#', sizeof font);
    charset = 12;
    getConfiguration_("THESAUEL.DBZ", font, 0, &charset);
    EXPECT_EQ(font[0], '#');
    EXPECT_EQ(charset, 161);
    getConfiguration_("THESAUEL.DBZ", nullptr, 50, nullptr);  // must simply not crash
}

TEST_F(Lx32Library, LeavesFontAndCharsetAloneWithoutAReadableDictionary) {
    const std::string good = Dictionary("Arial", 204, {{278, "x"}});
    folder_.Write("BRENDOL/DICO/BAD.DBZ", "garbage");
    folder_.Write("BRENDOL/DICO/CUT.DBZ", good.substr(0, good.size() - 1));
    folder_.Write("NOTINDICO.DBZ", good);
    EnterDirectory(folder_.Path());

    const char* const names[] = {"MISSING.DBZ", "BAD.DBZ", "CUT.DBZ", "NOTINDICO.DBZ", "", nullptr};
    for (const char* name : names) {
        char font[50] = "unchanged";
        int charset = 12;
        getConfiguration_(name, font, sizeof font, &charset);
        EXPECT_STREQ(font, "unchanged") << (name ? name : "(null)");
        EXPECT_EQ(charset, 12) << (name ? name : "(null)");
    }
}

// The folder as built for a directory, or "<too long>".
std::string DictionaryFile(const std::string& directory, char separator,
                           std::size_t capacity = 64) {
    std::vector<char> path(capacity, '\0');
    std::memcpy(path.data(), directory.c_str(), std::min(capacity, directory.size() + 1));
    return AppendDictionaryFile(path.data(), capacity, "X.DBZ", separator) ? path.data()
                                                                           : "<too long>";
}

TEST(DictionaryFolder, AppendsTheFolderWithoutDoublingTheSeparator) {
    EXPECT_EQ(DictionaryFile("D:\\", '\\'), "D:\\BRENDOL\\DICO\\X.DBZ");
    EXPECT_EQ(DictionaryFile("C:\\medium", '\\'), "C:\\medium\\BRENDOL\\DICO\\X.DBZ");
    EXPECT_EQ(DictionaryFile("/", '/'), "/BRENDOL/DICO/X.DBZ");
    EXPECT_EQ(DictionaryFile("/cd", '/'), "/cd/BRENDOL/DICO/X.DBZ");
    const std::string exact = "/cd/BRENDOL/DICO/X.DBZ";
    EXPECT_EQ(DictionaryFile("/cd", '/', exact.size() + 1), exact);
    EXPECT_EQ(DictionaryFile("/cd", '/', exact.size()), "<too long>");
    EXPECT_EQ(DictionaryFile(std::string(70, 'a'), '/'), "<too long>");  // no NUL in the buffer
}

}  // namespace
}  // namespace tavrik::lx
