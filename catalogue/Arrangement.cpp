#include "catalogue/Arrangement.h"

namespace torvane::arrangement {
namespace {

struct RowBreak {
    int at, next;
};

// Per count: the rows, and the row breaks to apply after each placed button.
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

constexpr int kFrameLeft = 168;
constexpr int kFrameTop = 0;
constexpr int kFrameHeights[] = {1902, 3426, 4908, 6432};

}  // namespace

Rect Slot(int slot) { return {252 + 2268 * (slot % 6), 336 + 1512 * (slot / 6), kButtonWidth, kButtonHeight}; }

Layout Arrange(const std::vector<bool>& installed, int count, Size frame) {
    const Shape shape = ShapeFor(count);
    Layout layout;
    int next = 0;
    for (const bool shown : installed) {
        if (!shown) {
            layout.buttons.emplace_back();
            continue;
        }
        layout.buttons.push_back(Slot(next));
        ++next;
        for (const RowBreak& rowBreak : shape.breaks) {
            if (next == rowBreak.at) next = rowBreak.next;
        }
    }
    if (shape.rows > 0) {
        const int columns = (count + shape.rows - 1) / shape.rows;
        layout.frame = Rect{kFrameLeft, kFrameTop, 2280 * columns + 294, kFrameHeights[shape.rows - 1]};
        frame = {layout.frame->width, layout.frame->height};
    }
    layout.window = {frame.width + 420, frame.height + 840};
    return layout;
}

}  // namespace torvane::arrangement
