#include "VclTestFixture.h"

namespace tavrik::vcl::testing {

VclTest::VclTest() {
    SetCurrentHost(&host);
    application = std::make_unique<TApplication>();
    application->SetTitle("Test");
    application->CreateForm(form);
}

VclTest::~VclTest() {
    application.reset();
    SetCurrentHost(nullptr);
}

}  // namespace tavrik::vcl::testing
