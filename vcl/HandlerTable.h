// The handlers a form publishes by name, so that a form description can
// bind its components' events to them ("OnClick = OkButtonClick").
#pragma once

#include <map>
#include <string>
#include <variant>
#include <vector>

#include "vcl/Events.h"

namespace tavrik::vcl {

using AnyHandler = std::variant<TNotifyEvent, TKeyEvent, TKeyPressEvent, TScrollEvent,
                                TUDChangingEvent, TUDClickEvent>;

// A readable name of the handler shape a variant holds ("notify", "key" ...).
const char* HandlerShapeName(const AnyHandler& handler);

class HandlerTable {
public:
    // Publishes a handler under a name; a second handler with the same
    // name (without regard to case) raises EComponentError.
    void Add(const std::string& name, AnyHandler handler);

    // Publishes a member function of the form; its signature chooses the
    // event shape it can be bound to.
    template <typename F>
    void Add(const std::string& name, F* form, void (F::*method)(TObject*)) {
        Add(name, TNotifyEvent([form, method](TObject* s) { (form->*method)(s); }));
    }
    template <typename F>
    void Add(const std::string& name, F* form,
             void (F::*method)(TObject*, std::uint16_t&, ShiftState)) {
        Add(name, TKeyEvent([form, method](TObject* s, std::uint16_t& key, ShiftState shift) {
                (form->*method)(s, key, shift);
            }));
    }
    template <typename F>
    void Add(const std::string& name, F* form, void (F::*method)(TObject*, char&)) {
        Add(name,
            TKeyPressEvent([form, method](TObject* s, char& key) { (form->*method)(s, key); }));
    }
    template <typename F>
    void Add(const std::string& name, F* form, void (F::*method)(TObject*, ScrollCode, int&)) {
        Add(name, TScrollEvent([form, method](TObject* s, ScrollCode code, int& position) {
                (form->*method)(s, code, position);
            }));
    }
    template <typename F>
    void Add(const std::string& name, F* form, void (F::*method)(TObject*, bool&)) {
        Add(name, TUDChangingEvent(
                      [form, method](TObject* s, bool& allow) { (form->*method)(s, allow); }));
    }
    template <typename F>
    void Add(const std::string& name, F* form, void (F::*method)(TObject*, UpDownButton)) {
        Add(name, TUDClickEvent([form, method](TObject* s, UpDownButton button) {
                (form->*method)(s, button);
            }));
    }

    // The handler published under this name (case-insensitive), or nullptr.
    const AnyHandler* Find(const std::string& name) const;
    std::vector<std::string> Names() const;

private:
    struct NoCaseLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    std::map<std::string, AnyHandler, NoCaseLess> handlers_;
};

}  // namespace tavrik::vcl
