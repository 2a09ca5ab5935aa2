#include <string>
#include <vector>

#include "VclTestFixture.h"
#include "vcl/ListBox.h"

namespace tavrik::vcl {
namespace {

class KeyPreviewTest : public testing::VclTest {
protected:
    KeyPreviewTest() {
        list = Make<TListBox>(form);
        form->OnKeyDown = [this](TObject* sender, std::uint16_t& key, ShiftState shift) {
            log.push_back("form " + std::to_string(key) + (sender == form ? "" : " ?") +
                          (shift & kShiftCtrl ? " ctrl" : ""));
            if (formConsumes) key = 0;
        };
        list->OnKeyDown = [this](TObject* sender, std::uint16_t& key, ShiftState) {
            log.push_back("list " + std::to_string(key) + (sender == list ? "" : " ?"));
        };
        form->OnKeyPress = [this](TObject*, char& key) {
            log.push_back(std::string("form ") + key);
        };
        list->OnKeyPress = [this](TObject*, char& key) {
            log.push_back(std::string("list ") + key);
        };
        ShowForm();
        list->SetFocus();
    }
    TListBox* list = nullptr;
    bool formConsumes = false;
    std::vector<std::string> log;
};

TEST_F(KeyPreviewTest, FormSeesTheKeyBeforeTheFocusedControl) {
    form->SetKeyPreview(true);
    EXPECT_EQ(host.PressKey(*form, 0x70, kShiftCtrl), 0x70);
    EXPECT_EQ(host.TypeChar(*form, 'a'), 'a');
    EXPECT_EQ(log, (std::vector<std::string>{"form 112 ctrl", "list 112", "form a", "list a"}));
}

TEST_F(KeyPreviewTest, WithoutPreviewOnlyTheFocusedControlSeesIt) {
    host.PressKey(*form, 0x0D);
    EXPECT_EQ(log, std::vector<std::string>{"list 13"});
}

TEST_F(KeyPreviewTest, AKeyTheFormConsumesGoesNoFurther) {
    form->SetKeyPreview(true);
    formConsumes = true;
    EXPECT_EQ(host.PressKey(*form, 0x26), 0);
    EXPECT_EQ(log, std::vector<std::string>{"form 38"});
}

TEST_F(KeyPreviewTest, WithoutFocusedControlTheFormGetsTheKeyOnce) {
    form->SetKeyPreview(true);
    form->SetFocus();
    EXPECT_EQ(form->ActiveControl(), nullptr);
    host.PressKey(*form, 0x28);
    EXPECT_EQ(log, std::vector<std::string>{"form 40"});
}

TEST_F(KeyPreviewTest, FocusFollowsSetFocusAndIsLostWithTheControl) {
    EXPECT_EQ(form->ActiveControl(), list);
    EXPECT_TRUE(list->Focused());
    delete list;
    EXPECT_EQ(form->ActiveControl(), nullptr);
}

}  // namespace
}  // namespace tavrik::vcl
