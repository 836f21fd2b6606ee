// The route plot of the scenario the program carries: the whole 100 km line
// with all its stations, signals, slowdowns and tunnels, in a bounded size.
#include <gtest/gtest.h>

#include "compiler/compile_fixture.h"
#include "plot/plot_svg.h"
#include "plot/svg_text.h"
#include "sources/line_description_table.h"
#include "sources/replace_text_file.h"
#include "sources/train_description_table.h"
#include "support/xml_wellformed.h"

namespace scn::plot {
namespace {

using testing::table_bytes;

TEST(EmbeddedPlot, DrawsTheWholeScenarioAsValidSvgUnderTwoMegabytes) {
  const auto compiled =
      testing::compile(table_bytes(fill_line_description), table_bytes(fill_train_description));
  ASSERT_EQ(compiled.s.status_code, 0);
  const std::string svg = render_plot_svg(compiled.s);
  EXPECT_EQ(test::xml_wellformedness_error(svg), "");
  EXPECT_LT(svg.size(), 2u * 1024 * 1024);
  for (const char* text :
       {"BORGOLAGO-CIMAPASSO", "train 51827", "100.0 km", "27 stations", "42 signals",
        "5 slowdowns", "51 text boards", "40 tunnels", "highest point +931 m, km 86.700",
        "CULMINE \xE2\x80\x93 Km.86+750", "slowdown to 30 km/h, km 75.850 to 76.650"}) {
    EXPECT_NE(svg.find(text), std::string::npos) << text;
  }
  for (int row = 1; row <= 27; ++row) {
    const std::string name = xml_escape(collapse_blanks(compiled.s.items[row].text));
    ASSERT_FALSE(name.empty()) << row;
    EXPECT_NE(svg.find(">" + name + "<"), std::string::npos) << name;
  }
}

}  // namespace
}  // namespace scn::plot
