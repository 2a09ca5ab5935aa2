#include "vcl/win32/TextCodePage.h"

namespace tavrik::vcl::win32 {

unsigned CodePageOfCharset(std::uint8_t charset) {
    CHARSETINFO info = {};
    // With TCI_SRCCHARSET the first argument carries the character set
    // itself, not a pointer.
    auto* source = reinterpret_cast<DWORD*>(static_cast<std::uintptr_t>(charset));
    if (charset == DEFAULT_CHARSET || !TranslateCharsetInfo(source, &info, TCI_SRCCHARSET)) {
        return CP_ACP;
    }
    return info.ciACP;
}

WideText WideFromBytes(const std::string& bytes, unsigned codePage) {
    if (bytes.empty()) return WideText(1, L'\0');
    const int length = static_cast<int>(bytes.size());
    for (unsigned page : {codePage, static_cast<unsigned>(CP_ACP)}) {
        int size = MultiByteToWideChar(page, 0, bytes.data(), length, nullptr, 0);
        if (size <= 0) continue;
        WideText wide(static_cast<std::size_t>(size) + 1, L'\0');
        MultiByteToWideChar(page, 0, bytes.data(), length, wide.data(), size);
        return wide;
    }
    // Not even the system code page takes them: keep the bytes as Latin-1.
    WideText latin1;
    for (char c : bytes) latin1.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    latin1.push_back(L'\0');
    return latin1;
}

void SetWindowTextForFont(HWND window, const std::string& text, std::uint8_t charset) {
    SetWindowTextW(window, WideFromBytes(text, CodePageOfCharset(charset)).data());
}

}  // namespace tavrik::vcl::win32
