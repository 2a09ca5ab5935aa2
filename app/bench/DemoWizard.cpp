#include "app/bench/DemoWizard.h"

#include <dlfcn.h>
#include <unistd.h>

#include <filesystem>

#include "platform/fake/HostFolderMount.h"
#include "tools/onmachine/DictionaryOnMachine.h"

namespace tavrik::bench {

namespace {

namespace fs = std::filesystem;

// The native library, loaded once; the wizard's own load and free of
// lx32.dll for every phrase go through the in-memory machine.
struct NativeLibrary {
    onmachine::DictionaryEntries entries;
    platform::FakeMachine* machine = nullptr;
};
NativeLibrary native;

// The wizard names the dictionary by its path on drive E:; the native
// library opens the machine's copy of that file.
void SetDbzFileFullName(const char* path) {
    native.entries.setFile(native.machine->HostPath(path).string().c_str());
}

const char* GetDicoPhrase(long number) { return native.entries.getPhrase(number); }

void GetLanguageConfiguration(const char* file, char* fontName, const int size, int* charset) {
    native.entries.getConfiguration(file, fontName, size, charset);
}

// The medium's own files, without the sources and notes that stay in the
// tree (as tools/assemble-medium.sh leaves them out).
bool OnTheMedium(const std::string& relative) {
    const std::string first = relative.substr(0, relative.find('/'));
    return first != "dico" && first != "programs" && first != "CMakeLists.txt" &&
           first != "README.md" && first != ".gitattributes";
}
bool CompiledDictionary(const std::string& relative) {
    return fs::path(relative).extension() == ".DBZ";
}

}  // namespace

DemoWizard::DemoWizard(const std::string& sourceDir, const std::string& nativeMedium,
                       const std::string& library) {
    void* handle = dlopen(library.c_str(), RTLD_NOW);
    if (handle == nullptr) {
        fault_ = "cannot load " + library;
        return;
    }
    const auto entries = onmachine::NativeDictionaryEntries(handle);
    if (!entries) {
        fault_ = library + " lacks an entry point";
        return;
    }
    native = NativeLibrary{*entries, &machine_};

    machine_.AddDrive('E', platform::kDriveCdRom);
    using platform::MountBy;
    platform::MountHostFolder(machine_, fs::path(sourceDir) / "medium", "E:\\",
                              {MountBy::Copying, OnTheMedium});
    platform::MountHostFolder(machine_, fs::path(sourceDir) / "media" / "BMP", "E:\\BMP\\");
    platform::MountHostFolder(machine_, fs::path(nativeMedium) / "BRENDOL" / "DICO",
                              "E:\\BRENDOL\\DICO\\", {MountBy::Copying, CompiledDictionary});
    if (!machine_.ReadFile("E:\\BRENDOL\\DICO\\THESAUGB.DBZ")) {
        fault_ = "no compiled dictionary in " + nativeMedium + ": build the native preset";
        return;
    }
    machine_.SetCurrentDirectory("E:\\");
    // A workshop PC as the demo prefix reports it: Windows XP, English.
    machine_.SetVersion(5, 1, 2600, "Service Pack 3");
    machine_.SetSystemDefaultLanguageName("en");
    onmachine::AddDictionaryLibrary(
        machine_, {&SetDbzFileFullName, &GetDicoPhrase, &GetLanguageConfiguration});
    // The library finds a language's dictionary in the process's current
    // folder, as the wizard's own is the medium's root.
    if (chdir(machine_.HostPath("E:\\").c_str()) != 0) fault_ = "cannot enter the medium's folder";
}

void DemoWizard::Start() {
    if (fault_.empty()) wizard_.Start();
}

}  // namespace tavrik::bench
