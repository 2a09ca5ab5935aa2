#include "platform/fake/FakeLibraries.h"

#include <dlfcn.h>

#include <utility>

#include "platform/fake/CaseFolding.h"

namespace tavrik::platform {

namespace {

std::string LibraryKey(const std::string& name) {
    const std::size_t separator = name.find_last_of("\\/");
    std::string file = separator == std::string::npos ? name : name.substr(separator + 1);
    if (file.find('.') == std::string::npos) {
        file += ".dll";
    } else if (!file.empty() && file.back() == '.') {
        file.pop_back();  // a final dot means "no extension"
    }
    return CaseFoldedKey(file);
}

}  // namespace

FakeLibraries::~FakeLibraries() {
    for (auto& entry : libraries_) {
        if (entry.second.native != nullptr) {
            dlclose(entry.second.native);
        }
    }
}

void FakeLibraries::Add(const std::string& windowsName, std::map<std::string, void*> exports) {
    Library& library = libraries_[LibraryKey(windowsName)];
    library.name = windowsName;
    library.exports = std::move(exports);
}

void FakeLibraries::AddNative(const std::string& windowsName, const std::string& soPath,
                              std::map<std::string, std::string> decoratedToPlain) {
    Library& library = libraries_[LibraryKey(windowsName)];
    library.name = windowsName;
    library.soPath = soPath;
    library.decoratedToPlain = std::move(decoratedToPlain);
}

Handle FakeLibraries::Load(const std::string& name) {
    const auto found = name.empty() ? libraries_.end() : libraries_.find(LibraryKey(name));
    if (found == libraries_.end()) {
        calls_.push_back({LibraryCall::Kind::Load, name, "", false, name});
        return kNoHandle;
    }
    Library& library = found->second;
    if (library.references == 0) {
        if (!library.soPath.empty()) {
            library.native = dlopen(library.soPath.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (library.native == nullptr) {
                calls_.push_back({LibraryCall::Kind::Load, library.name, "", false, name});
                return kNoHandle;
            }
        }
        library.handle = nextHandle_;
        nextHandle_ += 0x10000;
    }
    ++library.references;
    ++library.loads;
    calls_.push_back({LibraryCall::Kind::Load, library.name, "", true, name});
    return library.handle;
}

FakeLibraries::Library* FakeLibraries::FindLoaded(Handle handle) {
    if (handle == kNoHandle) {
        return nullptr;
    }
    for (auto& entry : libraries_) {
        if (entry.second.references > 0 && entry.second.handle == handle) {
            return &entry.second;
        }
    }
    return nullptr;
}

const FakeLibraries::Library* FakeLibraries::FindByName(const std::string& windowsName) const {
    const auto found = libraries_.find(LibraryKey(windowsName));
    return found == libraries_.end() ? nullptr : &found->second;
}

void* FakeLibraries::Lookup(Handle handle, const std::string& symbol) {
    Library* library = FindLoaded(handle);
    void* address = nullptr;
    if (library != nullptr) {
        if (library->native != nullptr) {
            const auto plain = library->decoratedToPlain.find(symbol);
            if (plain != library->decoratedToPlain.end()) {
                address = dlsym(library->native, plain->second.c_str());
            }
        } else {
            const auto exported = library->exports.find(symbol);
            if (exported != library->exports.end()) {
                address = exported->second;
            }
        }
    }
    calls_.push_back({LibraryCall::Kind::Lookup, library != nullptr ? library->name : "", symbol,
                      address != nullptr, ""});
    return address;
}

bool FakeLibraries::Free(Handle handle) {
    Library* library = FindLoaded(handle);
    if (library == nullptr) {
        calls_.push_back({LibraryCall::Kind::Free, "", "", false, ""});
        return false;
    }
    ++library->frees;
    if (--library->references == 0 && library->native != nullptr) {
        dlclose(library->native);
        library->native = nullptr;
    }
    calls_.push_back({LibraryCall::Kind::Free, library->name, "", true, ""});
    return true;
}

int FakeLibraries::LoadCount(const std::string& windowsName) const {
    const Library* library = FindByName(windowsName);
    return library == nullptr ? 0 : library->loads;
}

int FakeLibraries::FreeCount(const std::string& windowsName) const {
    const Library* library = FindByName(windowsName);
    return library == nullptr ? 0 : library->frees;
}

bool FakeLibraries::IsLoaded(const std::string& windowsName) const {
    const Library* library = FindByName(windowsName);
    return library != nullptr && library->references > 0;
}

}  // namespace tavrik::platform
