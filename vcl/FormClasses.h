// The classes a form description may name, and the properties each one
// publishes. A class's properties include those of the classes it derives
// from; a derived class may publish a property of the same name anew (the
// up-down's OnClick takes a button, not just a sender).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "vcl/FormValue.h"
#include "vcl/HandlerTable.h"

namespace tavrik::vcl {

class TComponent;
class TForm;

// What a property setter may need besides the value.
class BindContext {
public:
    explicit BindContext(TForm& form) : form_(form) {}
    TForm& Form() const { return form_; }
    // The handler the form publishes under the value's identifier, which
    // must have the event's shape; raises FormValueError otherwise.
    template <typename Event>
    Event Handler(const FormValue& value, const char* eventName) const {
        const AnyHandler& handler = Lookup(value);
        if (const Event* typed = std::get_if<Event>(&handler)) return *typed;
        throw FormValueError(HandlerMismatch(value, handler, eventName));
    }

private:
    const AnyHandler& Lookup(const FormValue& value) const;
    std::string HandlerMismatch(const FormValue& value, const AnyHandler& handler,
                                const char* eventName) const;
    TForm& form_;
};

struct PublishedProperty {
    const char* name;
    std::function<void(TComponent&, const FormValue&, const BindContext&)> set;
};

struct FormClass {
    const char* name;
    const char* baseName;  // nullptr for the root class
    // Creates a component of the class owned by `owner`; nullptr for a
    // class that cannot be created from a description (TControl ...).
    std::function<TComponent*(TComponent* owner)> create;
    std::vector<PublishedProperty> properties;
};

// The class named (case-insensitive), or nullptr.
const FormClass* FindFormClass(const std::string& name);
// The property a class or one of its bases publishes, or nullptr.
const PublishedProperty* FindPublishedProperty(const FormClass& formClass, const std::string& name);
// Whether `formClass` is `baseName` or derives from it.
bool InheritsFrom(const FormClass& formClass, const std::string& baseName);

// Helper to write a typed setter.
template <typename C>
PublishedProperty Publish(const char* name,
                          std::function<void(C&, const FormValue&, const BindContext&)> set) {
    return PublishedProperty{name,
                             [set = std::move(set)](TComponent& component, const FormValue& value,
                                                    const BindContext& context) {
                                 set(dynamic_cast<C&>(component), value, context);
                             }};
}

// The built-in classes, by group (FormClassesBase.cpp, FormClassesControls.cpp).
std::vector<FormClass> BaseFormClasses();
std::vector<FormClass> ControlFormClasses();

}  // namespace tavrik::vcl
