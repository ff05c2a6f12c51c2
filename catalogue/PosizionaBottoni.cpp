#include "app/FrmTorvane.h"
#include "catalogue/Arrangement.h"

namespace torvane {

namespace arrangement {

Rect Slot(int slot) {
    return {252 + 2268 * (slot % 6), 336 + 1512 * (slot / 6), kButtonWidth, kButtonHeight};
}

namespace {

struct RowBreak {
    int at, next;
};

// Per count: the row breaks to apply after each placed button, the rows.
struct Shape {
    int rows;
    std::vector<RowBreak> breaks;
};

Shape ShapeFor(int count) {
    switch (count) {
        case 1: case 2: case 3: case 4: case 5: return {1, {}};
        case 6: return {2, {{3, 6}}};
        case 7: case 8: return {2, {{4, 6}}};
        case 9: return {3, {{3, 6}, {9, 12}}};
        case 10: return {2, {{5, 6}}};
        case 11: case 12: return {3, {{4, 6}, {10, 12}}};
        case 13: case 14: case 15: return {3, {{5, 6}, {11, 12}}};
        case 16: return {4, {{4, 6}, {10, 12}, {16, 18}}};
        case 17: case 18: case 19: case 20: return {4, {{5, 6}, {11, 12}, {17, 18}}};
        case 21: case 22: case 23: case 24: return {4, {}};
        default: return {0, {}};
    }
}

constexpr int kFrameHeights[] = {1902, 3426, 4908, 6432};

}  // namespace

void ArrangeButtons(Window& window, const std::vector<bool>& installed, std::int16_t count) {
    const Shape shape = ShapeFor(count);

    int next = 0;
    for (std::size_t i = 0; i < installed.size(); ++i) {
        const int button = static_cast<int>(i);
        if (!installed[i]) {
            window.SetButtonVisible(button, false);
            continue;
        }
        window.MoveButton(button, Slot(next));
        ++next;
        for (const RowBreak& rowBreak : shape.breaks) {
            if (next == rowBreak.at) next = rowBreak.next;
        }
    }

    if (shape.rows > 0) {
        const int columns = (count + shape.rows - 1) / shape.rows;
        window.MoveFrame({kFrameLeft, kFrameTop, 2280 * columns + 294, kFrameHeights[shape.rows - 1]});
    }
    window.SetOuterWidth(window.FrameSize().width + 420);
    window.SetOuterHeight(window.FrameSize().height + 840);
}

}  // namespace arrangement

// Hides the missing applications' buttons, packs the others into the grid in
// index order, and sizes frame and window to fit.
void FrmTorvane::PosizionaBottoni(std::int16_t count) { arrangement::ArrangeButtons(window_, Installate, count); }

}  // namespace torvane
