// One press of "计  算" on the steam calculators, for the slowest presses
// known: full-range and turning scans, and the (p, h) and (p, s) inverses at
// high pressure where the library's iterations run longest; then presses with
// IAPWS-IF97 over its range, supercritical and near-critical states included.
#include <benchmark/benchmark.h>

#include <string>

#include "props/water_steam.h"
#include "steamcalc/state_solver.h"

namespace {

using namespace entalix::steamcalc;

struct Press {
    const char* name;
    Row first;
    const char* first_text;
    Row second;
    const char* second_text;
    bool gauge;
    entalix::props::Formulation formulation = entalix::props::Formulation::IFC67;
};

constexpr auto kIf97 = entalix::props::Formulation::IF97;

const Press kPresses[] = {
    // Scans.
    {"pv_steam_lowest_pressure_to_800C", kRowP, "0.001", kRowV, "4943", false},
    {"pv_steam_past_800C", kRowP, "0.001", kRowV, "5000", false},
    {"pv_water_near_density_maximum", kRowP, "0.001", kRowV, "0.0010001", false},
    {"pv_water_below_smallest_volume", kRowP, "10", kRowV, "0.0009", false},
    {"th_supercritical_high_pressure", kRowT, "500", kRowH, "1950", false},
    {"th_supercritical_turning", kRowT, "450", kRowH, "2380", false},
    {"th_water_long_scan", kRowT, "300", kRowH, "1336", false},
    {"th_steam_down_to_lowest", kRowT, "5", kRowH, "2510", false},
    {"ts_steam_down_to_lowest", kRowT, "1", kRowS, "9.1", false},
    {"ts_water_long_scan", kRowT, "340", kRowS, "3.62", false},
    {"tv_steam_down_to_lowest", kRowT, "300", kRowV, "260", true},
    {"tv_water_long_scan", kRowT, "340", kRowV, "0.00159", true},
    // The library's inverses at high pressure.
    {"ph_high_pressure", kRowP, "105.533", kRowH, "2469.31", false},
    {"ps_high_pressure", kRowP, "90.8639", kRowS, "4.69618", false},
    // The slowest answered presses of bench/press_grid: the superheated search
    // runs its thousand corrections before the bracketed one settles it.
    {"ps_slowest_answered", kRowP, "89.99", kRowS, "5.063682", false},
    {"ps_top_of_range", kRowP, "99.99", kRowS, "5.323682", false},
    {"ph_slowest_answered", kRowP, "89.5689", kRowH, "2810.0123", false},
    {"tx_extrapolated_refused", kRowT, "506.258", kRowX, "-3.92552", false},
    // States found directly on the equations, refined in the last step, or
    // refused in the near-critical region.
    {"pt_found_at_high_pressure", kRowP, "20", kRowT, "20", false},
    {"ph_found_at_high_pressure", kRowP, "25", kRowH, "1000", false},
    {"ph_near_critical_refused", kRowP, "25", kRowH, "2000", false},
    {"th_found_supercritical", kRowT, "400", kRowH, "3000", false},
    {"th_near_critical_refused", kRowT, "500", kRowH, "100", false},
    {"tv_found_at_800C", kRowT, "800", kRowV, "0.05", false},
    {"ts_found_below_lowest_pressure", kRowT, "200", kRowS, "10", false},
    {"tv_water_above_ceiling", kRowT, "200", kRowV, "0.0011", true},
    {"tv_refined_in_last_step", kRowT, "50", kRowV, "40", false},
    {"pv_wet_by_mixing", kRowP, "0.46", kRowV, "0.020437", true},
    // IAPWS-IF97: each pair found directly.
    {"if97_pt_main_steam", kRowP, "24.2", kRowT, "566", false, kIf97},
    {"if97_pt_supercritical_region3", kRowP, "25", kRowT, "380", false, kIf97},
    {"if97_pt_gauge_region5", kRowP, "40", kRowT, "1500", true, kIf97},
    {"if97_ph_supercritical", kRowP, "25", kRowH, "2000", false, kIf97},
    {"if97_ph_high_pressure", kRowP, "100", kRowH, "2469.31", false, kIf97},
    {"if97_ps_near_critical", kRowP, "22.1", kRowS, "4.41", false, kIf97},
    {"if97_pv_region3", kRowP, "31", kRowV, "0.0025", false, kIf97},
    {"if97_px_critical_point", kRowP, "22.064", kRowX, "50", false, kIf97},
    {"if97_th_supercritical", kRowT, "400", kRowH, "2200", false, kIf97},
    {"if97_th_compressed_water", kRowT, "280", kRowH, "1229.56", false, kIf97},
    {"if97_ts_supercritical", kRowT, "380", kRowS, "4.167", false, kIf97},
    {"if97_tv_region5", kRowT, "1500", kRowV, "0.1", true, kIf97},
    {"if97_tv_near_critical", kRowT, "373", kRowV, "0.0035", false, kIf97},
    {"if97_tx_near_critical", kRowT, "373.9", kRowX, "30", false, kIf97},
};

void press(benchmark::State& state, const Press& p) {
    PairInput input;
    input.ticks[p.first] = input.ticks[p.second] = true;
    input.texts[p.first] = p.first_text;
    input.texts[p.second] = p.second_text;
    std::string shown;
    for (auto _ : state) {
        try {
            // One water and steam per press, as the hosts build it.
            const auto water = entalix::props::make_water_steam(p.formulation);
            const StateAnswer answer =
                p.gauge ? SolveGaugeStateFromPair(input, "0.0983", *water) : SolveStateFromPair(input, *water);
            shown = answer.caption().value_or(answer.note);
        } catch (const std::exception& e) {
            shown = e.what();
        }
        benchmark::DoNotOptimize(shown);
    }
    state.SetLabel(shown.substr(0, shown.find('\r')));
}

const int kRegistered = [] {
    for (const Press& p : kPresses)
        benchmark::RegisterBenchmark(p.name, [&p](benchmark::State& s) { press(s, p); })
            ->Unit(benchmark::kMicrosecond)
            ->ComputeStatistics("max", [](const std::vector<double>& v) {
                double m = 0;
                for (double x : v) m = x > m ? x : m;
                return m;
            });
    return 0;
}();

}  // namespace

BENCHMARK_MAIN();
