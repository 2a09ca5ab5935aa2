#include "localisation/FlagGrid.h"

#include <algorithm>

#include "vcl/Bitmap.h"
#include "vcl/SpeedButton.h"

namespace tavrik {

namespace {

constexpr std::uint16_t kReturn = 13;
constexpr std::uint16_t kLeft = 37;
constexpr std::uint16_t kUp = 38;
constexpr std::uint16_t kRight = 39;
constexpr std::uint16_t kDown = 40;

constexpr vcl::TColor kFlagTransparentGrey = vcl::clGray;

}  // namespace

TFlagGrid::TFlagGrid(int areaWidth, int areaHeight)
    : AreaWidth(areaWidth), AreaHeight(areaHeight) {}

// Every division below is guarded: a grid without flags or with flags of
// no size must leave a page that still works, never divide by zero.
int TFlagGrid::RowOf(int i) const { return Columns > 0 ? (i + Columns - 1) / Columns : 0; }

int TFlagGrid::ColumnOf(int i) const { return i - (RowOf(i) - 1) * Columns; }

int TFlagGrid::FirstOfRow(int row) const { return (row - 1) * Columns + 1; }

int TFlagGrid::LastOfRow(int row) const { return std::min(row * Columns, Count); }

int TFlagGrid::TopOf(int i) const {
    const int v = RowOf(i) - TopRow;
    return (v - 1) * FlagHeight + v * VGap;
}

int TFlagGrid::LeftOf(int i) const {
    const int c = ColumnOf(i);
    return (c - 1) * FlagWidth + c * HGap + LeftMargin;
}

vcl::TSpeedButton* TFlagGrid::Button(int i) const {
    if (Buttons == nullptr || i < 1 || i > static_cast<int>(Buttons->size())) {
        return nullptr;
    }
    return (*Buttons)[static_cast<std::size_t>(i - 1)];
}

void TFlagGrid::GridSetup(int count, int rows, int columns, const std::string& samplePath,
                          std::vector<vcl::TSpeedButton*>* buttons) {
    // Loaded first: a sample that cannot be read changes nothing.
    vcl::TBitmap sample;
    sample.LoadFromFile(samplePath, CellOf(rows, columns));

    Count = count;
    Rows = rows;
    Columns = columns;
    FlagHeight = sample.Height();
    FlagWidth = sample.Width();

    const int e = std::min(Count, Columns);
    HGap = (AreaWidth - e * FlagWidth - RightMargin - LeftMargin) / (e + 1);

    Buttons = buttons;
    Capacity = Rows * Columns;

    RowTerm = 0;
    if (Count >= 1 && Columns > 0) {
        for (int t = Count - Columns; t > 0; t -= Columns) {
            ++RowTerm;
        }
    }
    RowTerm = std::min(RowTerm, Rows);
    VGap = (AreaHeight - TopMargin - BottomMargin - 40 - RowTerm * FlagHeight) / (RowTerm + 1);

    Index = 1;
    TopRow = 0;
}

vcl::PictureBounds TFlagGrid::CellOf(int rows, int columns) const {
    const int width = AreaWidth - LeftMargin - RightMargin;
    const int height = AreaHeight - TopMargin - BottomMargin - 40;
    return {std::max(0, width) / std::max(1, columns), std::max(0, height) / std::max(1, rows)};
}

void TFlagGrid::GridClear(std::vector<vcl::TSpeedButton*>* buttons) {
    Count = 0;
    Index = 0;
    TopRow = 0;
    RowTerm = 0;
    Buttons = buttons;
    GridShowRange(1, 0);
}

void TFlagGrid::GridPlaceFlag(int i, const std::string& bitmapPath, bool transparent) {
    vcl::TSpeedButton* button = Button(i);
    if (button == nullptr) {
        return;  // no button beyond the thirtieth
    }
    button->SetVisible(true);
    vcl::TBitmap bitmap;
    bitmap.LoadFromFile(bitmapPath, FlagBounds());
    button->SetBounds(LeftOf(i), TopOf(i) + TopMargin, bitmap.Width() + 4, bitmap.Height() + 4);
    bitmap.SetTransparentColor(transparent ? kFlagTransparentGrey : vcl::clBlack);
    button->SetGlyph(bitmap);
    button->SetMargin(0);
    button->SetFlat(false);
}

void TFlagGrid::GridShowRange(int first, int last) {
    if (Buttons == nullptr) {
        return;
    }
    for (int k = 1; k <= static_cast<int>(Buttons->size()); ++k) {
        vcl::TSpeedButton* button = Button(k);
        if (button == nullptr) {
            continue;
        }
        if (k < first || k > last || k >= first + Capacity) {
            button->SetVisible(false);
        } else {
            button->SetVisible(true);
            button->SetTop(TopOf(k) + TopMargin);
            button->SetLeft(LeftOf(k));
        }
    }
}

void TFlagGrid::MoveUp() {
    if (RowOf(Index) == 1) {
        return;
    }
    Index -= Columns;
    if (RowOf(Index) <= TopRow) {
        const int r = RowOf(Index);
        --TopRow;
        GridShowRange(FirstOfRow(r), LastOfRow(r + Rows - 1));
    }
}

void TFlagGrid::MoveDown() {
    if (RowOf(Index) == RowOf(Count) || LastOfRow(RowOf(Index)) >= Count) {
        return;
    }
    Index = std::min(Index + Columns, Count);
    if (RowOf(Index) > Rows + TopRow) {
        const int r2 = RowOf(Index + Columns);
        ++TopRow;
        GridShowRange(FirstOfRow(TopRow + 1), LastOfRow(r2));
    }
}

void TFlagGrid::GridNavigate(std::uint16_t key, int& top, int& left, int& selected) {
    if (Count < 1) {
        return;
    }
    switch (key) {
        case kReturn:
            selected = Index;
            break;
        case kLeft:
            if (ColumnOf(Index) > 1) {
                --Index;
            } else if (Count != 1) {
                if (RowOf(Index) == 1) {
                    Index = LastOfRow(1);
                } else {
                    Index = Index + Columns - 1;
                    MoveUp();
                }
            }
            break;
        case kRight:
            if (ColumnOf(Index) == Columns || Index == Count) {
                Index = FirstOfRow(RowOf(Index));
                MoveDown();
            } else if (Count != 1) {
                ++Index;
            }
            break;
        case kUp:
            MoveUp();
            break;
        case kDown:
            MoveDown();
            break;
        default:
            Index = selected;
            TopRow = RowOf(Index) - 1;
            break;
    }
    top = TopOf(Index) + TopMargin - 3;
    left = LeftOf(Index) - 3;
}

int TFlagGrid::GridSelect(int i) {
    Index = i;
    return FirstOfRow(RowOf(i));
}

}  // namespace tavrik
