// Where the faces of labels, speed buttons and group boxes put their text,
// glyphs and borders, seen on the recording canvas (every character 7
// pixels wide, every line as tall as the font: 16 pixels here).
#include "vcl/ControlFaces.h"

#include <sstream>
#include <string>
#include <vector>

#include "VclTestFixture.h"
#include "vcl/GroupBox.h"
#include "vcl/Label.h"
#include "vcl/SpeedButton.h"
#include "vcl/headless/RecordingCanvas.h"

namespace tavrik::vcl {
namespace {

using ControlFacesTest = testing::VclTest;
using Kind = RecordingCanvas::Kind;

const PixelRect kWholeForm{0, 0, 648, 490};

std::string Describe(const PixelRect& rect) {
    std::ostringstream out;
    out << rect.left << ',' << rect.top << '-' << rect.right << ',' << rect.bottom;
    return out.str();
}

// Indexed by FrameStyle and by TAlignment.
const char* const kFrameNames[] = {"raised", "sunken", "raised-inner", "sunken-outer", "etched"};
const char* const kAlignmentNames[] = {"left", "right", "centre"};

// One line per operation, e.g. "text 'OK' 102,52-138,78 in 102,52-138,78
// centre single middle" or "glyph 112,59-128,71 in 102,52-138,78 grey".
std::vector<std::string> Describe(const RecordingCanvas& canvas) {
    std::vector<std::string> lines;
    for (const auto& op : canvas.Operations()) {
        std::ostringstream out;
        switch (op.kind) {
            case Kind::Fill:
                out << "fill " << Describe(op.rect) << " colour " << std::hex << op.color;
                break;
            case Kind::Frame:
                out << "frame " << kFrameNames[static_cast<int>(op.frame)] << ' '
                    << Describe(op.rect);
                break;
            case Kind::Text:
                out << "text '" << op.text << "' " << Describe(op.rect) << " in "
                    << Describe(op.clip) << ' '
                    << kAlignmentNames[static_cast<int>(op.format.alignment)]
                    << (op.format.singleLine ? " single" : "")
                    << (op.format.middle ? " middle" : "") << (op.format.wordWrap ? " wrap" : "")
                    << (op.format.expandTabs ? " tabs" : "");
                break;
            case Kind::Glyph:
                out << "glyph " << Describe(op.rect) << " in " << Describe(op.clip);
                break;
        }
        if (!op.enabled) out << " grey";
        lines.push_back(out.str());
    }
    return lines;
}

struct LabelSetup {
    TTextLayout layout;
    TAlignment alignment;
    bool wordWrap;
    bool transparent;
    const char* caption;
};

struct LabelCase {
    const char* what;
    LabelSetup setup;
    std::vector<std::string> expected;
};

TEST_F(ControlFacesTest, ALabelsTextIsPlacedByItsLayoutWithinItsBounds) {
    // The label covers 10,20-50,70: 40 wide, 50 high; one line is 16 high.
    using L = TTextLayout;
    using A = TAlignment;
    const std::vector<LabelCase> cases = {
        {"top",
         {L::tlTop, A::taLeftJustify, false, true, "Hi"},
         {"text 'Hi' 10,20-50,70 in 10,20-50,70 left tabs"}},
        {"centred: (50 - 16) / 2 down",
         {L::tlCenter, A::taCenter, false, true, "Hi"},
         {"text 'Hi' 10,37-50,87 in 10,20-50,70 centre tabs"}},
        {"bottom: 50 - 16 down",
         {L::tlBottom, A::taRightJustify, false, true, "Hi"},
         {"text 'Hi' 10,54-50,104 in 10,20-50,70 right tabs"}},
        {"centred, two lines",
         {L::tlCenter, A::taLeftJustify, false, true, "a\nb"},
         {"text 'a\nb' 10,29-50,79 in 10,20-50,70 left tabs"}},
        {"centred, wrapped to two lines",
         {L::tlCenter, A::taLeftJustify, true, true, "aaaa bbbb"},
         {"text 'aaaa bbbb' 10,29-50,79 in 10,20-50,70 left wrap tabs"}},
        {"centred, too long but not wrapped",
         {L::tlCenter, A::taLeftJustify, false, true, "aaaa bbbb"},
         {"text 'aaaa bbbb' 10,37-50,87 in 10,20-50,70 left tabs"}},
        {"opaque: its colour first",
         {L::tlTop, A::taLeftJustify, false, false, "Hi"},
         {"fill 10,20-50,70 colour ffff", "text 'Hi' 10,20-50,70 in 10,20-50,70 left tabs"}},
        {"no caption: nothing to centre",
         {L::tlCenter, A::taLeftJustify, false, true, ""},
         {"text '' 10,20-50,70 in 10,20-50,70 left tabs"}},
    };
    for (const LabelCase& c : cases) {
        SCOPED_TRACE(c.what);
        auto* label = Make<TLabel>(form);
        label->SetBounds(10, 20, 40, 50);
        label->SetColor(clYellow);
        label->SetLayout(c.setup.layout);
        label->SetAlignment(c.setup.alignment);
        label->SetWordWrap(c.setup.wordWrap);
        label->SetTransparent(c.setup.transparent);
        label->SetCaption(c.setup.caption);
        RecordingCanvas canvas(kWholeForm);
        PaintLabel(canvas, *label);
        EXPECT_EQ(Describe(canvas), c.expected);
    }
}

TEST_F(ControlFacesTest, ADisabledLabelIsEtchedWhereverItsParentIsDisabled) {
    auto* group = Make<TGroupBox>(form);
    auto* label = Make<TLabel>(group);
    label->SetBounds(0, 0, 40, 16);
    label->SetTransparent(true);
    label->SetCaption("Off");
    group->SetEnabled(false);
    RecordingCanvas canvas(kWholeForm);
    PaintLabel(canvas, *label);
    EXPECT_EQ(Describe(canvas),
              std::vector<std::string>{"text 'Off' 0,0-40,16 in 0,0-40,16 left tabs grey"});
}

struct ButtonSetup {
    bool flat;
    bool enabled;
    ButtonMouse mouse;
    int margin;
    bool glyph;
    const char* caption;
    PixelRect clip;
};

struct ButtonCase {
    const char* what;
    ButtonSetup setup;
    std::vector<std::string> expected;
};

TEST_F(ControlFacesTest, ASpeedButtonsFaceGlyphAndCaptionFollowItsStateAndMargin) {
    // The button covers 100,50-140,80; its glyph is 16 x 12; a raised face
    // has a 2-pixel border.
    const ButtonMouse rest{};
    const ButtonMouse pressed{true, true};
    const ButtonMouse hot{false, true};
    const PixelRect all = kWholeForm;
    const std::string raised = "fill 100,50-140,80 colour 8000000f";
    const std::vector<ButtonCase> cases = {
        {"raised, glyph centred",
         {false, true, rest, -1, true, "", all},
         {raised, "frame raised 100,50-140,80", "glyph 112,59-128,71 in 102,52-138,78"}},
        {"pressed: sunken and the glyph one pixel right and down",
         {false, true, pressed, -1, true, "", all},
         {raised, "frame sunken 100,50-140,80", "glyph 113,60-129,72 in 102,52-138,78"}},
        {"flat at rest: no border",
         {true, true, rest, -1, true, "", all},
         {"glyph 112,59-128,71 in 100,50-140,80"}},
        {"flat under the mouse",
         {true, true, hot, -1, true, "", all},
         {"frame raised-inner 100,50-140,80", "glyph 112,59-128,71 in 100,50-140,80"}},
        {"flat and pressed",
         {true, true, pressed, -1, true, "", all},
         {"frame sunken-outer 100,50-140,80", "glyph 113,60-129,72 in 100,50-140,80"}},
        {"disabled: never pressed, glyph etched",
         {false, false, pressed, -1, true, "", all},
         {raised, "frame raised 100,50-140,80", "glyph 112,59-128,71 in 102,52-138,78 grey"}},
        {"margin: from the border",
         {false, true, rest, 3, true, "", all},
         {raised, "frame raised 100,50-140,80", "glyph 105,59-121,71 in 102,52-138,78"}},
        {"caption after the glyph, pressed",
         {true, true, pressed, 3, true, "OK", all},
         {"frame sunken-outer 100,50-140,80", "glyph 104,60-120,72 in 100,50-140,80",
          "text 'OK' 124,51-141,81 in 124,51-141,81 left single middle"}},
        {"caption alone, centred",
         {false, true, rest, -1, false, "OK", all},
         {raised, "frame raised 100,50-140,80",
          "text 'OK' 102,52-138,78 in 102,52-138,78 centre single middle"}},
        {"caption alone, pressed",
         {false, true, pressed, -1, false, "OK", all},
         {raised, "frame sunken 100,50-140,80",
          "text 'OK' 103,53-139,79 in 103,53-139,79 centre single middle"}},
        {"caption centred in the part being repainted",
         {true, true, rest, -1, false, "OK", PixelRect{0, 0, 648, 60}},
         {"text 'OK' 100,50-140,60 in 100,50-140,60 centre single middle"}},
        {"disabled caption",
         {true, false, rest, -1, false, "OK", all},
         {"text 'OK' 100,50-140,80 in 100,50-140,80 centre single middle grey"}},
    };
    for (const ButtonCase& c : cases) {
        SCOPED_TRACE(c.what);
        auto* button = Make<TSpeedButton>(form);
        button->SetBounds(100, 50, 40, 30);
        button->SetFlat(c.setup.flat);
        button->SetEnabled(c.setup.enabled);
        button->SetMargin(c.setup.margin);
        if (c.setup.glyph) button->Glyph().SetSize(16, 12);
        button->SetCaption(c.setup.caption);
        RecordingCanvas canvas(c.setup.clip);
        PaintSpeedButton(canvas, *button, c.setup.mouse);
        EXPECT_EQ(Describe(canvas), c.expected);
    }
}

TEST_F(ControlFacesTest, AGroupFrameStartsHalfALineDownAndItsCaptionInterruptsIt) {
    auto* group = Make<TGroupBox>(form);
    group->SetColor(clSilver);
    const PixelRect client{0, 0, 200, 100};
    {
        RecordingCanvas canvas(kWholeForm);
        PaintGroupFrame(canvas, *group, client);
        EXPECT_EQ(Describe(canvas), std::vector<std::string>{"frame etched 0,8-200,100"});
    }
    group->SetCaption("Options");  // 7 characters: 49 pixels
    RecordingCanvas canvas(kWholeForm);
    PaintGroupFrame(canvas, *group, client);
    EXPECT_EQ(Describe(canvas),
              (std::vector<std::string>{"frame etched 0,8-200,100", "fill 8,0-59,16 colour c0c0c0",
                                        "text 'Options' 9,0-59,16 in 9,0-59,16 left single"}));
}

}  // namespace
}  // namespace tavrik::vcl
