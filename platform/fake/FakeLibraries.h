// Dynamic libraries of the fake machine, registered by file name: either a
// table of exports the test provides, or a real native shared object whose
// Windows export names are mapped to its plain ELF names (an ELF symbol
// cannot hold the '@' of a decorated name). Only the names of the table or
// of the map can be looked up, as only the DLL's exports could.
//
// As on Windows, loading a library that is already loaded returns the same
// handle and counts a reference; the last FreeLibrary unloads it (a native
// object is dlclose'd, so its static state starts afresh at the next load).
// Every load, look-up and free is logged in order.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/Machine.h"

namespace tavrik::platform {

struct LibraryCall {
    enum class Kind { Load, Lookup, Free };
    Kind kind = Kind::Load;
    std::string library;  // the registered name
    std::string symbol;   // for a look-up
    bool succeeded = false;
    std::string asked;  // for a load: the name or path given
};

class FakeLibraries {
public:
    FakeLibraries() = default;
    ~FakeLibraries();
    FakeLibraries(const FakeLibraries&) = delete;
    FakeLibraries& operator=(const FakeLibraries&) = delete;

    void Add(const std::string& windowsName, std::map<std::string, void*> exports);
    void AddNative(const std::string& windowsName, const std::string& soPath,
                   std::map<std::string, std::string> decoratedToPlain);

    // name is matched by its file name part, without regard to case, ".dll"
    // assumed when it has no extension (a library registered once stands
    // for that file in any folder).
    Handle Load(const std::string& name);
    void* Lookup(Handle library, const std::string& symbol);
    bool Free(Handle library);

    int LoadCount(const std::string& windowsName) const;
    int FreeCount(const std::string& windowsName) const;
    bool IsLoaded(const std::string& windowsName) const;
    const std::vector<LibraryCall>& Calls() const { return calls_; }

private:
    struct Library {
        std::string name;
        std::map<std::string, void*> exports;
        std::string soPath;  // empty for a table of exports
        std::map<std::string, std::string> decoratedToPlain;
        void* native = nullptr;  // dlopen handle while loaded
        int references = 0;
        Handle handle = kNoHandle;
        int loads = 0;
        int frees = 0;
    };

    Library* FindLoaded(Handle handle);
    const Library* FindByName(const std::string& windowsName) const;

    std::map<std::string, Library> libraries_;  // by folded file name
    std::vector<LibraryCall> calls_;
    // Module handles are addresses on Windows; these never collide with the
    // kernel handles of the HandleCounter.
    Handle nextHandle_ = 0x10000000;
};

}  // namespace tavrik::platform
