// The form: a top-level window holding controls, with key preview and the
// handlers it publishes for its form description.
#pragma once

#include <cstdint>
#include <string>

#include "vcl/Control.h"
#include "vcl/Exceptions.h"
#include "vcl/HandlerTable.h"

namespace tavrik::vcl {

enum class TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

enum BorderIcon : std::uint8_t {
    biSystemMenu = 1u << 0,
    biMinimize = 1u << 1,
    biMaximize = 1u << 2,
    biHelp = 1u << 3,
};
using TBorderIcons = std::uint8_t;

enum class TFormStyle { fsNormal, fsStayOnTop };

class TForm : public TWinControl {
public:
    // A form whose owner is the application, created while the application
    // has no main form, becomes its main form (already while the derived
    // constructor runs).
    explicit TForm(TComponent* owner);
    ~TForm() override;
    const char* ClassName() const override { return "TForm"; }

    // Outer size = client size + the frame the host draws for this style.
    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetClientWidth(int width);
    void SetClientHeight(int height);

    // Showing the form creates the native peers of the whole tree first.
    void SetVisible(bool visible) override;

    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool keyPreview) { keyPreview_ = keyPreview; }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons);
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle style);

    // The Close command of the system menu (and so the close box).
    bool SystemCloseEnabled() const { return systemCloseEnabled_; }
    void SetSystemCloseEnabled(bool enabled);

    // Hides the form; closing the main form terminates the application,
    // which ends once the running handler has returned.
    void Close();

    // The control with the keyboard focus, or nullptr.
    TWinControl* ActiveControl() const;

    HandlerTable& Handlers() { return handlers_; }
    const HandlerTable& Handlers() const { return handlers_; }

    // An owned component by name and type; raises EComponentError when
    // there is none or it has another type, so that a form description
    // that lost a component fails at start.
    template <typename T>
    T* Find(const char* name) const {
        T* typed = dynamic_cast<T*>(FindComponentNamed(name));
        if (typed == nullptr) ComponentMissing(name);
        return typed;
    }
    template <typename T>
    T* Find(const std::string& name) const {
        return Find<T>(name.c_str());
    }

private:
    // Out of line, so that each of the form's many lookups stays a call.
    TComponent* FindComponentNamed(const char* name) const;
    [[noreturn]] void ComponentMissing(const char* name) const;
    void EnsurePeers();
    void FrameExtent(int& extraWidth, int& extraHeight) const;

    bool keyPreview_ = false;
    TBorderStyle borderStyle_ = TBorderStyle::bsSizeable;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TFormStyle formStyle_ = TFormStyle::fsNormal;
    bool systemCloseEnabled_ = true;
    HandlerTable handlers_;
};

}  // namespace tavrik::vcl
