// The presses whose (p, h) and (p, s) searches run longest, over dense grids in
// both formulations: every text they show (results, the message line, the
// warning, the screen a press opens) must stay what it was when the grids were
// recorded in data/shown_texts.txt, however the searches are made faster.
// ENTALIX_RECORD_SHOWN=<file> writes the file anew instead of comparing.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/screens_cli.h"
#include "props/formulation.h"
#include "shell/screen.h"

namespace entalix {
namespace {

using props::Formulation;
using Given = std::map<std::string, std::string>;

// FNV-1a over every text a press shows, in the order the press writes them.
struct Digest {
    std::uint64_t value = 14695981039346656037ULL;
    void add(const std::string& text) {
        for (const unsigned char c : text) value = (value ^ c) * 1099511628211ULL;
        value = (value ^ 0xffU) * 1099511628211ULL;  // a separator no text holds
    }
};

void add_press(Digest& digest, const std::string& screen, const std::string& event, const Given& given,
               Formulation formulation) {
    const shell::Outcome o = cli::run_screen_event(screen, event, given, formulation);
    digest.add(o.failed ? "failed" : "written");
    for (const auto& [name, text] : o.texts) digest.add(name + "=" + text);
    for (const auto& [name, text] : o.target_texts) digest.add(name + "=" + text);
    digest.add(o.message);
    digest.add(o.warning);
    digest.add(o.formulation);
}

std::string fixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

// Pressures from the lowest to the top of IFC-67's range, dense where the
// superheated searches take longest.
const std::vector<std::string> kPressures{"0.005", "0.02", "0.1", "0.5", "1",    "2",  "5",    "10", "15",
                                          "20",    "22",   "25",  "30",  "32.5", "35", "40",   "50", "60",
                                          "70",    "76",   "80",  "85",  "90",   "95", "99.99"};

// One line of the record: a case, its formulation and pressure, the digest of
// every press along its row.
using Record = std::map<std::string, std::uint64_t>;

void steam_calculator_rows(Record& record, Formulation f) {
    const std::string name(props::formulation_name(f));
    for (const std::string& p : kPressures) {
        // Six decimals, as a person copies an entropy, and four: the press
        // searches once with the typed value and once with the shown one.
        Digest ps, ph;
        for (int i = 0; i < 100; ++i) {
            const std::string s = fixed(0.05 + 0.1 * i + 0.003682 * (i % 2), 4 + 2 * (i % 2));
            add_press(ps, "Form11", "Command1_Click", {{"Check1", "1"}, {"Check4", "1"}, {"Text1", p}, {"Text4", s}},
                      f);
            const std::string h = fixed(20.0 + 40.0 * i + 0.12345 * (i % 2), 1 + 4 * (i % 2));
            add_press(ph, "Form11", "Command1_Click", {{"Check1", "1"}, {"Check3", "1"}, {"Text1", p}, {"Text3", h}},
                      f);
        }
        record["Form11-ps " + name + " " + p] = ps.value;
        record["Form11-ph " + name + " " + p] = ph.value;
    }
    // Around the slowest presses found: (p, s) near the top of the range.
    for (const std::string p : {"76", "85", "90.8639", "95", "99.99"}) {
        Digest d;
        for (int i = 0; i < 200; ++i)
            add_press(d, "Form11", "Command1_Click",
                      {{"Check1", "1"}, {"Check4", "1"}, {"Text1", p}, {"Text4", fixed(4.0 + 0.01 * i + 0.003682, 6)}},
                      f);
        record["Form11-ps-near-slowest " + name + " " + p] = d.value;
    }
}

void other_screen_rows(Record& record, Formulation f) {
    const std::string name(props::formulation_name(f));
    for (const std::string p : {"0.5", "10", "25", "60", "99.99"}) {
        Digest gauge, all, turbine;
        for (int i = 0; i < 25; ++i) {
            const std::string s = fixed(0.2 + 0.4 * i + 0.003682, 6);
            add_press(gauge, "Form12", "Command1_Click", {{"Check1", "1"}, {"Check4", "1"}, {"Text1", p}, {"Text4", s}},
                      f);
            add_press(all, "Form11", "Command2_Click", {{"Check1", "1"}, {"Check4", "1"}, {"Text1", p}, {"Text4", s}},
                      f);
            const std::string h = fixed(100.0 + 160.0 * i + 0.12345, 5);
            add_press(all, "Form11", "Command2_Click", {{"Check1", "1"}, {"Check3", "1"}, {"Text1", p}, {"Text3", h}},
                      f);
            // A stage from p to every outlet pressure below it.
            const std::string t1 = fixed(300.0 + 25.0 * i, 1);
            for (const std::string p2 : {"0.005", "1", "20"})
                add_press(turbine, "Form20", "Command1_Click", {{"Text1", p}, {"Text2", t1}, {"Text4", p2}}, f);
        }
        record["Form12-ps " + name + " " + p] = gauge.value;
        record["Form16-all " + name + " " + p] = all.value;
        record["Form20-stage " + name + " " + p] = turbine.value;
    }
}

Record shown_now() {
    Record record;
    for (const Formulation f : {Formulation::IFC67, Formulation::IF97}) {
        steam_calculator_rows(record, f);
        other_screen_rows(record, f);
    }
    return record;
}

std::string hex(std::uint64_t value) {
    char buffer[20];
    std::snprintf(buffer, sizeof buffer, "%016llx", static_cast<unsigned long long>(value));
    return buffer;
}

TEST(ShownTexts, SlowPressesShowWhatTheyShowedWhenRecorded) {
    const Record now = shown_now();
    if (const char* out = std::getenv("ENTALIX_RECORD_SHOWN")) {
        std::ofstream file(out);
        for (const auto& [key, value] : now) file << key << ' ' << hex(value) << '\n';
        GTEST_SKIP() << "recorded " << now.size() << " rows in " << out;
    }
    std::ifstream file(std::string(ENTALIX_TEST_DATA) + "/shown_texts.txt");
    ASSERT_TRUE(file) << "data/shown_texts.txt missing";
    Record recorded;
    for (std::string line; std::getline(file, line);) {
        const std::size_t space = line.rfind(' ');
        ASSERT_NE(space, std::string::npos) << line;
        recorded[line.substr(0, space)] = std::stoull(line.substr(space + 1), nullptr, 16);
    }
    ASSERT_EQ(recorded.size(), now.size());
    for (const auto& [key, value] : now) {
        const auto it = recorded.find(key);
        ASSERT_NE(it, recorded.end()) << key;
        EXPECT_EQ(hex(it->second), hex(value)) << "a press of " << key << " shows other texts";
    }
}

}  // namespace
}  // namespace entalix
