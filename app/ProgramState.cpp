#include "app/ProgramState.h"

#include "vcl/Application.h"

namespace tavrik {

ProgramState State;

bool RunFollowsRestart() { return vcl::Application() != nullptr && vcl::Application()->Tag() == 1; }

}  // namespace tavrik
