// The host's demo form: one of each component the wizard uses, on two
// pages, with texts in three code pages. tests/e2e/vcl/vcl_demo.sh drives
// it under Wine and reads it with the probe.
#pragma once

#include <string>

#include "vcl/Form.h"
#include "vcl/GroupBox.h"
#include "vcl/Image.h"
#include "vcl/Label.h"
#include "vcl/ListBox.h"
#include "vcl/Memo.h"
#include "vcl/PageControl.h"
#include "vcl/ProgressBar.h"
#include "vcl/RadioButton.h"
#include "vcl/ScrollBar.h"
#include "vcl/Shape.h"
#include "vcl/SpeedButton.h"
#include "vcl/Timer.h"
#include "vcl/UpDown.h"

namespace tavrik::demo {

class DemoForm : public vcl::TForm {
public:
    explicit DemoForm(vcl::TComponent* owner);

private:
    void BuildFirstPage();
    void BuildSecondPage();
    void ShowPage(int index);
    void KeyDown(std::uint16_t& key);
    void LogScroll(const std::string& event);

    vcl::TPageControl* pages_ = nullptr;
    vcl::TTabSheet* firstPage_ = nullptr;
    vcl::TTabSheet* secondPage_ = nullptr;
    vcl::TLabel* ticks_ = nullptr;
    vcl::TLabel* lastKey_ = nullptr;
    vcl::TLabel* lastChar_ = nullptr;
    vcl::TLabel* scrollState_ = nullptr;
    vcl::TLabel* upDownState_ = nullptr;
    vcl::TListBox* list_ = nullptr;
    vcl::TScrollBar* scrollBar_ = nullptr;
    vcl::TUpDown* upDown_ = nullptr;
    vcl::TProgressBar* progress_ = nullptr;
    vcl::TRadioButton* yes_ = nullptr;
    vcl::TRadioButton* no_ = nullptr;
    vcl::TTimer* timer_ = nullptr;
    int tickCount_ = 0;
    std::string scrollLog_;
};

}  // namespace tavrik::demo
