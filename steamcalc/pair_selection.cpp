// The tick-box rule of the steam calculators.
#include "steamcalc/pair_selection.h"

namespace entalix::steamcalc {

PairSelection UpdatePairSelection(const std::array<bool, kRowCount>& ticks, int clicked_row) {
    PairSelection selection;
    int ticked = 0;
    for (bool tick : ticks) ticked += tick ? 1 : 0;
    for (int row = 0; row < kRowCount; ++row) {
        selection.input_box_shown[row] = ticks[row];
        // With two known values the others cannot be ticked: only the ticked
        // boxes stay, so clearing one of them is the way back.
        selection.tick_box_shown[row] = ticked < 2 || ticks[row];
    }
    if (clicked_row >= kRowH && clicked_row < kRowCount) {
        bool unsupported = false;
        for (int row = kRowH; row < kRowCount; ++row)
            if (row != clicked_row && selection.input_box_shown[row] && !IsComputablePair(clicked_row, row))
                unsupported = true;
        selection.compute_button_shown = !(selection.input_box_shown[clicked_row] && unsupported);
    }
    return selection;
}

}  // namespace entalix::steamcalc
