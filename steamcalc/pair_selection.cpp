// The tick-box rule of the steam calculators.
#include "steamcalc/pair_selection.h"

namespace entalix::steamcalc {

PairSelection UpdatePairSelection(const std::array<bool, kRowCount>& ticks) {
    PairSelection selection;
    int ticked = 0;
    for (bool tick : ticks) ticked += tick ? 1 : 0;
    for (int row = 0; row < kRowCount; ++row) {
        selection.input_box_shown[row] = ticks[row];
        // With two known values the others cannot be ticked: only the ticked
        // boxes stay, so clearing one of them is the way back.
        selection.tick_box_shown[row] = ticked < 2 || ticks[row];
    }
    // The button stays: a press says the same, rather than the button vanishing without a word.
    if (ticked == 2) {
        int first = -1;
        int second = -1;
        for (int row = 0; row < kRowCount; ++row)
            if (ticks[row]) (first < 0 ? first : second) = row;
        if (!computable_pair(first, second)) selection.note = kPairWithoutPOrT;
    }
    return selection;
}

}  // namespace entalix::steamcalc
