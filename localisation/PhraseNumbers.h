// Every phrase number a page can show, by what it says. The pages name
// their phrases only through these constants, and kShownPhrases lists them
// all, so the medium checker asks each dictionary for exactly the phrases
// the wizard can show (tools/mediumcheck).
#pragma once

namespace tavrik::phrase {

constexpr long kComponentProblemPersists = 278;
constexpr long kComponentNotStarted = 17415;
constexpr long kComponentSkipped = 17417;
constexpr long kNotOnBattery = 17877;
constexpr long kVersionCannotBeInstalled = 46846;
constexpr long kSetupRunning = 46853;
constexpr long kUseThisLanguage = 47044;
constexpr long kCloseThenRestart = 78759;
constexpr long kMayTakeMinutes = 82504;
constexpr long kValidateToContinue = 93411;
constexpr long kRemoveOption = 106178;
constexpr long kChooseDisk = 116387;
constexpr long kReinstallOption = 116389;
constexpr long kInstallationSucceeded = 116390;
constexpr long kInstallationFailed = 116391;
constexpr long kSetupNotStarted = 116392;
constexpr long kRemovalSucceeded = 116406;
constexpr long kRemovalFailed = 116407;
constexpr long kServiceUpdated = 118556;
constexpr long kServiceUpdateFailed = 118558;
constexpr long kErrorCode = 118559;
constexpr long kCanStillContinue = 118560;
constexpr long kServiceContactSupport = 118561;
constexpr long kWatchedApplicationName = 122270;
constexpr long kAcceptLicence = 122389;
constexpr long kRefuseLicence = 122390;
constexpr long kValidateToClose = 122391;
constexpr long kCannotInstall = 122392;
constexpr long kSystemNotSupported = 122393;
constexpr long kProgramsStillRunning = 125088;
constexpr long kExcludedWorkstation = 126057;
constexpr long kUseOtherMedium = 126058;
constexpr long kBeforeYouStart = 126839;
constexpr long kCloseSuitePrograms = 126840;
// Holds one '*', replaced by the product name.
constexpr long kDisconnectProduct = 126841;
constexpr long kConnectMains = 126842;
constexpr long kFilesInUse = 126843;
constexpr long kRestartThenAgain = 126844;
constexpr long kNeedsAdministrator = 126845;
constexpr long kAnotherWizardRuns = 126846;

constexpr long kShownPhrases[] = {
    kComponentProblemPersists,
    kComponentNotStarted,
    kComponentSkipped,
    kNotOnBattery,
    kVersionCannotBeInstalled,
    kSetupRunning,
    kUseThisLanguage,
    kCloseThenRestart,
    kMayTakeMinutes,
    kValidateToContinue,
    kRemoveOption,
    kChooseDisk,
    kReinstallOption,
    kInstallationSucceeded,
    kInstallationFailed,
    kSetupNotStarted,
    kRemovalSucceeded,
    kRemovalFailed,
    kServiceUpdated,
    kServiceUpdateFailed,
    kErrorCode,
    kCanStillContinue,
    kServiceContactSupport,
    kWatchedApplicationName,
    kAcceptLicence,
    kRefuseLicence,
    kValidateToClose,
    kCannotInstall,
    kSystemNotSupported,
    kProgramsStillRunning,
    kExcludedWorkstation,
    kUseOtherMedium,
    kBeforeYouStart,
    kCloseSuitePrograms,
    kDisconnectProduct,
    kConnectMains,
    kFilesInUse,
    kRestartThenAgain,
    kNeedsAdministrator,
    kAnotherWizardRuns,
};

}  // namespace tavrik::phrase
