// The JSON form of a dump: always a valid document, whatever the decoded
// values hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>

#include "formats/item_file.h"
#include "formats/plan_file.h"
#include "tool/dump/dump_rows.h"
#include "tool/dump/json_rows.h"

namespace scn::tool {
namespace {

TEST(DumpJson, EveryValueBecomesValidJson) {
  const dump_layout layout{"plan", {"point", "value", "text"}};
  using f = dump_field;
  const std::vector<dump_row> rows = {
      {{"0", f::type::number}, {"2.5", f::type::number}, {"a \"quoted\"\\ text", f::type::string}},
      {{"1", f::type::number}, {"nan", f::type::number}, {"line\nend\x01", f::type::string}},
      {{"2", f::type::number}, {"-inf", f::type::number}, {"", f::type::null}},
      {{"3", f::type::number}, {"1e+308", f::type::number}, {"\xC2\xB0", f::type::string}},
  };
  std::string out;
  json_rows json(layout);
  json.append_begin(out);
  for (const auto& row : rows) json.append_row(out, row);
  json.append_end(out);
  const auto doc = nlohmann::json::parse(out);
  EXPECT_EQ(doc["file"], "plan");
  ASSERT_EQ(doc["rows"].size(), 4u);
  EXPECT_EQ(doc["rows"][0]["value"], 2.5);
  EXPECT_EQ(doc["rows"][0]["text"], "a \"quoted\"\\ text");
  EXPECT_TRUE(doc["rows"][1]["value"].is_null()) << "no NaN in JSON";
  EXPECT_EQ(doc["rows"][1]["text"], "line\nend\x01");
  EXPECT_TRUE(doc["rows"][2]["value"].is_null());
  EXPECT_TRUE(doc["rows"][2]["text"].is_null());
  EXPECT_EQ(doc["rows"][3]["value"], 1e308);
  EXPECT_EQ(doc["rows"][3]["point"].get<long long>(), 3);
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 4 + 2) << "one row per line";
}

// The whole JSON document of a decoded file, parsed back.
nlohmann::json json_of(binary_kind kind, std::string_view bytes) {
  json_rows json(layout_of(kind));
  std::string out;
  json.append_begin(out);
  decode_rows(kind, memory_bytes(bytes), [&](const dump_row& row) { json.append_row(out, row); });
  json.append_end(out);
  return nlohmann::json::parse(out);
}

TEST(DumpJson, PlanValuesReadBackAsTheyAreStored) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  const std::vector<double> reals = {0.1,
                                     1.0 / 3,
                                     2151.999999,
                                     -1e-7,
                                     123456789012.5,
                                     std::numeric_limits<double>::max(),
                                     std::numeric_limits<double>::denorm_min(),
                                     3000.0,
                                     inf,
                                     -inf,
                                     std::nan("")};
  track_plan plan;
  plan.dimension(static_cast<std::int32_t>(reals.size()));
  plan.set_integer(0, 0, -3);
  plan.set_integer(0, 1, 32767);
  for (std::size_t i = 0; i < reals.size(); ++i) plan.set_real(i + 1, 0, reals[i]);
  const auto doc = json_of(binary_kind::plan, encode_plan_file(plan));
  ASSERT_EQ(doc["rows"].size(), reals.size() + 1);
  const auto& first = doc["rows"][0];
  EXPECT_TRUE(first["x"].is_number_integer());
  EXPECT_EQ(first["x"].get<long long>(), -3);
  EXPECT_EQ(first["y"].get<long long>(), 32767);
  for (std::size_t i = 0; i < reals.size(); ++i) {
    SCOPED_TRACE(i);
    const auto& row = doc["rows"][i + 1];
    EXPECT_EQ(row["point"].get<long long>(), static_cast<long long>(i + 1));
    EXPECT_EQ(row["x_tag"], "double");
    EXPECT_EQ(row["y_tag"], "empty");
    EXPECT_TRUE(row["y"].is_null());
    if (std::isfinite(reals[i])) {
      ASSERT_TRUE(row["x"].is_number());
      EXPECT_EQ(row["x"].get<double>(), reals[i]);
    } else {
      EXPECT_TRUE(row["x"].is_null()) << "no JSON number for " << reals[i];
    }
  }
  EXPECT_TRUE(doc["rows"][1]["x"].is_number_float());
  EXPECT_TRUE(doc["rows"][8]["x"].is_number_integer()) << "a whole double prints as an integer";
}

TEST(DumpJson, ItemTextsComeOutAsUtf8Strings) {
  item_table items;
  items[1].kind = 8;
  items[1].number = -40000;
  items[1].text = std::string("\"A\" \\ \x01\t\x80 \xB0\0", 12);
  items[2].text = "PLAIN";
  const auto doc = json_of(binary_kind::items, encode_item_file(items));
  ASSERT_EQ(doc["rows"].size(), static_cast<std::size_t>(item_rows));
  const auto& row = doc["rows"][1];
  EXPECT_EQ(row["text"], std::string("\"A\" \\ \x01\t\xE2\x82\xAC \xC2\xB0\0", 15));
  EXPECT_EQ(row["role"], "station");
  EXPECT_TRUE(row["number"].is_number_integer());
  EXPECT_EQ(row["number"].get<long long>(), -40000);
  EXPECT_EQ(row["kind"].get<long long>(), 8);
  EXPECT_EQ(doc["rows"][2]["role"], "board text");
  EXPECT_EQ(doc["rows"][2]["text"], "PLAIN");
}

TEST(DumpJson, RowsShorterThanTheLayoutGiveNull) {
  json_rows json({"cells", {"a", "b"}});
  std::string out;
  json.append_row(out, {{"1", dump_field::type::number}});
  EXPECT_EQ(out, "\n  {\"a\":1,\"b\":null}");
}

}  // namespace
}  // namespace scn::tool
