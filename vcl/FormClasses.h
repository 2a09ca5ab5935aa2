// The classes a form description may name, and the properties each one
// publishes. A class's properties include those of the classes it derives
// from; a derived class may publish a property of the same name anew (the
// up-down's OnClick takes a button, not just a sender).
#pragma once

#include <cstddef>
#include <cstring>
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

// A property as plain data: the function that sets it, and what that
// function needs (the member it sets, the names of its values). The tables
// of the classes are then constants rather than code that builds them.
struct PublishedProperty {
    using Setter = void (*)(TComponent&, const FormValue&, const BindContext&,
                            const PublishedProperty&);
    // Room for any pointer to member (two words at most).
    using MemberStorage = unsigned char[2 * sizeof(void*)];

    void Apply(TComponent& component, const FormValue& value, const BindContext& context) const {
        set(component, value, context, *this);
    }
    // The member (or function) this property was made with, as its type.
    template <typename Member>
    Member Stored() const {
        Member stored;
        std::memcpy(&stored, member, sizeof stored);
        return stored;
    }

    const char* name;
    Setter set;
    alignas(void*) MemberStorage member;
    const char* const* valueNames;
    std::size_t valueCount;
};

// A property of `name` whose setter uses `member` (read back with Stored()).
template <typename Member>
PublishedProperty StoredProperty(const char* name, PublishedProperty::Setter set, Member member,
                                 NameList values = NameList(nullptr, 0)) {
    static_assert(sizeof(Member) <= sizeof(PublishedProperty::MemberStorage));
    PublishedProperty property{name, set, {}, values.names, values.count};
    std::memcpy(property.member, &member, sizeof member);
    return property;
}

struct FormClass {
    const char* name;
    const char* baseName;  // nullptr for the root class
    // Creates a component of the class owned by `owner`; nullptr for a
    // class that cannot be created from a description (TControl ...).
    TComponent* (*create)(TComponent* owner);
    std::vector<PublishedProperty> properties;
};

// The class named (case-insensitive), or nullptr.
const FormClass* FindFormClass(const std::string& name);
// The property a class or one of its bases publishes, or nullptr.
const PublishedProperty* FindPublishedProperty(const FormClass& formClass, const std::string& name);
// Whether `formClass` is `baseName` or derives from it.
bool InheritsFrom(const FormClass& formClass, const std::string& baseName);

// A property with a setter of its own, written for the class C.
template <typename C>
PublishedProperty Publish(const char* name, void (*set)(C&, const FormValue&, const BindContext&)) {
    return StoredProperty(
        name,
        [](TComponent& component, const FormValue& value, const BindContext& context,
           const PublishedProperty& property) {
            using Set = void (*)(C&, const FormValue&, const BindContext&);
            property.Stored<Set>()(dynamic_cast<C&>(component), value, context);
        },
        set);
}

// The built-in classes, by group (FormClassesBase.cpp, FormClassesControls.cpp).
std::vector<FormClass> BaseFormClasses();
std::vector<FormClass> ControlFormClasses();

}  // namespace tavrik::vcl
