// A wizard about to do the work on page 6, on the in-memory machine: the
// suite's service script present, PathInstall = C:, setup.exe on the medium
// and the update script answering 2. The setup keeps running until the test
// ends it with the Install value it leaves behind.
#pragma once

#include <cstdint>
#include <string>

#include "DecisionFixture.h"

namespace tavrik::testing {

class ProgressTest : public DecisionTest {
protected:
    static constexpr const char* kInstallLine =
        "E:\\setup.exe -s -f1E:\\install.iss -f2C:\\setup.log";
    static constexpr const char* kRemovalLine =
        "E:\\setup.exe -s -f1E:\\desinst.iss -f2C:\\setup.log";
    static constexpr const char* kUpdateScript = "cscript.exe updateqxd.vbs //Nologo //B";

    void SetUp() override;

    // Shows page 6 for an installation or a removal; an installation's
    // components and script run on the component timer's tick.
    void ShowProgressPage(bool installation);
    void TickComponents();
    // One Timer1 tick; false when the timer was not running.
    bool Tick();
    // Ends the running setup, leaving Install as given ("" deletes the key).
    void EndSetup(const std::string& install);
    // The ap.ini of the medium with this INSTALL_COMPOSANTS section.
    void Components(const std::string& section);
    // A picture of `width` x 1 pixels in the medium's WAIT folder.
    void WaitPicture(const std::string& name, int width);

    const platform::ProcessStart* LastStartOf(const std::string& commandLine) const;
    std::string Text() { return Form().Texte_Page_MAJEnCours->Caption(); }

    std::uint32_t updateResult = 2;
    // The wizard's command line ("-reboot" after a restart).
    std::string startArguments;
};

}  // namespace tavrik::testing
