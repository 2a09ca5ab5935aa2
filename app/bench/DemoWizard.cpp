#include "app/bench/DemoWizard.h"

#include <dlfcn.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/ProgramExit.h"
#include "app/ProgramState.h"
#include "vcl/Host.h"

namespace tavrik::bench {

namespace {

namespace fs = std::filesystem;

// The native library, loaded once; the wizard's own load and free of
// lx32.dll for every phrase go through the in-memory machine.
struct NativeLibrary {
    void (*setFile)(const char*) = nullptr;
    const char* (*getPhrase)(long) = nullptr;
    void (*getConfiguration)(const char*, char*, int, int*) = nullptr;
    platform::FakeMachine* machine = nullptr;
};
NativeLibrary native;

// The wizard names the dictionary by its path on drive E:; the native
// library opens the machine's copy of that file.
void SetDbzFileFullName(const char* path) {
    native.setFile(native.machine->HostPath(path).string().c_str());
}

const char* GetDicoPhrase(long number) { return native.getPhrase(number); }

void GetLanguageConfiguration(const char* file, char* fontName, const int size, int* charset) {
    native.getConfiguration(file, fontName, size, charset);
}

std::string ReadHostFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Copies a host folder's files under a Windows folder of the machine.
void CopyFolder(platform::FakeMachine& machine, const fs::path& from, const std::string& to,
                bool (*wanted)(const fs::path& relative)) {
    for (const auto& entry : fs::recursive_directory_iterator(from)) {
        if (!entry.is_regular_file()) continue;
        const fs::path relative = fs::relative(entry.path(), from);
        if (!wanted(relative)) continue;
        std::string windowsPath = to + relative.generic_string();
        for (char& c : windowsPath) {
            if (c == '/') c = '\\';
        }
        machine.WriteFile(windowsPath, ReadHostFile(entry.path()));
    }
}

// The medium's own files, without the sources and notes that stay in the
// tree (as tools/assemble-medium.sh leaves them out).
bool OnTheMedium(const fs::path& relative) {
    const std::string first = relative.begin()->string();
    return first != "dico" && first != "programs" && first != "CMakeLists.txt" &&
           first != "README.md" && first != ".gitattributes";
}
bool AnyFile(const fs::path& /*relative*/) { return true; }
bool CompiledDictionary(const fs::path& relative) { return relative.extension() == ".DBZ"; }

}  // namespace

DemoWizard::DemoWizard(const std::string& sourceDir, const std::string& nativeMedium,
                       const std::string& library) {
    State = ProgramState{};
    vcl::SetCurrentHost(&host_);
    SetProcessExitHandler(
        [this](int code) { fault_ = "the wizard ended with " + std::to_string(code); });

    void* handle = dlopen(library.c_str(), RTLD_NOW);
    if (handle == nullptr) {
        fault_ = "cannot load " + library;
        return;
    }
    native.setFile =
        reinterpret_cast<void (*)(const char*)>(dlsym(handle, "LX_API_SetDBZFileFullName"));
    native.getPhrase =
        reinterpret_cast<const char* (*)(long)>(dlsym(handle, "LX_API_GetDicoPhrase"));
    native.getConfiguration = reinterpret_cast<void (*)(const char*, char*, int, int*)>(
        dlsym(handle, "LX_API_getLanguageConfiguration"));
    native.machine = &machine_;
    if (native.setFile == nullptr || native.getPhrase == nullptr ||
        native.getConfiguration == nullptr) {
        fault_ = library + " lacks an entry point";
        return;
    }

    machine_.AddDrive('E', platform::kDriveCdRom);
    CopyFolder(machine_, fs::path(sourceDir) / "medium", "E:\\", OnTheMedium);
    CopyFolder(machine_, fs::path(sourceDir) / "media" / "BMP", "E:\\BMP\\", AnyFile);
    CopyFolder(machine_, fs::path(nativeMedium) / "BRENDOL" / "DICO", "E:\\BRENDOL\\DICO\\",
               CompiledDictionary);
    if (!machine_.ReadFile("E:\\BRENDOL\\DICO\\THESAUGB.DBZ")) {
        fault_ = "no compiled dictionary in " + nativeMedium + ": build the native preset";
        return;
    }
    machine_.SetCurrentDirectory("E:\\");
    // A workshop PC as the demo prefix reports it: Windows XP, English.
    machine_.SetVersion(5, 1, 2600, "Service Pack 3");
    machine_.SetSystemDefaultLanguageName("en");
    machine_.AddLibrary(
        "lx32.dll",
        {{"@LX_API_SetDBZFileFullName$qpxc", reinterpret_cast<void*>(&SetDbzFileFullName)},
         {"@LX_API_GetDicoPhrase$ql", reinterpret_cast<void*>(&GetDicoPhrase)},
         {"@LX_API_getLanguageConfiguration$qpxcpcxipi",
          reinterpret_cast<void*>(&GetLanguageConfiguration)}});
    // The library finds a language's dictionary in the process's current
    // folder, as the wizard's own is the medium's root.
    if (chdir(machine_.HostPath("E:\\").c_str()) != 0) fault_ = "cannot enter the medium's folder";
}

DemoWizard::~DemoWizard() {
    application_.reset();
    State = ProgramState{};
    SetProcessExitHandler(nullptr);
    vcl::SetCurrentHost(nullptr);
}

void DemoWizard::Start() {
    application_ = std::make_unique<vcl::TApplication>();
    application_->Initialize();
    application_->CreateForm(form_);
    if (fault_.empty()) application_->Run();
}

}  // namespace tavrik::bench
