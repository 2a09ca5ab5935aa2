// Parses a form description (format: vcl/FORM_DESCRIPTION.md) into a tree
// of objects with their properties, each remembering its line. Nothing is
// created here; FormReader does that.
#pragma once

#include <string>
#include <vector>

#include "vcl/FormValue.h"

namespace tavrik::vcl {

struct FormProperty {
    std::string name;  // may be dotted: "Font.Style"
    FormValue value;
    int line = 0;
};

struct FormObject {
    std::string name;
    std::string className;
    int line = 0;
    std::vector<FormProperty> properties;
    std::vector<FormObject> children;
};

// Raises EReadError ("Form description line N: ...") on a syntax error.
FormObject ParseFormDescription(const std::string& text);

}  // namespace tavrik::vcl
