#include "WizardFixture.h"

#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "app/ProgramExit.h"
#include "app/ProgramState.h"
#include "app/ResumeRecord.h"
#include "vcl/Host.h"

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

std::string ReadHostFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

std::string ScriptedPhrase(const std::string& dictionary, long number) {
    return dictionary + "#" + std::to_string(number);
}

WizardTest::WizardTest() {
    State = ProgramState{};
    library = ScriptedLibrary{};
    vcl::SetCurrentHost(&host);
    SetProcessExitHandler([this](int code) { processExits.push_back(code); });

    machine.AddDrive('E', platform::kDriveCdRom);
    const std::string media = TAVRIK_SOURCE_DIR "/media/BMP/";
    for (const char* picture : {"page_fon.bmp", "valid.bmp", "sortie.bmp", "yes.bmp", "no.bmp"}) {
        machine.WriteFile(std::string("E:\\BMP\\") + picture, ReadHostFile(media + picture));
    }
    const std::string medium = TAVRIK_SOURCE_DIR "/medium/";
    for (const char* file : {"tavrik.ini", "ap.ini"}) {
        machine.WriteFile(std::string("E:\\") + file, ReadHostFile(medium + file));
    }
    for (const char* file :
         {"cluf_FR.txt", "cluf_GB.txt", "BRENDOL/applic.ini", "BRENDOL/DICO/CodeAssOS.ini",
          "BRENDOL/DICO/THESAUFR.bmp", "BRENDOL/DICO/THESAUGB.bmp", "BRENDOL/DICO/THESAURU.bmp"}) {
        std::string windowsPath = std::string("E:\\") + file;
        for (char& c : windowsPath) {
            if (c == '/') c = '\\';
        }
        machine.WriteFile(windowsPath, ReadHostFile(medium + file));
    }
    machine.SetCurrentDirectory("E:\\");
    machine.SetSystemDefaultLanguageName("fr");
    machine.AddLibrary(
        "lx32.dll",
        {{"@LX_API_SetDBZFileFullName$qpxc", reinterpret_cast<void*>(&SetDbzFileFullName)},
         {"@LX_API_GetDicoPhrase$ql", reinterpret_cast<void*>(&GetDicoPhrase)},
         {"@LX_API_getLanguageConfiguration$qpxcpcxipi",
          reinterpret_cast<void*>(&GetLanguageConfiguration)}});
}

WizardTest::~WizardTest() {
    application.reset();  // destroys the form and its components
    State = ProgramState{};
    SetProcessExitHandler(nullptr);
    vcl::SetCurrentHost(nullptr);
}

void WizardTest::StartWizard(const std::string& commandLine) {
    // A test's earlier wizard has ended: its process no longer holds the
    // one-wizard claim.
    if (application != nullptr) {
        machine.ReleaseSingleInstance(kSingleInstanceName);
    }
    application = std::make_unique<vcl::TApplication>();
    State.CommandLine = commandLine;
    application->Initialize();
    application->CreateForm(form_);
    if (processExits.empty()) {
        application->Run();
    }
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
    return host.PressKey(*form_, key, shift);
}

bool WizardTest::Closed() const {
    for (const vcl::TForm* closed : host.ClosedForms()) {
        if (closed == form_) return true;
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
