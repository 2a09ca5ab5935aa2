#include "SetupPlan.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

namespace tavrik::setup {
namespace {

using Values = std::map<std::pair<std::string, std::string>, std::string>;

ResponseValue From(const Values& values) {
    return [values](const std::string& section, const std::string& key) {
        const auto found = values.find({section, key});
        return found == values.end() ? std::string() : found->second;
    };
}

TEST(SetupPlanTest, AnInstallationTakesTheDefaults) {
    SetupPlan plan;
    plan.steps = 99;  // overwritten: a read plan starts from the defaults
    std::string error;
    ASSERT_TRUE(ReadSetupPlan(From({{{"Setup", "Action"}, "install"}}), plan, error)) << error;
    EXPECT_EQ(Action::Install, plan.action);
    EXPECT_EQ(6, plan.steps);
    EXPECT_EQ(300, plan.stepMs);
    EXPECT_EQ(10000, plan.markerWaitMs);
    EXPECT_EQ(Outcome::Success, plan.outcome);
    EXPECT_EQ(0, plan.hangSeconds);
}

TEST(SetupPlanTest, ReadsEveryKeyWordsWithoutRegardToCase) {
    SetupPlan plan;
    std::string error;
    ASSERT_TRUE(ReadSetupPlan(From({{{"Setup", "Action"}, "REMOVE"},
                                    {{"Progress", "Steps"}, "0"},
                                    {{"Progress", "StepMs"}, "10000"},
                                    {{"Progress", "MarkerWaitMs"}, "250"},
                                    {{"Faults", "Outcome"}, "Crash"},
                                    {{"Faults", "HangSeconds"}, "600"}}),
                              plan, error))
        << error;
    EXPECT_EQ(Action::Remove, plan.action);
    EXPECT_EQ(0, plan.steps);
    EXPECT_EQ(10000, plan.stepMs);
    EXPECT_EQ(250, plan.markerWaitMs);
    EXPECT_EQ(Outcome::Crash, plan.outcome);
    EXPECT_EQ(600, plan.hangSeconds);
}

struct BadCase {
    const char* name;
    std::string section;
    std::string key;
    std::string value;
    std::string error;  // the whole sentence
};

class BadResponseTest : public testing::TestWithParam<BadCase> {};

TEST_P(BadResponseTest, IsRefusedWithASentenceNamingTheKey) {
    const BadCase& c = GetParam();
    Values values{{{"Setup", "Action"}, "install"}};
    values[{c.section, c.key}] = c.value;
    SetupPlan plan;
    plan.steps = 42;
    std::string error;
    EXPECT_FALSE(ReadSetupPlan(From(values), plan, error));
    EXPECT_EQ(c.error, error);
    EXPECT_EQ(42, plan.steps) << "a refused plan leaves the caller's plan alone";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, BadResponseTest,
    testing::Values(
        BadCase{"NoAction", "Setup", "Action", "", "no [Setup] Action (install or remove)"},
        BadCase{"UnknownAction", "Setup", "Action", "update",
                "[Setup] Action=update is neither install nor remove"},
        BadCase{"UnknownOutcome", "Faults", "Outcome", "maybe",
                "[Faults] Outcome=maybe is none of success, fail, crash"},
        BadCase{"TooManySteps", "Progress", "Steps", "101",
                "[Progress] Steps=101 is not a whole number from 0 to 100"},
        BadCase{"LettersInStepMs", "Progress", "StepMs", "3x",
                "[Progress] StepMs=3x is not a whole number from 0 to 10000"},
        BadCase{"HugeMarkerWait", "Progress", "MarkerWaitMs", "99999999999",
                "[Progress] MarkerWaitMs=99999999999 is not a whole number from 0 to 60000"},
        BadCase{"FractionalHang", "Faults", "HangSeconds", "1.5",
                "[Faults] HangSeconds=1.5 is not a whole number from 0 to 600"}),
    [](const auto& bad) { return std::string(bad.param.name); });

}  // namespace
}  // namespace tavrik::setup
