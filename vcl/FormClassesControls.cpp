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

FormClass PageControlClass() {
    return {"TPageControl",
            "TWinControl",
            Creator<TPageControl>(),
            {
                // Pages are declared inside the control, after its properties.
                Publish<TPageControl>(
                    "ActivePage",
                    [](TPageControl& p, const FormValue& v, const BindContext& context) {
                        const std::string name = ToIdentifier(v);
                        auto* page = dynamic_cast<TTabSheet*>(context.Form().FindComponent(name));
                        if (page == nullptr || page->PageControl() != &p) {
                            throw FormValueError(name + " is not a page of " + p.Name());
                        }
                        p.SetActivePage(page);
                    },
                    true),
                Publish<TPageControl>(
                    "ActivePageIndex",
                    [](TPageControl& p, const FormValue& v, const BindContext&) {
                        const int index = ToInt(v);
                        if (index < 0 || index > p.PageCount()) {
                            throw FormValueError("page index " + std::to_string(index) +
                                                 " out of range");
                        }
                        p.SetActivePageIndex(index);
                    },
                    true),
            }};
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
                Publish<TListBox>("Items.Strings",
                                  [](TListBox& l, const FormValue& v, const BindContext&) {
                                      l.Items().Clear();
                                      for (const std::string& item : ToStringList(v)) {
                                          l.Items().Add(item);
                                      }
                                  }),
                Int("ItemIndex", &TListBox::SetItemIndex),
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
                Int("Increment", &TUpDown::SetIncrement),
                Bool("Wrap", &TUpDown::SetWrap),
                Enum("Orientation", &TUpDown::SetOrientation, {"udVertical", "udHorizontal"}),
                Event("OnChanging", &TUpDown::OnChanging),
                Event("OnClick", &TUpDown::OnClick),
            }};
}

}  // namespace

std::vector<FormClass> ControlFormClasses() {
    return {
        PageControlClass(),
        {"TTabSheet",
         "TWinControl",
         Creator<TTabSheet>(),
         {
             Bool("TabVisible", &TTabSheet::SetTabVisible),
             Event("OnShow", &TTabSheet::OnShow),
             Event("OnHide", &TTabSheet::OnHide),
         }},
        {"TLabel",
         "TGraphicControl",
         Creator<TLabel>(),
         {
             Enum("Alignment", &TLabel::SetAlignment, AlignmentNames()),
             Enum("Layout", &TLabel::SetLayout, {"tlTop", "tlCenter", "tlBottom"}),
             Bool("WordWrap", &TLabel::SetWordWrap),
             Bool("Transparent", &TLabel::SetTransparent),
             Bool("AutoSize", &TLabel::SetAutoSize),
             Bool("ShowAccelChar", &TLabel::SetShowAccelChar),
         }},
        {"TImage",
         "TGraphicControl",
         Creator<TImage>(),
         {
             Bool("Stretch", &TImage::SetStretch),
             Bool("Center", &TImage::SetCenter),
             Bool("Transparent", &TImage::SetTransparent),
         }},
        {"TSpeedButton",
         "TGraphicControl",
         Creator<TSpeedButton>(),
         {
             Bool("Flat", &TSpeedButton::SetFlat),
             Int("Margin", &TSpeedButton::SetMargin),
             Int("Spacing", &TSpeedButton::SetSpacing),
             Int("NumGlyphs", &TSpeedButton::SetNumGlyphs),
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
             Publish<TMemo>("Lines.Strings",
                            [](TMemo& m, const FormValue& v, const BindContext&) {
                                m.Lines().Clear();
                                for (const std::string& line : ToStringList(v)) m.Lines().Add(line);
                            }),
             Enum("ScrollBars", &TMemo::SetScrollBars,
                  {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}),
             Bool("ReadOnly", &TMemo::SetReadOnly),
             Bool("WordWrap", &TMemo::SetWordWrap),
             Enum("Alignment", &TMemo::SetAlignment, AlignmentNames()),
         }},
        {"TRadioButton",
         "TWinControl",
         Creator<TRadioButton>(),
         {
             Bool("Checked", &TRadioButton::SetChecked),
             Enum("Alignment", &TRadioButton::SetAlignment, AlignmentNames()),
         }},
        {"TGroupBox", "TWinControl", Creator<TGroupBox>(), {}},
    };
}

}  // namespace tavrik::vcl
