// The three plant drawings: a vessel or a valve and mixer with their pipes and
// arrows, in the positions the screens' fields are placed at.
#include "shell/drawing.h"

#include <initializer_list>
#include <utility>

namespace entalix::shell {

namespace {

// Built in place: a temporary Primitive moved into the list would be the same, but
// GCC 12 then warns of the other alternatives' members as maybe uninitialized.
template <typename T>
void add(Drawing& d, T primitive) {
    d.primitives.emplace_back(std::in_place_type<T>, std::move(primitive));
}

void pipe(Drawing& d, std::initializer_list<Point> points) { add(d, Polyline{points}); }

void arrowhead(Drawing& d, double x, double y, Towards towards) { add(d, Arrowhead{{x, y}, towards}); }

// A horizontal cylindrical vessel: the straight shell from shell_left to
// shell_right between top and bottom, a half-ellipse dished end at each side
// reaching out to end_left and end_right, and the tangent lines at seam_left
// and seam_right.
struct Vessel {
    double shell_left, shell_right, top, bottom, seam_left, seam_right, end_left, end_right;
};

void vessel(Drawing& d, const Vessel& v) {
    add(d, Line{{v.shell_left, v.top}, {v.shell_right, v.top}});
    add(d, Line{{v.shell_left, v.bottom}, {v.shell_right, v.bottom}});
    const double middle = (v.top + v.bottom) / 2;
    const double half_height = (v.bottom - v.top) / 2;
    add(d, Arc{{v.shell_left, middle}, v.shell_left - v.end_left, half_height, 90, 180});
    add(d, Arc{{v.shell_right, middle}, v.end_right - v.shell_right, half_height, 270, 180});
    add(d, Line{{v.seam_left, v.top}, {v.seam_left, v.bottom}, kSeamWidth});
    add(d, Line{{v.seam_right, v.top}, {v.seam_right, v.bottom}, kSeamWidth});
}

Drawing mixing_heater() {
    Drawing d{508, 316, {}};
    vessel(d, {74, 309, 114, 205, 84, 298, 56, 328});
    // Heating steam from the right, down into the top of the shell.
    pipe(d, {{335, 46}, {198, 46}, {198, 114}});
    arrowhead(d, 198, 114, Towards::Down);
    // Feed water from the right, up into the bottom of the shell.
    pipe(d, {{425, 250}, {266, 250}, {266, 205}});
    arrowhead(d, 266, 205, Towards::Up);
    // Saturated water leaves at the bottom.
    pipe(d, {{176, 205}, {176, 263}});
    arrowhead(d, 176, 263, Towards::Down);
    return d;
}

Drawing surface_heater() {
    Drawing d{508, 316, {}};
    vessel(d, {102, 338, 110, 201, 114, 326, 84, 356});
    // Heated water leaves at the top and turns left.
    pipe(d, {{160, 110}, {160, 66}, {49, 66}});
    arrowhead(d, 49, 66, Towards::Left);
    // Heating steam from the right, down into the top of the shell.
    pipe(d, {{363, 42}, {227, 42}, {227, 110}});
    arrowhead(d, 227, 110, Towards::Down);
    // Water from the right, up into the bottom of the shell. The pipe begins
    // just left of the inlet-water captions, which stand on its line further right.
    pipe(d, {{362, 246}, {294, 246}, {294, 201}});
    arrowhead(d, 294, 201, Towards::Up);
    // Drain at the bottom.
    pipe(d, {{204, 201}, {204, 259}});
    arrowhead(d, 204, 259, Towards::Down);
    return d;
}

Drawing desuperheater() {
    Drawing d{597, 315, {}};
    // Superheated steam from the left into the valve.
    pipe(d, {{70, 185}, {206, 185}});
    arrowhead(d, 204, 185, Towards::Right);
    // The valve: two triangles tip to tip, the right one opening towards the mixer.
    const Point tip{271, 185.5};
    add(d, Polygon{{{204, 150}, {204, 221}, tip}});
    add(d, Polygon{{{317, 150}, {317, 221}, tip}});
    // The mixer, where the water meets the steam.
    add(d, Circle{{352, 185}, 35});
    pipe(d, {{331, 204}, {352, 166}, {373, 204}});
    // Desuperheating water from the left, down into the top of the mixer.
    pipe(d, {{228, 83}, {353, 83}, {353, 150}});
    arrowhead(d, 353, 150, Towards::Down);
    // Supplied steam to the right.
    pipe(d, {{384, 184}, {506, 184}});
    arrowhead(d, 506, 184, Towards::Right);
    return d;
}

}  // namespace

std::optional<Drawing> plant_drawing(std::string_view name) {
    if (name == "mixing_heater") return mixing_heater();
    if (name == "surface_heater") return surface_heater();
    if (name == "desuperheater") return desuperheater();
    return std::nullopt;
}

}  // namespace entalix::shell
