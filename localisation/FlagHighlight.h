// The yellow square behind the selected flag follows every move of the
// flag grid's selection, whether by key, by scroll bar or when the page
// opens.
#pragma once

#include <cstdint>

namespace tavrik {

namespace vcl {
class TShape;
}
class TFlagGrid;

// Moves the grid's selection by a key (as TFlagGrid::GridNavigate) and puts
// the highlight behind the selected flag; a null highlight is left out.
void MoveFlagHighlight(TFlagGrid& grid, vcl::TShape* highlight, std::uint16_t key, int& selected);

}  // namespace tavrik
