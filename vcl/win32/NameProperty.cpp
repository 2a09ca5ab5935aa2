#include "vcl/win32/NameProperty.h"

#include "vcl/win32/PeerProtocol.h"

namespace tavrik::vcl::win32 {
namespace {

// Atom names are limited to 255 characters.
constexpr std::size_t kMaxAtomName = 255;

}  // namespace

void AttachName(HWND window, const std::string& name) {
    DetachName(window);
    if (name.empty()) return;
    ATOM atom = GlobalAddAtomA(name.substr(0, kMaxAtomName).c_str());
    if (atom == 0) return;
    if (!SetPropA(window, kNameProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(atom)))) {
        GlobalDeleteAtom(atom);
    }
}

void DetachName(HWND window) {
    auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(RemovePropA(window, kNameProperty)));
    if (atom != 0) GlobalDeleteAtom(atom);
}

}  // namespace tavrik::vcl::win32
