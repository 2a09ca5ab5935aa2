#include "vcl/FormClasses.h"

#include <map>

#include "vcl/Component.h"
#include "vcl/Form.h"

namespace tavrik::vcl {

namespace {

struct NoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const {
        for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
            const int x = std::tolower(static_cast<unsigned char>(a[i]));
            const int y = std::tolower(static_cast<unsigned char>(b[i]));
            if (x != y) return x < y;
        }
        return a.size() < b.size();
    }
};

using ClassMap = std::map<std::string, FormClass, NoCaseLess>;

const ClassMap& Classes() {
    static const ClassMap classes = [] {
        ClassMap map;
        for (FormClass& formClass : BaseFormClasses()) map.emplace(formClass.name, formClass);
        for (FormClass& formClass : ControlFormClasses()) map.emplace(formClass.name, formClass);
        return map;
    }();
    return classes;
}

}  // namespace

const FormClass* FindFormClass(const std::string& name) {
    const ClassMap& classes = Classes();
    auto it = classes.find(name);
    return it == classes.end() ? nullptr : &it->second;
}

const PublishedProperty* FindPublishedProperty(const FormClass& formClass,
                                               const std::string& name) {
    for (const FormClass* current = &formClass; current != nullptr;
         current = current->baseName ? FindFormClass(current->baseName) : nullptr) {
        for (const PublishedProperty& property : current->properties) {
            if (SameText(property.name, name)) return &property;
        }
    }
    return nullptr;
}

bool InheritsFrom(const FormClass& formClass, const std::string& baseName) {
    for (const FormClass* current = &formClass; current != nullptr;
         current = current->baseName ? FindFormClass(current->baseName) : nullptr) {
        if (SameText(current->name, baseName)) return true;
    }
    return false;
}

const AnyHandler& BindContext::Lookup(const FormValue& value) const {
    const std::string name = ToIdentifier(value);
    const AnyHandler* handler = form_.Handlers().Find(name);
    if (handler == nullptr) {
        throw FormValueError("handler " + name + " is not published by " + form_.ClassName());
    }
    return *handler;
}

std::string BindContext::HandlerMismatch(const FormValue& value, const AnyHandler& handler,
                                         const char* eventName) const {
    return "handler " + value.text + " is a " + HandlerShapeName(handler) +
           " handler, which does not fit " + eventName;
}

}  // namespace tavrik::vcl
