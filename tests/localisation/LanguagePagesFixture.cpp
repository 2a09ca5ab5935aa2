#include "LanguagePagesFixture.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "vcl/BmpBuilder.h"

namespace tavrik::testing {

namespace {

const std::string kDemoFlags = TAVRIK_SOURCE_DIR "/medium/BRENDOL/DICO/";

std::string ReadDemoFlag(const std::string& name) {
    std::ifstream in(kDemoFlags + name, std::ios::binary);
    if (!in) {
        in.open(kDemoFlags + "THESAUFR.bmp", std::ios::binary);
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

std::string SolidBmp(int width, int height, std::uint32_t rgb) {
    return vcl::testing::Bmp24(
        width, height,
        std::vector<std::uint32_t>(
            static_cast<std::size_t>(width) * static_cast<std::size_t>(height), rgb));
}

void LanguagePagesTest::RemoveAllFlags() {
    for (const auto& entry :
         std::filesystem::directory_iterator(machine.HostPath("E:\\BRENDOL\\DICO"))) {
        if (entry.path().extension() == ".bmp") {
            std::filesystem::remove(entry.path());
        }
    }
}

void LanguagePagesTest::UseFlags(const std::vector<std::string>& names) {
    RemoveAllFlags();
    for (const std::string& name : names) {
        PutOnMedium("BRENDOL\\DICO\\" + name, ReadDemoFlag(name));
    }
}

void LanguagePagesTest::UseDemoFlags(const std::vector<std::string>& codes) {
    std::vector<std::string> names;
    for (const std::string& code : codes) {
        names.push_back("THESAU" + code + ".bmp");
    }
    UseFlags(names);
}

std::vector<int> LanguagePagesTest::VisibleFlags() {
    std::vector<int> visible;
    for (int i = 1; i <= 30; ++i) {
        if (FlagButton(i)->Visible()) {
            visible.push_back(i);
        }
    }
    return visible;
}

void LanguagePagesTest::ShowLanguagePage() {
    Form().ShowPage(kPageLanguageChoice);
    ASSERT_EQ(Page(), kPageLanguageChoice);
}

}  // namespace tavrik::testing
