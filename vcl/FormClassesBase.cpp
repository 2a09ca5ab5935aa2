// Published properties of the base classes, the form and the timer.
#include "vcl/Control.h"
#include "vcl/Form.h"
#include "vcl/FormPublishing.h"
#include "vcl/Timer.h"

namespace tavrik::vcl {

namespace {

using namespace publishing;

constexpr const char* kControlAlignNames[] = {"alNone", "alClient"};
constexpr const char* kFormBorderStyleNames[] = {"bsNone",   "bsSingle",     "bsSizeable",
                                                 "bsDialog", "bsToolWindow", "bsSizeToolWin"};
constexpr const char* kFontStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
constexpr const char* kFormBorderIconsNames[] = {"biSystemMenu", "biMinimize", "biMaximize",
                                                 "biHelp"};
constexpr const char* kFormFormStyleNames[] = {"fsNormal", "fsStayOnTop"};

PublishedProperty FontProperty(const char* name, void (*apply)(TFont&, const FormValue&)) {
    return StoredProperty(
        name,
        [](TComponent& c, const FormValue& v, const BindContext&, const PublishedProperty& p) {
            using Apply = void (*)(TFont&, const FormValue&);
            p.Stored<Apply>()(dynamic_cast<TControl&>(c).Font(), v);
        },
        apply);
}

std::vector<PublishedProperty> ControlProperties() {
    return {
        Int("Left", &TControl::SetLeft),
        Int("Top", &TControl::SetTop),
        Int("Width", &TControl::SetWidth),
        Int("Height", &TControl::SetHeight),
        Bool("Visible", &TControl::SetVisible),
        Bool("Enabled", &TControl::SetEnabled),
        Text("Caption", &TControl::SetCaption),
        Color("Color", &TControl::SetColor),
        Bool("ParentFont", &TControl::SetParentFont),
        Publish<TControl>("Cursor", [](TControl& c, const FormValue& v,
                                       const BindContext&) { c.SetCursor(ToCursor(v)); }),
        Enum("Align", &TControl::SetAlign, kControlAlignNames),
        FontProperty("Font.Name", [](TFont& f, const FormValue& v) { f.SetName(ToText(v)); }),
        FontProperty("Font.Height", [](TFont& f, const FormValue& v) { f.SetHeight(ToInt(v)); }),
        FontProperty("Font.Color", [](TFont& f, const FormValue& v) { f.SetColor(ToColor(v)); }),
        FontProperty("Font.Charset",
                     [](TFont& f, const FormValue& v) { f.SetCharset(ToCharset(v)); }),
        FontProperty("Font.Style",
                     [](TFont& f, const FormValue& v) {
                         f.SetStyle(static_cast<TFontStyles>(ToSet(v, kFontStyleNames)));
                     }),
        Event("OnClick", &TControl::OnClick),
    };
}

}  // namespace

std::vector<FormClass> BaseFormClasses() {
    return {
        {"TComponent", nullptr, nullptr, {Int("Tag", &TComponent::SetTag)}},
        {"TControl", "TComponent", nullptr, ControlProperties()},
        {"TWinControl",
         "TControl",
         nullptr,
         {
             Bool("TabStop", &TWinControl::SetTabStop),
             Event("OnKeyDown", &TWinControl::OnKeyDown),
             Event("OnKeyPress", &TWinControl::OnKeyPress),
         }},
        {"TGraphicControl", "TControl", nullptr, {}},
        {"TForm",
         "TWinControl",
         nullptr,
         {
             Int("ClientWidth", &TForm::SetClientWidth),
             Int("ClientHeight", &TForm::SetClientHeight),
             Bool("KeyPreview", &TForm::SetKeyPreview),
             Enum("BorderStyle", &TForm::SetBorderStyle, kFormBorderStyleNames),
             Publish<TForm>("BorderIcons",
                            [](TForm& f, const FormValue& v, const BindContext&) {
                                f.SetBorderIcons(
                                    static_cast<TBorderIcons>(ToSet(v, kFormBorderIconsNames)));
                            }),
             Enum("FormStyle", &TForm::SetFormStyle, kFormFormStyleNames),
         }},
        {"TTimer",
         "TComponent",
         Create<TTimer>,
         {
             Bool("Enabled", &TTimer::SetEnabled),
             Publish<TTimer>("Interval",
                             [](TTimer& t, const FormValue& v, const BindContext&) {
                                 const int interval = ToInt(v);
                                 if (interval < 0) throw FormValueError("negative interval");
                                 t.SetInterval(static_cast<unsigned>(interval));
                             }),
             Publish<TTimer>("OnTimer",
                             [](TTimer& t, const FormValue& v, const BindContext& context) {
                                 t.SetOnTimer(context.Handler<TNotifyEvent>(v, "OnTimer"));
                             }),
         }},
    };
}

}  // namespace tavrik::vcl
