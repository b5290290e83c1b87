// The SVG writer gives each primitive of a drawing one element, escaped.
#include "shell/svg.h"

#include <gtest/gtest.h>

namespace entalix::shell {
namespace {

int count(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

TEST(Svg, OneElementPerPrimitiveAndEscapedText) {
    Drawing d{300, 200, {}};
    d.primitives.emplace_back(Line{{0, 0}, {10, 10}});
    d.primitives.emplace_back(Polyline{{{0, 0}, {1, 2}, {3, 4}}, 0.5});
    d.primitives.emplace_back(Polygon{{{0, 0}, {5, 0}, {5, 5}}, 1, true});
    d.primitives.emplace_back(Circle{{50, 50}, 4});
    d.primitives.emplace_back(Arc{{100, 100}, 20, 10, 90, 180});
    d.primitives.emplace_back(Arrowhead{{20, 20}, Towards::Down});
    d.primitives.emplace_back(Text{{10, 10}, Anchor::Center, "p<1 & \"过热\""});
    const std::string svg = svg_of(d);
    EXPECT_EQ(count(svg, "<line "), 1);
    EXPECT_EQ(count(svg, "<polyline "), 1);
    EXPECT_EQ(count(svg, "<polygon "), 2);
    EXPECT_EQ(count(svg, "<circle "), 1);
    EXPECT_EQ(count(svg, "<path "), 1);
    EXPECT_NE(svg.find(">p&lt;1 &amp; &quot;过热&quot;</text>"), std::string::npos);
    EXPECT_NE(svg.find("width=\"300\" height=\"200\""), std::string::npos);
}

}  // namespace
}  // namespace entalix::shell
