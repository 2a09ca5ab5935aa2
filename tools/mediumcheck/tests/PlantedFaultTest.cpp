// One fault planted per check in a copy of the demo medium, each found with
// its file, section key and severity; and the demo medium itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "MediumCheck.h"
#include "Report.h"
#include "localisation/PhraseNumbers.h"
#include "lx32/ByteSource.h"
#include "lx32/DbzReader.h"
#include "lx32/DbzWriter.h"

namespace tavrik::mediumcheck {
namespace {

namespace fs = std::filesystem;

fs::path DemoMedium() {
    const char* folder = std::getenv("TAVRIK_DEMO_MEDIUM");
    return folder == nullptr ? fs::path() : fs::path(folder);
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Sets (or, with an empty value and `remove`, deletes) a key of an INI file
// written with CRLF line ends; a missing section is added at the end.
void EditIni(const fs::path& path, const std::string& section, const std::string& key,
             const std::string& value, bool remove = false) {
    std::string text = ReadBytes(path);
    std::string out;
    bool inSection = false;
    bool done = false;
    std::string::size_type start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        std::string line = text.substr(start, end - start);
        start = end;
        if (!line.empty() && line[0] == '[') {
            if (inSection && !done && !remove) {
                out += key + "=" + value + "\r\n";
                done = true;
            }
            inSection = line.rfind("[" + section + "]", 0) == 0;
        } else if (inSection && line.rfind(key + "=", 0) == 0) {
            if (!remove) {
                out += key + "=" + value + "\r\n";
            }
            done = true;
            continue;
        }
        out += line;
    }
    if (!done && !remove) {
        out += (inSection ? "" : "\r\n[" + section + "]\r\n") + key + "=" + value + "\r\n";
    }
    WriteBytes(path, out);
}

// A copy of a dictionary with one phrase dropped or replaced.
void RewriteDictionary(const fs::path& path, long number, const std::string* replacement) {
    const std::string bytes = ReadBytes(path);
    const lx::MemoryByteSource source(bytes.data(), bytes.size());
    const auto dictionary = lx::DbzDictionary::Open(source);
    ASSERT_TRUE(dictionary.has_value()) << path;
    lx::DbzContent content;
    content.codePage = dictionary->CodePage();
    content.charset = dictionary->Charset();
    content.font = std::string(dictionary->Font());
    for (const long shown : phrase::kShownPhrases) {
        std::string text;
        ASSERT_TRUE(dictionary->FindPhrase(static_cast<std::uint32_t>(shown), text));
        if (shown == number) {
            if (replacement == nullptr) {
                continue;
            }
            text = *replacement;
        }
        content.phrases.push_back({static_cast<std::uint32_t>(shown), text});
    }
    std::string out;
    ASSERT_TRUE(lx::WriteDbz(content, out));
    WriteBytes(path, out);
}

// Replaces the first occurrence of a text in a file.
void ReplaceText(const fs::path& path, const std::string& from, const std::string& to) {
    std::string text = ReadBytes(path);
    const auto at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from << " in " << path;
    WriteBytes(path, text.replace(at, from.size(), to));
}

struct PlantedFault {
    const char* name;
    std::function<void(const fs::path&)> plant;
    Severity severity;
    const char* file;
    const char* key;
    const char* section = nullptr;  // checked when given
    const char* says = "";          // a part of the message: the name meant
};

void PrintTo(const PlantedFault& fault, std::ostream* out) { *out << fault.name; }

const std::string kStarless = "disconnect the interface";
const std::string kEmpty;

const PlantedFault kFaults[] = {
    {"NoApplicationName",
     [](const fs::path& m) { EditIni(m / "tavrik.ini", "INSTALL", "NAME", ""); }, Severity::Error,
     "tavrik.ini", "NAME"},
    {"NoMediumVersion",
     [](const fs::path& m) { EditIni(m / "BRENDOL/applic.ini", "APPLICATION", "VSOFT", "", true); },
     Severity::Error, "BRENDOL/applic.ini", "VSOFT"},
    {"NoTitle", [](const fs::path& m) { EditIni(m / "ap.ini", "INSTALL", "TITRE", "", true); },
     Severity::Error, "ap.ini", "TITRE"},
    {"LowerCaseTrue",
     [](const fs::path& m) { EditIni(m / "ap.ini", "INSTALL", "INDEPENDANT", "true"); },
     Severity::Warning, "ap.ini", "INDEPENDANT"},
    {"MoreThanNineComponents",
     [](const fs::path& m) { EditIni(m / "ap.ini", "INSTALL_COMPOSANTS", "NB", "12"); },
     Severity::Warning, "ap.ini", "NB"},
    {"CountNotANumber",
     [](const fs::path& m) { EditIni(m / "ap.ini", "INSTALL_COMPOSANTS", "NB", "two"); },
     Severity::Error, "ap.ini", "NB"},
    {"ComponentBeyondCount",
     [](const fs::path& m) { EditIni(m / "ap.ini", "INSTALL_COMPOSANTS", "NB", "1"); },
     Severity::Warning, "ap.ini", "2"},
    {"ComponentKeyOfTwoDigits",
     [](const fs::path& m) { EditIni(m / "ap.ini", "INSTALL_COMPOSANTS", "10", "compmark.exe"); },
     Severity::Warning, "ap.ini", "10"},
    {"ComponentProgramMissing", [](const fs::path& m) { fs::remove(m / "COMPST/compmark.exe"); },
     Severity::Error, "ap.ini", "1"},
    {"LanguageFolderLacksProgram",
     [](const fs::path& m) { fs::remove(m / "COMPST/GB/compmark.exe"); }, Severity::Error, "ap.ini",
     "2_LANGUES"},
    {"ComponentNeverRuns",
     [](const fs::path& m) { EditIni(m / "ap.ini", "INSTALL_COMPOSANTS", "1_FORCEE", "", true); },
     Severity::Warning, "ap.ini", "1"},
    {"LibraryTestWithoutRoot",
     [](const fs::path& m) { EditIni(m / "ap.ini", "DLL_TEST", "1", "APP\\x.dll"); },
     Severity::Warning, "ap.ini", "1"},
    {"LibraryCountBeyondBound",
     [](const fs::path& m) {
         EditIni(m / "ap.ini", "DLL_TEST", "NB", "31");
         for (int i = 2; i <= 31; ++i) {
             EditIni(m / "ap.ini", "DLL_TEST", std::to_string(i), "\\APP\\x.dll");
         }
     },
     Severity::Warning, "ap.ini", "NB"},
    {"NoWindowTitle", [](const fs::path& m) { fs::remove(m / "assoAppliFenetre.ini"); },
     Severity::Warning, "assoAppliFenetre.ini", "dremox.exe"},
    {"LanguageCodeWithoutDictionary",
     [](const fs::path& m) {
         EditIni(m / "BRENDOL/DICO/CodeAssOS.ini", "ASSOCIATION", "xq", "QQ");
     },
     Severity::Error, "BRENDOL/DICO/CodeAssOS.ini", "xq"},
    {"BackgroundMissing", [](const fs::path& m) { fs::remove(m / "BMP/page_fon.bmp"); },
     Severity::Error, "BMP/page_fon.bmp", ""},
    {"GlyphNotAPicture", [](const fs::path& m) { WriteBytes(m / "BMP/valid.bmp", "BM garbage"); },
     Severity::Error, "BMP/valid.bmp", ""},
    {"BackgroundOfAnotherSize",
     [](const fs::path& m) {
         fs::copy_file(m / "BMP/valid.bmp", m / "BMP/page_fon.bmp",
                       fs::copy_options::overwrite_existing);
     },
     Severity::Warning, "BMP/page_fon.bmp", ""},
    {"FlagWithoutDictionary",
     [](const fs::path& m) { fs::remove(m / "BRENDOL/DICO/THESAUDE.DBZ"); }, Severity::Error,
     "BRENDOL/DICO/THESAUDE.bmp", ""},
    {"DictionaryWithoutFlag",
     [](const fs::path& m) { fs::remove(m / "BRENDOL/DICO/THESAUDE.bmp"); }, Severity::Warning,
     "BRENDOL/DICO/THESAUDE.DBZ", ""},
    {"FlagNotAPicture",
     [](const fs::path& m) { WriteBytes(m / "BRENDOL/DICO/THESAUIT.bmp", "no"); }, Severity::Error,
     "BRENDOL/DICO/THESAUIT.bmp", ""},
    {"FlagOfAnotherSize",
     [](const fs::path& m) {
         fs::copy_file(m / "BMP/no.bmp", m / "BRENDOL/DICO/THESAUSV.bmp",
                       fs::copy_options::overwrite_existing);
     },
     Severity::Warning, "BRENDOL/DICO/THESAUSV.bmp", ""},
    {"MoreThanThirtyFlags",
     [](const fs::path& m) {
         for (char c = 'A'; c <= 'Q'; ++c) {
             const std::string code = std::string("X") + c;
             fs::copy_file(m / "BRENDOL/DICO/THESAUFR.bmp",
                           m / ("BRENDOL/DICO/THESAU" + code + ".bmp"));
             fs::copy_file(m / "BRENDOL/DICO/THESAUFR.DBZ",
                           m / ("BRENDOL/DICO/THESAU" + code + ".DBZ"));
         }
     },
     Severity::Warning, "BRENDOL/DICO/", ""},
    {"DictionaryDamaged",
     [](const fs::path& m) { WriteBytes(m / "BRENDOL/DICO/THESAUNL.DBZ", std::string(64, 'x')); },
     Severity::Error, "BRENDOL/DICO/THESAUNL.DBZ", ""},
    {"PhraseMissing",
     [](const fs::path& m) {
         RewriteDictionary(m / "BRENDOL/DICO/THESAUPL.DBZ", phrase::kErrorCode, nullptr);
     },
     Severity::Error, "BRENDOL/DICO/THESAUPL.DBZ", "118559"},
    {"StarPhraseWithoutStar",
     [](const fs::path& m) {
         RewriteDictionary(m / "BRENDOL/DICO/THESAUES.DBZ", phrase::kDisconnectProduct, &kStarless);
     },
     Severity::Error, "BRENDOL/DICO/THESAUES.DBZ", "126841"},
    {"LicenceMissing",
     [](const fs::path& m) {
         EditIni(m / "ap.ini", "INSTALL", "INDEPENDANT", "TRUE");
         fs::remove(m / "cluf_GB.txt");
     },
     Severity::Error, "cluf_GB.txt", ""},
    {"LicenceMissingWhileNotShown", [](const fs::path& m) { fs::remove(m / "cluf_FR.txt"); },
     Severity::Warning, "cluf_FR.txt", ""},
    {"PhraseEmpty",
     [](const fs::path& m) {
         RewriteDictionary(m / "BRENDOL/DICO/THESAUTR.DBZ", phrase::kChooseDisk, &kEmpty);
     },
     Severity::Error, "BRENDOL/DICO/THESAUTR.DBZ", "116387"},
    {"WaitPictureMissing", [](const fs::path& m) { fs::remove(m / "WAIT/attente2.bmp"); },
     Severity::Error, "WAIT/wait.ini", "2"},
    {"WaitPictureNotAPicture", [](const fs::path& m) { WriteBytes(m / "WAIT/attente3.bmp", "BM"); },
     Severity::Error, "WAIT/wait.ini", "3"},
    {"WaitCountBeyondNames",
     [](const fs::path& m) { EditIni(m / "WAIT/wait.ini", "WAIT", "NB", "999999"); },
     Severity::Error, "WAIT/wait.ini", "NB"},
    {"NoWaitPictureCount",
     [](const fs::path& m) { EditIni(m / "WAIT/wait.ini", "WAIT", "NB", "0"); }, Severity::Warning,
     "WAIT/wait.ini", "NB"},
    {"SetupMissing", [](const fs::path& m) { fs::remove(m / "setup.exe"); }, Severity::Error,
     "setup.exe", ""},
    {"RemovalAnswersMissing", [](const fs::path& m) { fs::remove(m / "desinst.iss"); },
     Severity::Error, "desinst.iss", ""},
    {"UpdateScriptMissing", [](const fs::path& m) { fs::remove(m / "qxdiag/updateqxd.vbs"); },
     Severity::Error, "qxdiag/updateqxd.vbs", ""},
    {"LibraryWithoutEntryPoints",
     [](const fs::path& m) {
         fs::copy_file(m / "setup.exe", m / "lx32.dll", fs::copy_options::overwrite_existing);
     },
     Severity::Error, "lx32.dll", "@LX_API_GetDicoPhrase$ql"},
    {"WizardNotAProgram", [](const fs::path& m) { WriteBytes(m / "tavrik.exe", "MZ"); },
     Severity::Error, "tavrik.exe", ""},
    {"NamesDifferingInCase", [](const fs::path& m) { fs::copy_file(m / "ap.ini", m / "AP.INI"); },
     Severity::Warning, "AP.INI", ""},
    // Mistypes, each with the name meant.
    {"MisspeltKey",
     [](const fs::path& m) { ReplaceText(m / "ap.ini", "INDEPENDANT=", "INDEPENDENT="); },
     Severity::Warning, "ap.ini", "INDEPENDENT", "INSTALL", "did you mean INDEPENDANT?"},
    {"MisspeltSection",
     [](const fs::path& m) {
         ReplaceText(m / "ap.ini", "[INSTALL_COMPOSANTS]", "[INSTAL_COMPOSANTS]");
     },
     Severity::Warning, "ap.ini", "", "INSTAL_COMPOSANTS", "did you mean [INSTALL_COMPOSANTS]?"},
    {"MisspeltComponentFlag",
     [](const fs::path& m) { ReplaceText(m / "ap.ini", "2_FIRST_INSTALL=", "2_FIRST_INSTAL="); },
     Severity::Warning, "ap.ini", "2_FIRST_INSTAL", "INSTALL_COMPOSANTS",
     "did you mean 2_FIRST_INSTALL?"},
    {"MisspeltKeyOfTheApplicationsFile",
     [](const fs::path& m) {
         ReplaceText(m / "BRENDOL/applic.ini", "VSOFT=", "VSFOT=5.3.0\r\nVSOFT=");
     },
     Severity::Warning, "BRENDOL/applic.ini", "VSFOT", "APPLICATION", "did you mean VSOFT?"},
    {"KeyWrittenTwice",
     [](const fs::path& m) {
         ReplaceText(m / "ap.ini", "[APPLICATION]", "TITRE=Autre\r\n\r\n[APPLICATION]");
     },
     Severity::Warning, "ap.ini", "TITRE", "INSTALL", "reads the first, 'Installation de la suite"},
    {"SectionWrittenTwice",
     [](const fs::path& m) {
         WriteBytes(m / "tavrik.ini", ReadBytes(m / "tavrik.ini") + "\r\n[install]\r\nNAME=X\r\n");
     },
     Severity::Warning, "tavrik.ini", "", "install", "reads the first only"},
    {"WaitFlagNotInCapitals",
     [](const fs::path& m) { EditIni(m / "ap.ini", "INSTALL_COMPOSANTS", "2_BLOQUANT", "false"); },
     Severity::Warning, "ap.ini", "2_BLOQUANT", "INSTALL_COMPOSANTS", "write FALSE in capitals"},
    {"FlagNeitherTrueNorFalse",
     [](const fs::path& m) { EditIni(m / "ap.ini", "INSTALL_COMPOSANTS", "1_INVISIBLE", "yes"); },
     Severity::Warning, "ap.ini", "1_INVISIBLE", "INSTALL_COMPOSANTS", "neither TRUE nor FALSE"},
    {"CountBelowEveryListedComponent",
     [](const fs::path& m) { EditIni(m / "ap.ini", "INSTALL_COMPOSANTS", "NB", "0"); },
     Severity::Warning, "ap.ini", "1", "INSTALL_COMPOSANTS", "never runs"},
    {"VersionOfMixedDigits",
     [](const fs::path& m) { EditIni(m / "BRENDOL/applic.ini", "APPLICATION", "VSOFT", "5.10.0"); },
     Severity::Warning, "BRENDOL/applic.ini", "VSOFT", "APPLICATION", "byte by byte"},
    // Encodings.
    {"Utf8MarkOnAnIniFile",
     [](const fs::path& m) {
         WriteBytes(m / "tavrik.ini", "\xEF\xBB\xBF" + ReadBytes(m / "tavrik.ini"));
     },
     Severity::Error, "tavrik.ini", "", "INSTALL", "byte-order mark"},
    {"Utf8Title",
     [](const fs::path& m) { EditIni(m / "ap.ini", "INSTALL", "TITRE", "Mise \xC3\xA0 jour"); },
     Severity::Warning, "ap.ini", "TITRE", "INSTALL", "reads \"Mise \xC3\x83\xC2\xA0 jour\""},
    {"Utf8Licence",
     [](const fs::path& m) {
         WriteBytes(m / "cluf_GB.txt", "Licence\r\nThe user\xE2\x80\x99s rights\r\n");
     },
     Severity::Warning, "cluf_GB.txt", "line 2", "", "\xC3\xA2\xE2\x82\xAC\xE2\x84\xA2"},
    {"LineFeedsAlone",
     [](const fs::path& m) { WriteBytes(m / "WAIT/wait.ini", "[WAIT]\r\nNB=1\n1=attente1.bmp\n"); },
     Severity::Note, "WAIT/wait.ini", "line 2", "", "CR LF"},
    {"Utf8ResponseFile",
     [](const fs::path& m) { EditIni(m / "install.iss", "Setup", "Comment", "caf\xC3\xA9"); },
     Severity::Warning, "install.iss", "Comment", "Setup", "UTF-8 text"},
};

class MediumCopy : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(DemoMedium().empty()) << "TAVRIK_DEMO_MEDIUM names no medium";
        ASSERT_TRUE(fs::is_directory(DemoMedium())) << DemoMedium();
        copy_ =
            fs::temp_directory_path() /
            ("tavrik-check-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(copy_);
        fs::create_directories(copy_.parent_path());
        fs::copy(DemoMedium(), copy_, fs::copy_options::recursive);
    }
    void TearDown() override { fs::remove_all(copy_); }

    std::vector<Finding> Check() {
        std::vector<Finding> findings;
        std::string error;
        EXPECT_TRUE(CheckMediumFolder(copy_.string(), findings, error)) << error;
        return findings;
    }

    fs::path copy_;
};

// The demo medium carries the win64 wizard: it is noted as not a release
// program, nothing else is found, and the medium counts as clean.
TEST_F(MediumCopy, DemoMediumHasOnlyTheWin64Notes) {
    const auto findings = Check();
    EXPECT_EQ(ExitCodeOf(findings), 0);
    for (const Finding& finding : findings) {
        EXPECT_EQ(finding.severity, Severity::Note) << TextReport({finding});
        EXPECT_NE(finding.message.find("64-bit"), std::string::npos) << TextReport({finding});
    }
    EXPECT_EQ(findings.size(), 2u) << TextReport(findings);
}

class PlantedFaultTest : public MediumCopy, public ::testing::WithParamInterface<PlantedFault> {};

TEST_P(PlantedFaultTest, IsFoundWithFileKeyAndSeverity) {
    const PlantedFault& fault = GetParam();
    fault.plant(copy_);
    const auto findings = Check();
    const bool found = std::any_of(findings.begin(), findings.end(), [&](const Finding& f) {
        return f.severity == fault.severity && f.file == fault.file && f.key == fault.key &&
               (fault.section == nullptr || f.section == fault.section) &&
               f.message.find(fault.says) != std::string::npos;
    });
    EXPECT_TRUE(found) << TextReport(findings);
    const int status = fault.severity == Severity::Error     ? kExitErrors
                       : fault.severity == Severity::Warning ? kExitWarnings
                                                             : 0;
    EXPECT_EQ(ExitCodeOf(findings), status);
}

INSTANTIATE_TEST_SUITE_P(OnePerCheck, PlantedFaultTest, ::testing::ValuesIn(kFaults),
                         [](const auto& testParam) { return std::string(testParam.param.name); });

TEST(Report, JsonEscapesQuotesControlsAndCodePageBytes) {
    const std::vector<Finding> findings = {
        {Severity::Error, "BMP/\xe9t\xe9.bmp", "", "", "say \"no\"\tthen\\"},
        {Severity::Warning, "ap.ini", "INSTALL_COMPOSANTS", "NB", "12"}};
    EXPECT_EQ(
        "[\n"
        "  {\"severity\": \"error\", \"file\": \"BMP/\\u00e9t\\u00e9.bmp\", \"section\": \"\", "
        "\"key\": \"\", \"message\": \"say \\\"no\\\"\\u0009then\\\\\"},\n"
        "  {\"severity\": \"warning\", \"file\": \"ap.ini\", \"section\": "
        "\"INSTALL_COMPOSANTS\", \"key\": \"NB\", \"message\": \"12\"}\n"
        "]\n",
        JsonReport(findings));
    EXPECT_EQ("[]\n", JsonReport({}));
    EXPECT_EQ(kExitErrors, ExitCodeOf(findings));
    EXPECT_EQ(kExitWarnings, ExitCodeOf({findings[1]}));
    EXPECT_EQ(kExitClean, ExitCodeOf({}));
}

TEST(MediumFolder, MissingFolderIsRefused) {
    std::vector<Finding> findings;
    std::string error;
    EXPECT_FALSE(CheckMediumFolder("/nonexistent/medium", findings, error));
    EXPECT_NE(error.find("not a folder"), std::string::npos) << error;
}

}  // namespace
}  // namespace tavrik::mediumcheck
