// The text writers leave the index of their end marker behind and replace
// their files completely.
#include <gtest/gtest.h>

#include "sources/text_writers.h"
#include "support/process.h"

namespace scn {
namespace {

TEST(TextWriters, EachStopsAtItsEndMarkerAndReplacesItsFile) {
  test::scratch_dir dir;
  const auto files = make_run_files(dir.path().string(), '/', "L", "1");
  const struct {
    void (*write)(scenario&, const run_files&);
    std::string name;
    std::int32_t end_index;
  } writers[] = {{dati_linea, files.line_description, 471},
                 {dati_treno, files.train_description, 119},
                 {dati_note, files.notes, 80},
                 {dati_rallentamenti, files.slowdown_order, 47},
                 {dati_scheda, files.timetable_card, 59}};
  for (const auto& w : writers) {
    test::write_bytes(w.name, std::string(200000, 'x'));
    scenario s;
    w.write(s, files);
    EXPECT_EQ(s.loop_index, w.end_index) << w.name;
    const auto bytes = test::read_bytes(w.name);
    EXPECT_EQ(bytes.find("xxxx"), std::string::npos) << w.name;
    EXPECT_LT(bytes.size(), 20000u) << w.name;
  }
}

}  // namespace
}  // namespace scn
