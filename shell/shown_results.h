// What a screen's calculations have shown, for every window host: the fields
// each successful press stood on and the formulation it used. A result turns
// stale (shown greyed, its text kept) once a field its press reads holds
// another text than the press stood on, once its press fails, or once another
// formulation is chosen than the one it was computed with; the next successful
// press makes it current again. A result that is no longer on the screen (a
// field typed over, or written by another press) is forgotten.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "shell/screen.h"

namespace entalix::shell {

class ShownResults {
public:
    explicit ShownResults(const ScreenDesc& desc) : desc_(&desc) {}

    // An event of the screen ended with `outcome`; `fields` as the screen shows
    // them after it. Only calculations count as presses; a press that ends with
    // a message (a failure, or a note instead of results) leaves its results
    // stale, and a press that writes a field forgets every other calculation
    // that stood on it or wrote it.
    void pressed(std::string_view event, const Outcome& outcome, const Fields& fields);
    // A person typed into a field, ticked a box, or the host put a text into
    // it: `text` is what it holds now ("1"/"0" for a tick box). Typing the text
    // a result stood on again greys nothing.
    void input_changed(std::string_view field, std::string_view text);
    // The formulation chosen for the presses to come.
    void formulation_chosen(props::Formulation formulation);

    // The result fields to show greyed: whatever a stale calculation wrote,
    // a typed field included (the saturation screen's two fields).
    std::set<std::string, std::less<>> stale_results() const;
    bool stale(std::string_view result) const { return stale_results().count(result) != 0; }
    // Every field some calculation of the screen may write: what a host must
    // be able to grey.
    std::set<std::string, std::less<>> written_fields() const;

    // The window's title: the caption, and on a screen that computes with
    // water and steam (once it has shown such a result) or offers the choice,
    // the formulation chosen now.
    std::string title() const;

    // The calculations Enter in `field` presses: every one that reads it and
    // has shown its results (a shared atmospheric pressure recomputes each
    // block), else the first that reads it. Empty for a field no calculation reads.
    std::vector<std::string> enter_events(std::string_view field) const;

    // Whether any calculation has shown its results.
    bool any() const { return !produced_.empty(); }
    // Every calculation shown, in the screen's order of events, as tab-separated
    // lines: the inputs that produced it, the formulation it used if any, then
    // its results. Empty before the first successful press.
    std::string results_text() const;

private:
    bool event_stale(const std::string& event, const Fields& produced) const;
    void forget(const std::string& event);

    const ScreenDesc* desc_;
    std::map<std::string, Fields, std::less<>> produced_;   // event -> the fields after its last success
    std::map<std::string, std::string, std::less<>> used_;  // event -> the formulation it used, if any
    std::set<std::string, std::less<>> failed_;             // events whose last press failed
    std::map<std::string, std::string, std::less<>> now_;   // field -> the text it holds now, as last told
    std::optional<props::Formulation> chosen_;
    bool uses_water_ = false;  // a result computed with water and steam has been shown
};

}  // namespace entalix::shell
