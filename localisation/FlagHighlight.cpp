#include "localisation/FlagHighlight.h"

#include "localisation/FlagGrid.h"
#include "vcl/Shape.h"

namespace tavrik {

void MoveFlagHighlight(TFlagGrid& grid, vcl::TShape* highlight, std::uint16_t key, int& selected) {
    int top = highlight != nullptr ? highlight->Top() : 0;
    int left = highlight != nullptr ? highlight->Left() : 0;
    grid.GridNavigate(key, top, left, selected);
    if (highlight != nullptr) {
        highlight->SetBounds(left, top, highlight->Width(), highlight->Height());
    }
}

}  // namespace tavrik
