// The route plot as a whole: a well-formed standalone SVG that names the
// line, the train and the stations, says what the model lacks, and stays
// small for a long line.
#include <gtest/gtest.h>

#include "plot/plot_svg.h"
#include "plot/plot_test_model.h"
#include "support/xml_wellformed.h"

namespace scn::plot {
namespace {

using test::xml_wellformedness_error;

TEST(PlotSvg, SmallRouteIsWellFormedAndNamesLineTrainAndStations) {
  const std::string svg = render_plot_svg(test::small_route(true));
  EXPECT_EQ(xml_wellformedness_error(svg), "");
  EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=", 0), 0u);
  for (const char* text :
       {"LINEA DI PROVA", "train 12345", "BORGO &amp; &lt;ALTO&gt;", "PIAN DELL&apos;ORSO",
        "CASELLO \xC2\xB0 7", "CIMA", "11:04", "13:27", "GALLERIA 1\xC2\xB0 \xE2\x80\x93 ROCCA",
        "Plan of the line", "1/km, right +", "slowdown to 30 km/h"}) {
    EXPECT_NE(svg.find(text), std::string::npos) << text;
  }
  EXPECT_EQ(svg.find("No plan"), std::string::npos);
}

TEST(PlotSvg, WithoutPlanSaysSoAndStillDrawsTheCharts) {
  const std::string svg = render_plot_svg(test::small_route(false));
  EXPECT_EQ(xml_wellformedness_error(svg), "");
  EXPECT_NE(svg.find("No plan in this model"), std::string::npos);
  EXPECT_NE(svg.find("curvature not available"), std::string::npos);
  EXPECT_EQ(svg.find("Plan of the line"), std::string::npos);
  EXPECT_NE(svg.find("m above the start"), std::string::npos);
}

TEST(PlotSvg, ModelWithoutCellsGivesAShortValidPicture) {
  scenario s;
  s.line_name = "VUOTA";
  s.train_number = "1";
  s.status_code = 101;
  const std::string svg = render_plot_svg(s);
  EXPECT_EQ(xml_wellformedness_error(svg), "");
  EXPECT_NE(svg.find("VUOTA"), std::string::npos);
  EXPECT_NE(svg.find("nothing to draw"), std::string::npos);
  EXPECT_NE(svg.find("compiled with status 101"), std::string::npos);
}

TEST(PlotSvg, ControlAndUndefinedBytesInTextsStayValidXml) {
  scenario s = test::small_route(true);
  s.items[line_row].text = std::string(
      "A\x01"
      "B\x81"
      "C\x80\x9F",
      7);
  s.items[1].text = std::string("X\0Y\x7F", 4);
  const std::string svg = render_plot_svg(s);
  EXPECT_EQ(xml_wellformedness_error(svg), "");
  EXPECT_NE(svg.find("A\xEF\xBF\xBD"
                     "B\xEF\xBF\xBD"
                     "C\xE2\x82\xAC\xC5\xB8"),
            std::string::npos);
}

TEST(PlotSvg, HundredKilometreLineStaysUnderTwoMegabytes) {
  const std::string svg = render_plot_svg(test::busy_route());
  EXPECT_EQ(xml_wellformedness_error(svg), "");
  EXPECT_LT(svg.size(), 2u * 1024 * 1024);
  EXPECT_NE(svg.find("STAZIONE CON UN NOME LUNGO"), std::string::npos);
}

}  // namespace
}  // namespace scn::plot
