// Phrases and the language font from the dictionary library: the library
// is loaded, told the dictionary, asked and released for every phrase.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "app/WizardFixture.h"

namespace tavrik::testing {
namespace {

using platform::LibraryCall;

const char* const kSetFile = "@LX_API_SetDBZFileFullName$qpxc";
const char* const kGetPhrase = "@LX_API_GetDicoPhrase$ql";
const char* const kGetConfiguration = "@LX_API_getLanguageConfiguration$qpxcpcxipi";

// A library that records what it is told and answers with `answer`.
struct RecordingLibrary {
    std::vector<std::string> events;
    const char* answer = "";
    std::string configurationFont;
    int configurationCharset = 0;
};
RecordingLibrary recorder;

void RecordSetFile(const char* path) { recorder.events.push_back(std::string("file ") + path); }

const char* RecordGetPhrase(long number) {
    recorder.events.push_back("phrase " + std::to_string(number));
    return recorder.answer;
}

void RecordGetConfiguration(const char* file, char* font, const int size, int* charset) {
    recorder.events.push_back(
        std::string("configuration ") + file + " " + std::to_string(size) + " " +
        std::to_string(*charset) + " " +
        (std::all_of(font, font + size, [](char c) { return c == 0; }) ? "zeroed" : "dirty"));
    std::snprintf(font, static_cast<std::size_t>(size), "%s", recorder.configurationFont.c_str());
    *charset = recorder.configurationCharset;
}

class PhrasesTest : public WizardTest {
protected:
    void SetUp() override {
        recorder = RecordingLibrary{};
        StartWizard();
        UseLibrary({{kSetFile, reinterpret_cast<void*>(&RecordSetFile)},
                    {kGetPhrase, reinterpret_cast<void*>(&RecordGetPhrase)},
                    {kGetConfiguration, reinterpret_cast<void*>(&RecordGetConfiguration)}});
    }
    void UseLibrary(std::map<std::string, void*> exports) {
        machine.AddLibrary("lx32.dll", std::move(exports));
        calls = machine.LibraryCalls().size();
        recorder.events.clear();
    }
    void MakeLibraryAbsent() {
        machine.AddNativeLibrary("lx32.dll", "/nonexistent/liblx32.so", {});
        calls = machine.LibraryCalls().size();
    }
    // Library calls since the last UseLibrary, as "load", "lookup <name>",
    // "free", with "!" for a failure.
    std::vector<std::string> NewCalls() const {
        std::vector<std::string> out;
        const auto& all = machine.LibraryCalls();
        for (std::size_t i = calls; i < all.size(); ++i) {
            std::string text = all[i].kind == LibraryCall::Kind::Load ? "load"
                               : all[i].kind == LibraryCall::Kind::Lookup
                                   ? "lookup " + all[i].symbol
                                   : "free";
            out.push_back(all[i].succeeded ? text : text + " !");
        }
        return out;
    }
    std::size_t calls = 0;
};

TEST_F(PhrasesTest, EveryPhraseLoadsTellsLooksUpAndReleasesInThisOrder) {
    State.DictionaryFileName = "THESAUFR.DBZ";
    recorder.answer = "bonjour";
    EXPECT_EQ(Form().GetPhrase(47044, false), "Bonjour");
    EXPECT_EQ(NewCalls(), (std::vector<std::string>{"load", std::string("lookup ") + kGetPhrase,
                                                    std::string("lookup ") + kSetFile, "free"}));
    EXPECT_EQ(recorder.events,
              (std::vector<std::string>{"file E:\\BRENDOL\\DICO\\THESAUFR.DBZ", "phrase 47044"}));
    EXPECT_FALSE(machine.IsLibraryLoaded("lx32.dll"));

    State.DictionaryFileName = "THESAUEL.DBZ";  // nothing is cached: the next phrase follows
    Form().GetPhrase(278, false);
    EXPECT_EQ(recorder.events.back(), "phrase 278");
    EXPECT_EQ(recorder.events[recorder.events.size() - 2], "file E:\\BRENDOL\\DICO\\THESAUEL.DBZ");
    EXPECT_EQ(machine.LibraryLoadCount("lx32.dll"), machine.LibraryFreeCount("lx32.dll"));
}

TEST_F(PhrasesTest, ABareNameAndAFlagPathNameTheSameDictionary) {
    for (const char* name :
         {"THESAUIT.DBZ", "E:\\BRENDOL\\DICO\\THESAUIT.bmp", "C:\\a.b\\THESAUIT.bmp"}) {
        recorder.events.clear();
        State.DictionaryFileName = name;
        Form().GetPhrase(1, false);
        EXPECT_EQ(recorder.events.front(), "file E:\\BRENDOL\\DICO\\THESAUIT.DBZ") << name;
    }
}

TEST_F(PhrasesTest, AShortOrDotlessNameGivesAnEmptyDictionaryName) {
    for (const char* name : {"FR.DBZ", "THESAUFR", "", "E:\\x.bmp"}) {
        recorder.events.clear();
        State.DictionaryFileName = name;
        Form().GetPhrase(1, false);
        EXPECT_EQ(recorder.events.front(), "file E:\\BRENDOL\\DICO\\.DBZ") << '"' << name << '"';
    }
}

TEST_F(PhrasesTest, TheFirstLetterIsCapitalisedAndThePeriodAppended) {
    recorder.answer =
        "la suite est install\xE9"
        "e";
    EXPECT_EQ(Form().GetPhrase(5, true),
              "La suite est install\xE9"
              "e. ");
    recorder.answer = "\xE9t\xE9";  // beyond ASCII the C library's conversion leaves it
    EXPECT_EQ(Form().GetPhrase(5, false), "\xE9t\xE9");
    recorder.answer = "";
    EXPECT_EQ(Form().GetPhrase(5, false), "");
    EXPECT_EQ(Form().GetPhrase(5, true), ". ");
    recorder.answer = nullptr;  // a library answering nothing reads as an empty phrase
    EXPECT_EQ(Form().GetPhrase(5, false), "");
    EXPECT_EQ(Form().GetPhrase(5, true), ". ");
}

TEST_F(PhrasesTest, WithoutTheLibraryEveryPhraseIsEmpty) {
    MakeLibraryAbsent();
    EXPECT_EQ(Form().GetPhrase(47044, false), "");
    EXPECT_EQ(Form().GetPhrase(47044, true), ". ");
    EXPECT_EQ(NewCalls(), (std::vector<std::string>{"load !", "load !"}));

    Form().ApplyLanguageFont("THESAURU.DBZ");
    EXPECT_EQ(Form().Font().Name(), "");
    EXPECT_EQ(Form().Font().Charset(), 12);
    // Told once, as missing from the wizard's own folder.
    const auto lines = TraceLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "dictionnaire absent : E:\\lx32.dll"), 1);
}

TEST_F(PhrasesTest, TheLibraryIsLoadedByFullPathFromTheWizardsOwnFolder) {
    machine.SetProgramDirectory("F:\\wizard");
    Form().GetPhrase(1, false);
    Form().ApplyLanguageFont("THESAURU.DBZ");
    std::vector<std::string> asked;
    for (std::size_t i = calls; i < machine.LibraryCalls().size(); ++i) {
        if (machine.LibraryCalls()[i].kind == LibraryCall::Kind::Load) {
            asked.push_back(machine.LibraryCalls()[i].asked);
        }
    }
    EXPECT_EQ(asked, (std::vector<std::string>{"F:\\wizard\\lx32.dll", "F:\\wizard\\lx32.dll"}));
}

TEST_F(PhrasesTest, WithoutTheLookupTheTextIsEmptyAndWithoutTheFileTheLookupStillRuns) {
    UseLibrary({{kSetFile, reinterpret_cast<void*>(&RecordSetFile)}});
    EXPECT_EQ(Form().GetPhrase(47044, true), ". ");
    EXPECT_EQ(recorder.events.size(), 1u);  // told the file, never asked

    UseLibrary({{kGetPhrase, reinterpret_cast<void*>(&RecordGetPhrase)}});
    recorder.answer = "ok";
    EXPECT_EQ(Form().GetPhrase(47044, false), "Ok");
    EXPECT_EQ(recorder.events, std::vector<std::string>{"phrase 47044"});
    EXPECT_EQ(machine.LibraryLoadCount("lx32.dll"), machine.LibraryFreeCount("lx32.dll"));
}

TEST_F(PhrasesTest, TheLanguageFontComesFromTheLibrary) {
    recorder.configurationFont = "Arial Greek";
    recorder.configurationCharset = 0x3A1;  // only the low byte is a character set
    Form().ApplyLanguageFont("THESAUEL.DBZ");
    EXPECT_EQ(recorder.events, std::vector<std::string>{"configuration THESAUEL.DBZ 50 12 zeroed"});
    EXPECT_EQ(NewCalls(), (std::vector<std::string>{
                              "load", std::string("lookup ") + kGetConfiguration, "free"}));
    EXPECT_EQ(Form().Font().Name(), "Arial Greek");
    EXPECT_EQ(Form().Font().Charset(), 0xA1);
    EXPECT_EQ(Form().Font().Size(), 12);
    EXPECT_EQ(Form().Font().Style(), vcl::fsBold);
    EXPECT_EQ(Form().Label_CF_LG->Font().Name(), "Arial Greek");  // controls follow the form
}

TEST_F(PhrasesTest, AFontNameFillingTheWholeBufferIsCutAtItsEnd) {
    recorder.configurationFont = std::string(80, 'F');
    Form().ApplyLanguageFont("THESAUFR.DBZ");
    EXPECT_EQ(Form().Font().Name(), std::string(49, 'F'));
}

TEST_F(PhrasesTest, WithoutTheConfigurationEntryTheFontHasNoNameAndCharset12) {
    UseLibrary({{kGetPhrase, reinterpret_cast<void*>(&RecordGetPhrase)}});
    Form().ApplyLanguageFont("THESAURU.DBZ");
    EXPECT_EQ(Form().Font().Name(), "");
    EXPECT_EQ(Form().Font().Charset(), 12);
    EXPECT_EQ(Form().Font().Size(), 12);
    EXPECT_EQ(Form().Font().Style(), vcl::fsBold);
}

}  // namespace
}  // namespace tavrik::testing
