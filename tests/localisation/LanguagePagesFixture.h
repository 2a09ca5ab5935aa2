// The wizard with a chosen set of flags in the medium's dictionary folder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/WizardFixture.h"

namespace tavrik::testing {

class LanguagePagesTest : public WizardTest {
protected:
    // Replaces the medium's flags by these files (names such as
    // "THESAUHU.bmp"); a demo flag's picture when the medium has one of
    // that name, otherwise the French flag's.
    void UseFlags(const std::vector<std::string>& names);
    // The demo flags THESAU<code>.bmp.
    void UseDemoFlags(const std::vector<std::string>& codes);
    void RemoveAllFlags();
    // The button of flag i (1-based).
    vcl::TSpeedButton* FlagButton(int i) { return Form().FlagButtons[i - 1]; }
    // Numbers of the visible flag buttons, in order.
    std::vector<int> VisibleFlags();
    void ShowLanguagePage();
};

// A 24-bit picture of one colour.
std::string SolidBmp(int width, int height, std::uint32_t rgb);

}  // namespace tavrik::testing
