#include "app/ClickFilter.h"

#include <cstdlib>

namespace torvane {
namespace {

// As the system tells a double click: within its time of the first click,
// and within a rectangle of its size centred where the first one was.
bool SecondOfDouble(const Click& first, const Click& second) {
    return second.time - first.time <= second.doubleClickTime &&  // unsigned: the clock may wrap
           std::abs(second.x - first.x) <= second.doubleClickWidth / 2 &&
           std::abs(second.y - first.y) <= second.doubleClickHeight / 2;
}

}  // namespace

bool ClickFilter::Admits(int index, const Click& click) {
    if (click.byMouse && last_ && last_->index == index && SecondOfDouble(last_->click, click)) return false;
    last_ = click.byMouse ? std::optional<Launching>({index, click}) : std::nullopt;
    return true;
}

}  // namespace torvane
