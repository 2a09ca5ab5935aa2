#include "vcl/FormReader.h"

#include "vcl/Exceptions.h"
#include "vcl/Form.h"
#include "vcl/FormClasses.h"
#include "vcl/FormParser.h"

namespace tavrik::vcl {

namespace {

[[noreturn]] void Fail(int line, const std::string& message) {
    throw EReadError("Form description line " + std::to_string(line) + ": " + message);
}

class Reader {
public:
    explicit Reader(TForm& form) : form_(form), context_(form) {}

    void Read(const FormObject& root) {
        if (!SameText(root.className, form_.ClassName())) {
            Fail(root.line, "the description is for " + root.className + ", the form is a " +
                                form_.ClassName());
        }
        const FormClass* formClass = FindFormClass(root.className);
        if (formClass == nullptr) formClass = FindFormClass("TForm");
        try {
            form_.SetName(root.name);
        } catch (const Exception& error) {
            Fail(root.line, error.what());
        }
        Apply(form_, *formClass, root);
        for (const FormObject& child : root.children) Create(child, &form_);
    }

private:
    void Create(const FormObject& object, TWinControl* container) {
        const FormClass* formClass = FindFormClass(object.className);
        if (formClass == nullptr || !formClass->create) {
            Fail(object.line, "unknown class " + object.className);
        }
        if (InheritsFrom(*formClass, "TForm")) {
            Fail(object.line, "a form cannot be placed inside another component");
        }
        TComponent* component = formClass->create(&form_);
        try {
            component->SetName(object.name);
        } catch (const Exception& error) {
            delete component;
            Fail(object.line, error.what());
        }
        auto* control = dynamic_cast<TControl*>(component);
        if (control != nullptr) {
            if (container == nullptr) {
                Fail(object.line, object.name +
                                      " is a control inside a component that cannot "
                                      "hold controls");
            }
            control->SetParent(container);
        }
        Apply(*component, *formClass, object);
        auto* window = dynamic_cast<TWinControl*>(component);
        for (const FormObject& child : object.children) Create(child, window);
    }

    void Apply(TComponent& component, const FormClass& formClass, const FormObject& object) {
        for (const FormProperty& source : object.properties) {
            const PublishedProperty* property = FindPublishedProperty(formClass, source.name);
            if (property == nullptr) {
                Fail(source.line, "unknown property " + source.name + " of " + object.className);
            }
            Set(component, *property, source);
        }
    }

    void Set(TComponent& component, const PublishedProperty& property, const FormProperty& source) {
        try {
            property.Apply(component, source.value, context_);
        } catch (const FormValueError& error) {
            Fail(source.line, source.name + ": " + error.what());
        } catch (const Exception& error) {
            Fail(source.line, source.name + ": " + error.what());
        }
    }

    TForm& form_;
    BindContext context_;
};

}  // namespace

void ReadForm(TForm& form, const std::string& description) {
    const FormObject root = ParseFormDescription(description);
    Reader(form).Read(root);
}

}  // namespace tavrik::vcl
