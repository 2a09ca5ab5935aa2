#include "WizardFixture.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <map>

#include "app/ProgramExit.h"
#include "app/ResumeRecord.h"
#include "platform/fake/HostFolderMount.h"
#include "tools/onmachine/DictionaryOnMachine.h"

namespace tavrik::testing {

namespace {

// The scripted dictionary library. Its state is global like a loaded
// library's; the fixture resets it.
struct ScriptedLibrary {
    std::string dictionaryPath;
    std::string answer;
    std::map<long, std::string> phrases;  // texts a test gave, any dictionary
};
ScriptedLibrary library;

void SetDbzFileFullName(const char* path) { library.dictionaryPath = path; }

const char* GetDicoPhrase(long number) {
    // The dictionary name: the file name without folder and extension.
    std::string name = library.dictionaryPath;
    const auto slash = name.find_last_of('\\');
    if (slash != std::string::npos) name = name.substr(slash + 1);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos) name = name.substr(0, dot);
    const auto given = library.phrases.find(number);
    library.answer = given != library.phrases.end() ? given->second : ScriptedPhrase(name, number);
    return library.answer.c_str();
}

void GetLanguageConfiguration(const char* file, char* fontName, const int size, int* charset) {
    const std::string name = file;
    const std::string face = name.find("RU") != std::string::npos ? "Arial Cyr" : "Arial";
    std::snprintf(fontName, static_cast<std::size_t>(size), "%s", face.c_str());
    *charset = name.find("RU") != std::string::npos ? 204 : 0;
}

// The part of the demo medium the wizard meets in these tests, folders
// included: three of its flags.
constexpr const char* kPictures[] = {"page_fon.bmp", "valid.bmp", "sortie.bmp", "yes.bmp",
                                     "no.bmp"};
constexpr const char* kMediumEntries[] = {"tavrik.ini",
                                          "ap.ini",
                                          "cluf_FR.txt",
                                          "cluf_GB.txt",
                                          "BRENDOL",
                                          "BRENDOL/applic.ini",
                                          "BRENDOL/DICO",
                                          "BRENDOL/DICO/CodeAssOS.ini",
                                          "BRENDOL/DICO/THESAUFR.bmp",
                                          "BRENDOL/DICO/THESAUGB.bmp",
                                          "BRENDOL/DICO/THESAURU.bmp"};

template <std::size_t N>
bool OneOf(const std::string& entry, const char* const (&names)[N]) {
    return std::find(std::begin(names), std::end(names), entry) != std::end(names);
}

}  // namespace

std::string ScriptedPhrase(const std::string& dictionary, long number) {
    return dictionary + "#" + std::to_string(number);
}

WizardTest::WizardTest() {
    library = ScriptedLibrary{};
    machine.AddDrive('E', platform::kDriveCdRom);
    const platform::MountOptions pictures{platform::MountBy::Copying, [](const std::string& entry) {
                                              return OneOf(entry, kPictures);
                                          }};
    const platform::MountOptions medium{platform::MountBy::Copying, [](const std::string& entry) {
                                            return OneOf(entry, kMediumEntries);
                                        }};
    for (const auto& outcome :
         {platform::MountHostFolder(machine, TAVRIK_SOURCE_DIR "/media/BMP", "E:\\BMP\\", pictures),
          platform::MountHostFolder(machine, TAVRIK_SOURCE_DIR "/medium", "E:\\", medium)}) {
        EXPECT_EQ(outcome.failure, platform::MountOutcome::Failure::None) << outcome.failedEntry;
    }
    machine.SetCurrentDirectory("E:\\");
    machine.SetSystemDefaultLanguageName("fr");
    onmachine::AddDictionaryLibrary(
        machine, {&SetDbzFileFullName, &GetDicoPhrase, &GetLanguageConfiguration});
}

void WizardTest::StartWizard(const std::string& commandLine) {
    // A test's earlier wizard has ended: its process no longer holds the
    // one-wizard claim.
    if (application != nullptr) {
        machine.ReleaseSingleInstance(kSingleInstanceName);
    }
    wizard_.Start(commandLine);
    application = wizard_.Application();
}

void WizardTest::LeaveResumeRecord() {
    ResumeRecord record;
    record.pathInstall = "C:";
    record.dictionary = "THESAUFR.DBZ";
    ASSERT_TRUE(WriteResumeRecord(record));
}

void WizardTest::StartResumedWizard() {
    LeaveResumeRecord();
    StartWizard("-reboot");
}

std::uint16_t WizardTest::Press(std::uint16_t key, vcl::ShiftState shift) {
    return host.PressKey(Form(), key, shift);
}

bool WizardTest::Closed() const {
    for (const vcl::TForm* closed : host.ClosedForms()) {
        if (closed == wizard_.Form()) return true;
    }
    return false;
}

void WizardTest::SetPhrase(long number, const std::string& text) { library.phrases[number] = text; }

std::string WizardTest::TraceLog() const {
    return machine.ReadFile("C:\\TraceTavrik.log").value_or("<no log>");
}

std::vector<std::string> WizardTest::TraceLines() const {
    std::vector<std::string> lines;
    const std::string log = TraceLog();
    std::string::size_type start = 0;
    for (auto end = log.find("\r\n"); end != std::string::npos; end = log.find("\r\n", start)) {
        lines.push_back(log.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

::testing::AssertionResult WizardTest::Traced(const std::string& line) const {
    const std::vector<std::string> lines = TraceLines();
    if (std::find(lines.begin(), lines.end(), line) != lines.end()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "\"" << line << "\" is not in the trace:\n"
                                         << TraceLog();
}

void WizardTest::AcLine(std::uint8_t status) {
    platform::PowerStatus power;
    power.acLineStatus = status;
    machine.SetPowerStatus(power);
}

std::string WizardTest::RegistryString(const std::string& key, const std::string& name) const {
    const auto value = machine.RegistryValueOf(key, name);
    return value ? value->data : "<missing>";
}

void WizardTest::PutOnMedium(const std::string& relativePath, const std::string& bytes) {
    machine.WriteFile("E:\\" + relativePath, bytes);
}

void WizardTest::RemoveFromMedium(const std::string& relativePath) {
    std::filesystem::remove(machine.HostPath("E:\\" + relativePath));
}

}  // namespace tavrik::testing
