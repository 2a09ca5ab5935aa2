// The wizard's pages, one row each: the page's number (its index in the
// page control), the short name the dry run prints, and what each key of
// the form-wide key handler does on it. The key handler acts from it, and
// the dry run names pages and picks the keys it presses from it.
#pragma once

#include <cstdint>
#include <string>

namespace tavrik {

class TMainForm;

enum PageNumber : int {
    kPageVolumeInstall = 1,
    kPageVersionError = 2,
    kPageUpdateConfirmation = 3,
    kPageLanguageChoice = 4,
    kPageLanguageConfirmation = 5,
    kPageInstallInProgress = 6,
    kPageRecommendation = 7,
    kPageLicence = 8,
    kPageRunningApplications = 9,
    kPageReboot = 10,
    kPageMainsPower = 11,
};

// Key codes the form-wide key handler acts on.
enum KeyCode : std::uint16_t {
    kKeyReturn = 0x0D,
    kKeyLeft = 0x25,
    kKeyUp = 0x26,
    kKeyRight = 0x27,
    kKeyDown = 0x28,
    kKeyF1 = 0x70,
    kKeyF2 = 0x71,
    kKeyF3 = 0x72,
    kKeyF4 = 0x73,
};

// What a key does on a page. It may find, from the program state, that the
// key does nothing this time (F1 while the setup still runs).
using KeyAction = void (*)(TMainForm& form, std::uint16_t key);

struct PageRow {
    int number;
    const char* name;
    KeyAction enter;
    KeyAction f1;
    KeyAction f3;
    KeyAction f4;
    KeyAction arrows;  // all four; the action tells them apart if it must
    // The key a person presses to go on from the page; 0 on a page only
    // the outside world moves on (page 9).
    std::uint16_t goOn;
};

// The row of page N, or nullptr when there is no such page.
const PageRow* FindPage(int page);

// What the key does on the page, or nullptr when it does nothing there.
KeyAction ActionOf(const PageRow& row, std::uint16_t key);

// "page 7 (recommendation)"; only "page N" when there is no such page.
std::string PageName(int page);

// "Enter", "Down", "F3 (yes)": a key as a person reads it on the wizard's
// buttons.
std::string KeyName(std::uint16_t key);

}  // namespace tavrik
