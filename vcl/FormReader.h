// Builds a form's components from its form description.
#pragma once

#include <string>

namespace tavrik::vcl {

class TForm;

// Reads a description (format: vcl/FORM_DESCRIPTION.md) into `form`: the
// root object describes the form itself and must name the form's class
// (TForm::ClassName()); each nested object creates a component owned by
// the form, placed in the enclosing control when it is a control; its
// properties are set in the order written and its events bound to the
// handlers the form publishes (TForm::Handlers(), to be filled before
// reading). Raises EReadError naming the line for a syntax error, an
// unknown class, property, value or handler, a handler of the wrong shape,
// or a duplicate component name. Components created before the error stay
// owned by the form.
void ReadForm(TForm& form, const std::string& description);

}  // namespace tavrik::vcl
