// Mouse cursors, numbered as the framework numbers its built-in cursors.
#pragma once

namespace tavrik::vcl {

enum class TCursor : int {
    crDefault = 0,
    crArrow = -2,
    crHourGlass = -11,
    crHandPoint = -21,
};

}  // namespace tavrik::vcl
