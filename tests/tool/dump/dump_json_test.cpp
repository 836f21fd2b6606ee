// The JSON form of a dump: always a valid document, whatever the decoded
// values hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

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

}  // namespace
}  // namespace scn::tool
