// What a screen's calculations have shown, for every window host: the fields
// each successful press stood on and the formulation it used. A result turns
// stale (shown greyed, its text kept) once an input its press reads changes,
// once its press fails, or once another formulation is chosen than the one it
// was computed with; the next successful press makes it current again.
#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>

#include "shell/screen.h"

namespace entalix::shell {

class ShownResults {
public:
    explicit ShownResults(const ScreenDesc& desc) : desc_(&desc) {}

    // A press of `event` ended with `outcome`; `fields` as the screen shows
    // them after it. Only calculations count; a press that ends with a message
    // (a failure, or a note instead of results) leaves its results stale.
    void pressed(std::string_view event, const Outcome& outcome, const Fields& fields);
    // A person typed into a field, or the host put a text into it.
    void input_changed(std::string_view field);
    // The formulation chosen for the presses to come.
    void formulation_chosen(props::Formulation formulation);

    // The result fields to show greyed.
    std::set<std::string, std::less<>> stale_results() const;
    bool stale(std::string_view result) const { return stale_results().count(result) != 0; }

    // Whether any calculation has shown its results.
    bool any() const { return !produced_.empty(); }
    // Every calculation shown, in the screen's order of events, as tab-separated
    // lines: the inputs that produced it, the formulation it used if any, then
    // its results. Empty before the first successful press.
    std::string results_text() const;

private:
    const ScreenDesc* desc_;
    std::map<std::string, Fields, std::less<>> produced_;   // event -> the fields after its last success
    std::map<std::string, std::string, std::less<>> used_;  // event -> the formulation it used, if any
    std::set<std::string, std::less<>> stale_;              // events whose results are stale
};

}  // namespace entalix::shell
