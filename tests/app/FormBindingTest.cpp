// The binding of Unit1Binding.cpp held against the form description built
// into the program. A bound component the description lacks, or has with
// another class, already stops every start (and so every wizard test); this
// checks the other way round: what the description holds is bound.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "WizardFixture.h"
#include "app/Unit1Description.h"
#include "vcl/FormParser.h"

namespace tavrik::testing {
namespace {

bool IsEvent(const vcl::FormProperty& property) { return property.name.rfind("On", 0) == 0; }

// A component the description gives nothing but a place and a size
// decorates, and the code has nothing to do with it.
bool OnlyPlaced(const vcl::FormObject& object) {
    static const std::set<std::string> kPlace{"Left", "Top", "Width", "Height"};
    return object.children.empty() &&
           std::all_of(object.properties.begin(), object.properties.end(),
                       [](const vcl::FormProperty& p) { return kPlace.count(p.name) != 0; });
}

struct Described {
    std::vector<const vcl::FormObject*> components;
    std::set<std::string> handlers;
};

void Collect(const vcl::FormObject& object, bool isForm, Described& described) {
    if (!isForm) described.components.push_back(&object);
    for (const vcl::FormProperty& property : object.properties) {
        if (IsEvent(property)) described.handlers.insert(property.value.text);
    }
    for (const vcl::FormObject& child : object.children) Collect(child, false, described);
}

class FormBindingTest : public WizardTest {};

TEST_F(FormBindingTest, EveryDescribedComponentAndHandlerIsBoundOnce) {
    StartWizard();
    const vcl::FormObject form = vcl::ParseFormDescription(kUnit1Description);
    Described described;
    Collect(form, true, described);

    const std::vector<std::string>& bound = Form().BoundComponents();
    const std::set<std::string> boundOnce(bound.begin(), bound.end());
    EXPECT_EQ(boundOnce.size(), bound.size()) << "a component bound twice";
    for (const vcl::FormObject* component : described.components) {
        EXPECT_TRUE(boundOnce.count(component->name) != 0 || OnlyPlaced(*component))
            << component->name << " (line " << component->line << ") is not bound";
    }

    const std::vector<std::string> published = Form().Handlers().Names();
    EXPECT_EQ(std::set<std::string>(published.begin(), published.end()), described.handlers);
}

}  // namespace
}  // namespace tavrik::testing
