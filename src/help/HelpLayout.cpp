#include "help/HelpLayout.h"

#include <algorithm>
#include <cmath>

namespace {

int atLeastZero(int value) {
    return std::max(0, value);
}

} // namespace

HelpLayout initialHelpLayout() {
    HelpLayout layout;
    layout.tree = {10, 5, 235, 325};
    layout.heading = {250, 5, 370, 23};
    layout.band = {250, 28, 370, 12};
    layout.text = {250, 40, 370, 290};
    layout.bar = {245, 5, 5, 325};
    layout.firstStatusFieldEnd = firstStatusFieldEnd(helpClientWidth);
    return layout;
}

int firstStatusFieldEnd(int clientWidth) {
    return static_cast<int>(std::lround(clientWidth * 0.65)) - 1;
}

HelpLayout resizedHelpLayout(const HelpLayout& current, int clientWidth, int clientHeight) {
    HelpLayout layout = current;
    const int barX = current.bar.x;
    const int barY = current.bar.y;
    layout.heading.width = atLeastZero(clientWidth - barX - 37);
    layout.heading.height = atLeastZero(barY + 18);
    layout.band.width = atLeastZero(clientWidth - barX - 37);
    layout.band.height = atLeastZero(barY + 12);
    layout.text.width = atLeastZero(clientWidth - barX - 20);
    layout.text.height = atLeastZero(clientHeight - 65);
    layout.tree.height = atLeastZero(clientHeight - 40);
    layout.bar.width = 5;
    layout.bar.height = atLeastZero(clientHeight - 40);
    layout.firstStatusFieldEnd = atLeastZero(firstStatusFieldEnd(clientWidth));
    return layout;
}

HelpLayout draggedHelpLayout(const HelpLayout& atStart, int shift) {
    const int textSideWidth = atStart.text.width - 17;
    const int d = std::clamp(shift, -atStart.tree.width, std::max(0, textSideWidth));
    const PixelRect& tree = atStart.tree;
    const PixelRect& text = atStart.text;
    HelpLayout layout = atStart;
    layout.tree = {tree.x, tree.y, tree.width + d, tree.height};
    layout.heading = {text.x + d, tree.y, atLeastZero(text.width - d - 17), 23};
    layout.band = {text.x + d, tree.y + 23, atLeastZero(text.width - d - 17), 12};
    layout.text = {text.x + d, tree.y + 35, atLeastZero(text.width - d),
                   atLeastZero(tree.height - 35)};
    layout.bar = {atStart.bar.x + d, tree.y, atStart.bar.width, atStart.bar.height};
    return layout;
}
