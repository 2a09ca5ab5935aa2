#include "vcl/FormReader.h"

#include <string>
#include <vector>

#include "VclTestFixture.h"
#include "vcl/Exceptions.h"
#include "vcl/Label.h"
#include "vcl/ListBox.h"
#include "vcl/Memo.h"
#include "vcl/PageControl.h"
#include "vcl/ScrollBar.h"
#include "vcl/Shape.h"
#include "vcl/SpeedButton.h"
#include "vcl/Timer.h"
#include "vcl/UpDown.h"

namespace tavrik::vcl {
namespace {

class SampleForm : public TForm {
public:
    explicit SampleForm(TComponent* owner) : TForm(owner) {
        Handlers().Add("FormKeyDown", this, &SampleForm::FormKeyDown);
        Handlers().Add("PageShow", this, &SampleForm::PageShow);
        Handlers().Add("ButtonClick", this, &SampleForm::ButtonClick);
        Handlers().Add("BarScroll", this, &SampleForm::BarScroll);
        Handlers().Add("UpDownChanging", this, &SampleForm::UpDownChanging);
        Handlers().Add("UpDownClick", this, &SampleForm::UpDownClick);
        Handlers().Add("TimerTick", this, &SampleForm::TimerTick);
    }
    const char* ClassName() const override { return "TSampleForm"; }

    void FormKeyDown(TObject*, std::uint16_t& key, ShiftState) {
        log.push_back("key " + std::to_string(key));
    }
    void PageShow(TObject* sender) {
        log.push_back("show " + static_cast<TComponent*>(sender)->Name());
    }
    void ButtonClick(TObject* sender) {
        log.push_back("click " + static_cast<TComponent*>(sender)->Name());
    }
    void BarScroll(TObject*, ScrollCode, int& position) {
        log.push_back("scroll " + std::to_string(position));
    }
    void UpDownChanging(TObject*, bool& allow) { allow = true; }
    void UpDownClick(TObject*, UpDownButton) { log.push_back("updown"); }
    void TimerTick(TObject*) { log.push_back("tick"); }

    std::vector<std::string> log;
};

const char* const kGoodDescription = R"(object MainForm: TSampleForm
  Left = 266
  Top = 168
  BorderStyle = bsSingle
  BorderIcons = [biSystemMenu, biMinimize]
  Caption = ''
  ClientHeight = 490
  ClientWidth = 648
  Color = clWhite
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -16
  Font.Name = 'MS Sans Serif'
  Font.Style = [fsBold]
  FormStyle = fsStayOnTop
  KeyPreview = True
  OnKeyDown = FormKeyDown
  object Pages: TPageControl
    Left = 0
    Top = 0
    Width = 648
    Height = 490
    object First: TTabSheet
      TabVisible = False
      OnShow = PageShow
      object Title: TLabel
        Left = 48
        Width = 441
        Height = 41
        Alignment = taCenter
        Layout = tlCenter
        WordWrap = True
        Transparent = True
        Caption = 'Entry: C:\Setup\'
        Font.Color = clWindowText
        Font.Height = -24
        Font.Style = [fsBold, fsUnderline]
      end
    end
    object Second: TTabSheet
      Cursor = crHourGlass
      OnShow = PageShow
      object Ok: TSpeedButton
        Left = 583
        Top = 428
        Width = 17
        Height = 17
        Cursor = crHandPoint
        Flat = True
        OnClick = ButtonClick
      end
      object Bar: TScrollBar
        Kind = sbVertical
        PageSize = 0
        TabStop = False
        OnScroll = BarScroll
      end
      object Spin: TUpDown
        Max = 8
        Position = 1
        Wrap = False
        OnChanging = UpDownChanging
        OnClick = UpDownClick
      end
      object Highlight: TShape
        Brush.Color = clYellow
        Pen.Style = psClear
      end
      object Volumes: TListBox
        Enabled = False
        ItemHeight = 20
      end
      object Licence: TMemo
        ScrollBars = ssVertical
        ReadOnly = True
      end
    end
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 100
    OnTimer = TimerTick
  end
end
)";

class FormReaderTest : public testing::VclTest {
protected:
    FormReaderTest() { application->CreateForm(sample); }

    // The message of the EReadError a description raises.
    std::string ErrorOf(const std::string& description) {
        SampleForm* fresh = nullptr;
        application->CreateForm(fresh);
        const std::unique_ptr<SampleForm> owned(fresh);
        try {
            ReadForm(*fresh, description);
        } catch (const EReadError& error) {
            return error.what();
        }
        return "no error";
    }

    SampleForm* sample = nullptr;
};

TEST_F(FormReaderTest, BuildsTheComponentsWithTheirProperties) {
    ReadForm(*sample, kGoodDescription);
    EXPECT_EQ(sample->Name(), "MainForm");
    EXPECT_EQ(sample->Left(), 266);
    EXPECT_EQ(sample->ClientWidth(), 648);
    EXPECT_EQ(sample->ClientHeight(), 490);
    EXPECT_EQ(sample->BorderStyle(), TBorderStyle::bsSingle);
    EXPECT_EQ(sample->BorderIcons(), biSystemMenu | biMinimize);
    EXPECT_EQ(sample->FormStyle(), TFormStyle::fsStayOnTop);
    EXPECT_TRUE(sample->KeyPreview());
    EXPECT_EQ(sample->Color(), clWhite);

    auto* title = sample->Find<TLabel>("Title");
    EXPECT_EQ(title->Caption(), "Entry: C:\\Setup\\");  // no escapes
    EXPECT_EQ(title->Alignment(), TAlignment::taCenter);
    EXPECT_EQ(title->Layout(), TTextLayout::tlCenter);
    EXPECT_TRUE(title->WordWrap());
    EXPECT_EQ(title->Font().Color(), clWindowText);
    EXPECT_EQ(title->Font().Style(), fsBold | fsUnderline);
    EXPECT_EQ(title->Font().Name(), "MS Sans Serif");  // inherited before its own changes
    EXPECT_FALSE(title->ParentFont());
    EXPECT_EQ(title->Parent(), sample->Find<TTabSheet>("First"));

    auto* pages = sample->Find<TPageControl>("Pages");
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePageIndex(), 0);  // the wizard picks the page
    EXPECT_FALSE(pages->Pages(1)->TabVisible());
    EXPECT_EQ(pages->Pages(2)->Cursor(), TCursor::crHourGlass);

    EXPECT_EQ(sample->Find<TSpeedButton>("Ok")->Cursor(), TCursor::crHandPoint);
    EXPECT_TRUE(sample->Find<TSpeedButton>("Ok")->Flat());
    EXPECT_EQ(sample->Find<TScrollBar>("Bar")->BarKind(), TScrollBarKind::sbVertical);
    EXPECT_FALSE(sample->Find<TScrollBar>("Bar")->TabStop());
    EXPECT_EQ(sample->Find<TUpDown>("Spin")->Max(), 8);
    EXPECT_EQ(sample->Find<TUpDown>("Spin")->Position(), 1);
    EXPECT_EQ(sample->Find<TShape>("Highlight")->BrushColor(), clYellow);
    EXPECT_EQ(sample->Find<TShape>("Highlight")->PenStyle(), TPenStyle::psClear);
    EXPECT_FALSE(sample->Find<TListBox>("Volumes")->Enabled());
    EXPECT_EQ(sample->Find<TMemo>("Licence")->ScrollBars(), TScrollStyle::ssVertical);
    EXPECT_TRUE(sample->Find<TMemo>("Licence")->ReadOnly());
    auto* timer = sample->Find<TTimer>("Timer1");
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 100u);
    EXPECT_FALSE(host.TimerRunning(*timer));
}

TEST_F(FormReaderTest, BindsEventsToThePublishedHandlers) {
    ReadForm(*sample, kGoodDescription);
    sample->Show();
    sample->Find<TPageControl>("Pages")->SetActivePageIndex(2);
    host.Click(*sample->Find<TSpeedButton>("Ok"));
    host.PressKey(*sample, 0x70);
    host.Scroll(*sample->Find<TScrollBar>("Bar"), ScrollCode::LineDown);
    host.PressUpDown(*sample->Find<TUpDown>("Spin"), UpDownButton::Next);
    sample->Find<TTimer>("Timer1")->SetEnabled(true);
    host.TickTimer(*sample->Find<TTimer>("Timer1"));
    EXPECT_EQ(sample->log, (std::vector<std::string>{"show Second", "click Ok", "key 112",
                                                     "scroll 1", "updown", "tick"}));
}

TEST_F(FormReaderTest, ReportsUnknownNamesBadValuesAndStructureWithTheirLine) {
    const auto inLabel = [](const std::string& property) {
        return "object F: TSampleForm\n  object X: TLabel\n    " + property + "\n  end\nend";
    };
    const struct {
        std::string description;
        const char* message;
    } cases[] = {
        {"object F: TSampleForm\n  object X: TButton\n  end\nend\n",
         "line 2: unknown class TButton"},
        {inLabel("Colour = clRed"), "line 3: unknown property Colour of TLabel"},
        {inLabel("OnClick = Missing"),
         "line 3: OnClick: handler Missing is not published by TSampleForm"},
        {"object F: TSampleForm\n\n  OnKeyDown = ButtonClick\nend",
         "line 3: OnKeyDown: handler ButtonClick is a notify (Sender) handler, which does not fit "
         "OnKeyDown"},
        {"object F: TOtherForm\nend",
         "line 1: the description is for TOtherForm, the form is a TSampleForm"},
        {inLabel("Left = 'ten'"), "line 3: Left: expected an integer, found a string"},
        {inLabel("Alignment = taMiddle"),
         "line 3: Alignment: unknown value taMiddle (expected one of taLeftJustify, "
         "taRightJustify, taCenter)"},
        {inLabel("Font.Style = [fsHeavy]"), "line 3: Font.Style: unknown set member fsHeavy"},
        {inLabel("Color = clPink"), "line 3: Color: unknown colour clPink"},
        {inLabel("Visible = Yes"), "line 3: Visible: expected True or False, found an identifier"},
        {inLabel("Left = 4294967296"), "line 3: number too large"},
        {inLabel("Left = 4294967295"), "line 3: Left: integer out of range"},
        {inLabel("Caption = 'open"), "line 3: unterminated string"},
        {inLabel("Left = 12px"), "line 3: malformed number"},
        {inLabel("Font.Size = 8"), "line 3: unknown property Font.Size of TLabel"},
        // Forms of value the wizard's form does not use are refused by name.
        {inLabel("// note"), "line 3: unexpected character '/'"},
        {inLabel("Caption = #13"), "line 3: unexpected character '#'"},
        {inLabel("Caption = 'a' + 'b'"), "line 3: unexpected character '+'"},
        {inLabel("Left = +1"), "line 3: unexpected character '+'"},
        {inLabel("Color = $FF"), "line 3: unexpected character '$'"},
        {inLabel("Caption = ('a')"), "line 3: unexpected character '('"},
        {inLabel("Caption = 'it''s'"), "line 3: property name expected"},
        {"object F: TSampleForm\n  object X: TLabel\n  end\n  object x: TLabel\n  end\nend",
         "line 4: A component named x already exists"},
        {"object F: TSampleForm\n  object X: TLabel\n    object Y: TLabel\n    end\n  end\nend",
         "line 3: Y is a control inside a component that cannot hold controls"},
        {"object F: TSampleForm\n  Left = 1\n", "line 3: 'end' of F missing"},
        {"object F: TSampleForm\nend\nend", "line 3: text after the last 'end'"},
        {"", "line 1: 'object' expected"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ErrorOf(c.description), std::string("Form description ") + c.message)
            << c.description;
    }
}

TEST_F(FormReaderTest, DeeplyNestedOrBinaryInputIsRefusedCleanly) {
    std::string deep = "object F: TSampleForm\n";
    for (int i = 0; i < 100; ++i) deep += "object G" + std::to_string(i) + ": TGroupBox\n";
    EXPECT_NE(ErrorOf(deep).find("nested too deeply"), std::string::npos);
    EXPECT_NE(ErrorOf(std::string("object F: TSampleForm\n\x01\x02\0end", 27))
                  .find("unexpected character"),
              std::string::npos);
}

}  // namespace
}  // namespace tavrik::vcl
