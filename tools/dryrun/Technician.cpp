#include "Technician.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "ComponentPlan.h"
#include "PageOutcomes.h"
#include "app/EmbeddedWizard.h"
#include "app/PageTable.h"
#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "config/StartDirectory.h"
#include "localisation/FlagFiles.h"
#include "localisation/FlagGrid.h"
#include "system/MainsPower.h"
#include "util/DictionaryNames.h"

namespace tavrik::dryrun {

namespace {

// More actions than any road needs; a page that keeps the technician
// busy longer is stuck.
constexpr int kMostActions = 200;
constexpr int kMostOnOnePage = 40;

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

void Technician::Run() {
    // The wizard goes before the state its form refers to is reset.
    EmbeddedWizard wizard(host_, [this](int code) { exits_.push_back(code); });
    // The start-up decides the road from it and the resume record.
    wizard.Start(options_.afterRestart ? "-reboot" : "", [this](TMainForm& form) {
        form_ = &form;
        WatchPages();
    });
    Drive();
}

// A page is told as it starts showing, before its show handler runs (as a
// person sees the page, then what it does).
void Technician::WatchPages() {
    if (form_ == nullptr) return;
    vcl::TPageControl& pages = *form_->PageControlPrincipal;
    for (int index = 1; index <= pages.PageCount(); ++index) {
        vcl::TTabSheet* sheet = pages.Pages(index);
        sheet->OnShow = [this, sheet, handler = sheet->OnShow](vcl::TObject* sender) {
            const int page = sheet->PageIndex();
            if (page != road_.LastPage()) road_.Page(page);
            if (handler) handler(sender);
        };
    }
}

void Technician::Drive() {
    int previous = -1;
    int onPage = 0;
    for (int action = 0; action < kMostActions && !road_.Finished(); ++action) {
        if (Ended()) {
            road_.End(exits_.empty() ? 0 : exits_.front());
            return;
        }
        const int page = form_->ActivePage();
        onPage = page == previous ? onPage + 1 : 0;
        previous = page;
        if (onPage == kMostOnOnePage) {
            road_.Stop(PageName(page) + " stays whatever the technician presses");
            return;
        }
        Act(page);
        host_.RunMessageLoop();
    }
    if (!road_.Finished()) road_.Stop("no end after " + std::to_string(kMostActions) + " actions");
}

bool Technician::Ended() const {
    const auto& closed = host_.ClosedForms();
    return host_.Terminated() || !exits_.empty() ||
           std::find(closed.begin(), closed.end(), form_) != closed.end();
}

void Technician::Act(int page) {
    TMainForm& form = *form_;
    switch (page) {
        case kPageRecommendation:
            if (options_.afterRestart && !IsOnMainsPower()) {
                road_.Stop(PageName(page) + " waits for the PC to run on mains power");
            } else {
                const std::string refusal = Page7Refusal(options_);
                if (!refusal.empty()) road_.Refusal(page, refusal);
                GoOn(page);
            }
            break;
        case kPageVersionError:
            road_.Refusal(page, Page2Refusal());
            GoOn(page);
            break;
        case kPageLanguageChoice:
            ChooseLanguage();
            GoOn(page);
            break;
        case kPageVolumeInstall:
            ChooseVolume();
            GoOn(page);
            break;
        case kPageLanguageConfirmation:
            GoOn(page);
            if (!versionsTold_) {
                versionsTold_ = true;
                const std::string note = VersionOrderNote();
                if (!note.empty()) road_.Note(note);
            }
            break;
        case kPageUpdateConfirmation:
            if (options_.remove == form.RadioButton1->Checked()) Press(kKeyDown);
            GoOn(page);
            break;
        case kPageLicence:
            road_.Action(options_.acceptLicence ? "a click on the acceptance"
                                                : "a click on the refusal");
            host_.Click(options_.acceptLicence ? *form.Label1 : *form.Label2);
            GoOn(page);
            break;
        case kPageMainsPower:
            if (!IsOnMainsPower()) {
                road_.Stop(PageName(page) + " waits for the PC to run on mains power");
            } else {
                GoOn(page);
            }
            break;
        case kPageRunningApplications:
            road_.Stop(PageName(page) + " waits for the suite's programs to be closed");
            break;
        case kPageReboot:
            road_.Stop(PageName(page) + " would restart the PC");
            break;
        case kPageInstallInProgress:
            FollowTheWork();
            break;
        default:
            road_.Stop("no page is shown");
            break;
    }
}

void Technician::FollowTheWork() {
    TMainForm& form = *form_;
    if (host_.TimerRunning(*form.TimerMAJComposant)) {
        for (const std::string& line : ComponentLines(StartDirectory(), State.InstallPathChosen,
                                                      LanguageCodeOf(State.DictionaryFileName))) {
            road_.Component(line);
        }
        road_.Action("time passes (the components' timer)");
        setupTicked_ = validatedOutcome_ = false;
        host_.TickTimer(*form.TimerMAJComposant);
    } else if (host_.TimerRunning(*form.Timer1)) {
        road_.Action("time passes (the setup's timer)");
        setupTicked_ = true;
        validatedOutcome_ = false;
        host_.TickTimer(*form.Timer1);
    } else if (State.SetupFinished || !State.DllTestPassed) {
        road_.Outcome(Page6Outcome(setupTicked_, validatedOutcome_));
        // Validate on a notice of the update or of the libraries leads on
        // to more work or to the end, never to the closing message.
        validatedOutcome_ = State.DllTestPassed && !State.MainSetupPending;
        GoOn(kPageInstallInProgress);
    } else {
        road_.Stop(PageName(kPageInstallInProgress) + " waits");
    }
}

// The page's own key to go on, unless choosing on the page already stopped
// the road.
void Technician::GoOn(int page) {
    const PageRow* row = FindPage(page);
    if (!road_.Finished() && row != nullptr && row->goOn != 0) Press(row->goOn);
}

void Technician::Press(std::uint16_t key) {
    road_.Action(KeyName(key));
    host_.PressKey(*form_, key);
    // A key that writes a character follows its key-down with it, as on
    // Windows; the volume list takes Enter so.
    if (key == kKeyReturn && !Ended()) host_.TypeChar(*form_, '\r');
}

// The flag the options name, by number or language code, reached with the
// arrow keys from the preselected one.
void Technician::ChooseLanguage() {
    if (options_.language.empty() || State.FlagGrid == nullptr) return;
    const std::vector<std::string> flags = ListFlagFiles();
    int wanted = 0;
    for (std::size_t k = 0; k < flags.size(); ++k) {
        if (Upper(LanguageCodeOf(flags[k])) == Upper(options_.language) ||
            std::to_string(k + 1) == options_.language) {
            wanted = static_cast<int>(k + 1);
        }
    }
    if (wanted == 0) {
        road_.Stop(PageName(kPageLanguageChoice) + " has no flag \"" + options_.language + "\"");
        return;
    }
    const TFlagGrid& grid = *State.FlagGrid;
    for (int tries = 0; grid.Index != wanted && tries < 4 * grid.Count; ++tries) {
        if (grid.RowOf(grid.Index) < grid.RowOf(wanted)) {
            Press(kKeyDown);
        } else if (grid.RowOf(grid.Index) > grid.RowOf(wanted)) {
            Press(kKeyUp);
        } else {
            Press(grid.Index < wanted ? kKeyRight : kKeyLeft);
        }
    }
}

// The volume list holds "X:\ ..." per fixed drive, the first selected;
// the arrow keys move the selection.
void Technician::ChooseVolume() {
    vcl::TListBox& list = *form_->listbox1;
    const std::string prefix = std::string(1, options_.volume) + ":\\";
    for (int i = 0; i < list.Items().Count(); ++i) {
        if (Upper(list.Items()[i]).rfind(prefix, 0) != 0) continue;
        for (int tries = 0; list.ItemIndex() != i && tries < list.Items().Count(); ++tries) {
            list.ItemIndex() < i ? Press(kKeyDown) : Press(kKeyUp);
        }
        return;
    }
    road_.Stop(PageName(kPageVolumeInstall) + " offers no volume " + prefix);
}

}  // namespace tavrik::dryrun
