// The finishing procedure runs the compiler before it writes the files.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "compiler/compile_fixture.h"
#include "pipeline/pipeline.h"

namespace scn {
namespace {

TEST(MemorizzaPercorso, CompilesTheDescriptionsAndWritesTheLine) {
  memory_description_files files(testing::line_text({"pendenza, 850, 4"}), testing::empty_train);
  std::map<std::string, std::string> written;
  finishing_io io;
  io.sources = &files;
  io.plan_file = "plan";
  io.item_file = "items";
  io.cell_file = "cells";
  io.errore = [](const std::string&) {};
  io.write_file = [&written](const std::string& name, const byte_pieces& pieces) {
    written[name] = gather_pieces(pieces);
  };
  scenario s;
  s.line_name = "BORGOLAGO-CIMAPASSO";
  s.train_number = "51827";
  s.status_code = 9;
  std::int32_t j = 1;
  memorizza_percorso(s, j, io);
  EXPECT_EQ(s.status_code, 0);
  EXPECT_FALSE(files.exists(description::line));
  EXPECT_EQ(written["plan"].size(), 2139964u);
  EXPECT_EQ(written["cells"].size(), 15u * 2141u);
  EXPECT_EQ(static_cast<unsigned char>(written["cells"][15 * 17 + 13]),
            104u);  // gradient of cell 17
}

}  // namespace
}  // namespace scn
