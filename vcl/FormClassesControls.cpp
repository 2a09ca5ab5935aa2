// Published properties of the concrete controls.
#include "vcl/Form.h"
#include "vcl/FormPublishing.h"
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
#include "vcl/UpDown.h"

namespace tavrik::vcl {

namespace {

using namespace publishing;

constexpr const char* kShapePenStyleNames[] = {"psSolid", "psClear"};
constexpr const char* kScrollBarKindNames[] = {"sbHorizontal", "sbVertical"};
constexpr const char* kLabelAlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr const char* kLabelLayoutNames[] = {"tlTop", "tlCenter", "tlBottom"};
constexpr const char* kMemoScrollBarsNames[] = {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};

FormClass ShapeClass() {
    return {"TShape",
            "TGraphicControl",
            Create<TShape>,
            {
                Color("Brush.Color", &TShape::SetBrushColor),
                Enum("Pen.Style", &TShape::SetPenStyle, kShapePenStyleNames),
            }};
}

FormClass ListBoxClass() {
    return {"TListBox",
            "TWinControl",
            Create<TListBox>,
            {
                Int("ItemHeight", &TListBox::SetItemHeight),
            }};
}

FormClass ScrollBarClass() {
    return {"TScrollBar",
            "TWinControl",
            Create<TScrollBar>,
            {
                Enum("Kind", &TScrollBar::SetBarKind, kScrollBarKindNames),
                Int("Min", &TScrollBar::SetMin),
                Int("Max", &TScrollBar::SetMax),
                Int("Position", &TScrollBar::SetPosition),
                Int("PageSize", &TScrollBar::SetPageSize),
                Int("SmallChange", &TScrollBar::SetSmallChange),
                Int("LargeChange", &TScrollBar::SetLargeChange),
                Event("OnScroll", &TScrollBar::OnScroll),
                Event("OnChange", &TScrollBar::OnChange),
            }};
}

FormClass UpDownClass() {
    return {"TUpDown",
            "TWinControl",
            Create<TUpDown>,
            {
                Int("Min", &TUpDown::SetMin),
                Int("Max", &TUpDown::SetMax),
                Int("Position", &TUpDown::SetPosition),
                Bool("Wrap", &TUpDown::SetWrap),
                Event("OnChanging", &TUpDown::OnChanging),
                Event("OnClick", &TUpDown::OnClick),
            }};
}

}  // namespace

std::vector<FormClass> ControlFormClasses() {
    return {
        {"TPageControl", "TWinControl", Create<TPageControl>, {}},
        {"TTabSheet",
         "TWinControl",
         Create<TTabSheet>,
         {
             Bool("TabVisible", &TTabSheet::SetTabVisible),
             Event("OnShow", &TTabSheet::OnShow),
         }},
        {"TLabel",
         "TGraphicControl",
         Create<TLabel>,
         {
             Enum("Alignment", &TLabel::SetAlignment, kLabelAlignmentNames),
             Enum("Layout", &TLabel::SetLayout, kLabelLayoutNames),
             Bool("WordWrap", &TLabel::SetWordWrap),
             Bool("Transparent", &TLabel::SetTransparent),
             Bool("AutoSize", &TLabel::SetAutoSize),
         }},
        {"TImage",
         "TGraphicControl",
         Create<TImage>,
         {
             Bool("Stretch", &TImage::SetStretch),
         }},
        {"TSpeedButton",
         "TGraphicControl",
         Create<TSpeedButton>,
         {
             Bool("Flat", &TSpeedButton::SetFlat),
         }},
        ShapeClass(),
        ListBoxClass(),
        UpDownClass(),
        ScrollBarClass(),
        {"TProgressBar",
         "TWinControl",
         Create<TProgressBar>,
         {
             Int("Min", &TProgressBar::SetMin),
             Int("Max", &TProgressBar::SetMax),
             Int("Position", &TProgressBar::SetPosition),
             Int("Step", &TProgressBar::SetStep),
             Bool("Smooth", &TProgressBar::SetSmooth),
         }},
        {"TMemo",
         "TWinControl",
         Create<TMemo>,
         {
             Enum("ScrollBars", &TMemo::SetScrollBars, kMemoScrollBarsNames),
             Bool("ReadOnly", &TMemo::SetReadOnly),
         }},
        {"TRadioButton", "TWinControl", Create<TRadioButton>, {}},
        {"TGroupBox", "TWinControl", Create<TGroupBox>, {}},
    };
}

}  // namespace tavrik::vcl
