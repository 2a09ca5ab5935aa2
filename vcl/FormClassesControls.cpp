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

template <typename C>
std::function<TComponent*(TComponent*)> Creator() {
    return [](TComponent* owner) { return new C(owner); };
}

FormClass ShapeClass() {
    return {"TShape",
            "TGraphicControl",
            Creator<TShape>(),
            {
                Color("Brush.Color", &TShape::SetBrushColor),
                Enum("Pen.Style", &TShape::SetPenStyle, {"psSolid", "psClear"}),
            }};
}

FormClass ListBoxClass() {
    return {"TListBox",
            "TWinControl",
            Creator<TListBox>(),
            {
                Int("ItemHeight", &TListBox::SetItemHeight),
            }};
}

FormClass ScrollBarClass() {
    return {"TScrollBar",
            "TWinControl",
            Creator<TScrollBar>(),
            {
                Enum("Kind", &TScrollBar::SetBarKind, {"sbHorizontal", "sbVertical"}),
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
            Creator<TUpDown>(),
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
        {"TPageControl", "TWinControl", Creator<TPageControl>(), {}},
        {"TTabSheet",
         "TWinControl",
         Creator<TTabSheet>(),
         {
             Bool("TabVisible", &TTabSheet::SetTabVisible),
             Event("OnShow", &TTabSheet::OnShow),
         }},
        {"TLabel",
         "TGraphicControl",
         Creator<TLabel>(),
         {
             Enum("Alignment", &TLabel::SetAlignment,
                  {"taLeftJustify", "taRightJustify", "taCenter"}),
             Enum("Layout", &TLabel::SetLayout, {"tlTop", "tlCenter", "tlBottom"}),
             Bool("WordWrap", &TLabel::SetWordWrap),
             Bool("Transparent", &TLabel::SetTransparent),
             Bool("AutoSize", &TLabel::SetAutoSize),
         }},
        {"TImage",
         "TGraphicControl",
         Creator<TImage>(),
         {
             Bool("Stretch", &TImage::SetStretch),
         }},
        {"TSpeedButton",
         "TGraphicControl",
         Creator<TSpeedButton>(),
         {
             Bool("Flat", &TSpeedButton::SetFlat),
         }},
        ShapeClass(),
        ListBoxClass(),
        UpDownClass(),
        ScrollBarClass(),
        {"TProgressBar",
         "TWinControl",
         Creator<TProgressBar>(),
         {
             Int("Min", &TProgressBar::SetMin),
             Int("Max", &TProgressBar::SetMax),
             Int("Position", &TProgressBar::SetPosition),
             Int("Step", &TProgressBar::SetStep),
             Bool("Smooth", &TProgressBar::SetSmooth),
         }},
        {"TMemo",
         "TWinControl",
         Creator<TMemo>(),
         {
             Enum("ScrollBars", &TMemo::SetScrollBars,
                  {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}),
             Bool("ReadOnly", &TMemo::SetReadOnly),
         }},
        {"TRadioButton", "TWinControl", Creator<TRadioButton>(), {}},
        {"TGroupBox", "TWinControl", Creator<TGroupBox>(), {}},
    };
}

}  // namespace tavrik::vcl
