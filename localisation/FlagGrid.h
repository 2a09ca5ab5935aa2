// The grid of language flags on the language choice page: 4 flags a row, 3
// rows visible, scrolled by whole rows, with the selected flag's index and
// the arithmetic that places flags and the highlight behind the selection.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vcl/BmpDecoder.h"

namespace tavrik {

namespace vcl {
class TSpeedButton;
}

class TFlagGrid {
public:
    // The area is the main window's outer size; margins start at 0.
    TFlagGrid(int areaWidth, int areaHeight);

    // Lays the grid out for count flags of the sample bitmap's size. A
    // sample that cannot be loaded raises the component library's file
    // error and leaves the grid as it was.
    void GridSetup(int count, int rows, int columns, const std::string& samplePath,
                   std::vector<vcl::TSpeedButton*>* buttons);
    // Lays out no flag at all (a folder without bitmaps): nothing selected,
    // every button hidden, and keys move nothing.
    void GridClear(std::vector<vcl::TSpeedButton*>* buttons);
    // Shows flag i (1-based) on its button with the bitmap as glyph; grey
    // (transparent) or black as the glyph's transparent colour.
    void GridPlaceFlag(int i, const std::string& bitmapPath, bool transparent);
    // Shows the buttons from first to last that fit in the visible window,
    // hides the others.
    void GridShowRange(int first, int last);
    // Moves the selection by a key (Return, Left, Up, Right, Down; any other
    // key selects `selected`) and gives the highlight's new top and left.
    // Without flags nothing moves and top and left are left as they are.
    void GridNavigate(std::uint16_t key, int& top, int& left, int& selected);
    // Selects flag i; returns the first flag of its row.
    int GridSelect(int i);
    // The largest flag a cell of the laid-out grid shows: the area within
    // the margins shared by the visible rows and columns. A larger flag is
    // refused as an unreadable one, before its pixels cost any memory.
    vcl::PictureBounds FlagBounds() const { return CellOf(Rows, Columns); }

    int RowOf(int i) const;
    int ColumnOf(int i) const;
    int FirstOfRow(int row) const;
    int LastOfRow(int row) const;
    int TopOf(int i) const;
    int LeftOf(int i) const;

    int Index = 0;
    int Count = 0;
    int Rows = 0;
    int Columns = 0;
    int HGap = 0;
    int VGap = 0;
    int FlagHeight = 0;
    int FlagWidth = 0;
    int AreaWidth = 0;
    int AreaHeight = 0;
    int Capacity = 0;
    int RowTerm = 0;
    int TopMargin = 0;
    int BottomMargin = 0;
    int TopRow = 0;
    int RightMargin = 0;
    int LeftMargin = 0;
    std::vector<vcl::TSpeedButton*>* Buttons = nullptr;

private:
    vcl::PictureBounds CellOf(int rows, int columns) const;
    void MoveUp();
    void MoveDown();
    vcl::TSpeedButton* Button(int i) const;
};

}  // namespace tavrik
