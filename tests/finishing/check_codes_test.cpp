// Check codes over the scenario identity, and the stamping of markers and
// codes with its two fatal errors, alone and inside the finishing steps.
#include "finishing/check_codes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/cell_kind.h"
#include "pipeline/pipeline.h"

namespace scn {
namespace {

scenario with_identity(const std::string& train, const std::string& line) {
  scenario s;
  s.items[train_row].text = train;
  s.items[line_row].text = line;
  return s;
}

TEST(CheckCodes, SumsOverTheFirst25Characters) {
  struct {
    const char* name;
    std::string train, line;
    std::int16_t plain;
    std::int32_t weighted;
  } cases[] = {
      {"CarriedIdentity", "51827", "BORGOLAGO-CIMAPASSO", 2321, 32743},
      {"CarriedIdentityInSmallLetters", "51827", "borgolago-cimapasso", 2321, 32743},
      {"EmptyIdentityIsAllTail", "", "", 2583, 34355},
      {"Exactly25CharactersUseNoTail", "", std::string(25, 'z'), 25 * 122, 122 * 325},
      {"LongerIdentityIsCut", "zzzzz", std::string(30, 'Z'), 25 * 122, 122 * 325},
      // One character, then the tail's first 24: those sum to 2472 and weigh
      // 34052 at places 2 to 25.
      {"OnlyAToZAreLowered", "[", "", 91 + 2472, 91 + 34052},
      {"BytesAboveAsciiCountUnsigned", "\xC0", "", 192 + 2472, 192 + 34052},
  };
  for (auto& t : cases) {
    SCOPED_TRACE(t.name);
    scenario s = with_identity(t.train, t.line);
    EXPECT_EQ(codice_gara_og(s), t.plain);
    EXPECT_EQ(codice_gara_st(s), t.weighted);
  }
}

TEST(CheckCodes, CapitalsGiveTheSameCodesAsSmallLetters) {
  scenario upper = with_identity("TRENO", "ALPE-VALLE ZETA");
  scenario lower = with_identity("treno", "alpe-valle zeta");
  EXPECT_EQ(codice_gara_og(upper), codice_gara_og(lower));
  EXPECT_EQ(codice_gara_st(upper), codice_gara_st(lower));
}

TEST(CheckCodes, CheckStringIsLeftInKeyword) {
  scenario s = with_identity("51827", "BORGOLAGO-CIMAPASSO");
  codice_gara_st(s);
  EXPECT_EQ(s.keyword, "51827borgolago-cimapassoaabbccddeeffgghhiillmmnnoo");
  EXPECT_EQ(s.keyword.substr(0, check_length), "51827borgolago-cimapassoa");
}

// A model of a short line whose identity rows are filled in, as compilation leaves it.
scenario compiled_model() {
  scenario s = with_identity("51827", "BORGOLAGO-CIMAPASSO");
  dimension(s, 100);
  return s;
}

TEST(Stamping, MarkersAndCodesGoIntoTheLineRowAndCell1) {
  scenario s = compiled_model();
  std::vector<std::string> errors;
  EXPECT_TRUE(stamp_check_codes(s, [&](const std::string& a) { errors.push_back(a); }));
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(s.items[line_row].word_a, 610);
  EXPECT_EQ(s.items[line_row].number, 32743);
  EXPECT_EQ(s.track_cells[1].value1, 5121);
  EXPECT_EQ(s.track_cells[1].value2, 2321);
}

struct taken_slot_case {
  const char* name;
  void (*take)(scenario&);
  const char* error;
  bool markers_stamped;
};

const taken_slot_case taken_slot_cases[] = {
    {"ObjectOnCell1", [](scenario& s) { s.track_cells[1].value1 = 3; }, "1250", false},
    {"LineRowMarkerSet", [](scenario& s) { s.items[line_row].word_a = 1; }, "1250", false},
    {"Cell1Value2Set", [](scenario& s) { s.track_cells[1].value2 = 9; }, "1251", true},
    {"LineRowCodeSet", [](scenario& s) { s.items[line_row].number = -4; }, "1251", true},
};

TEST(Stamping, TakenSlotIsReportedAndStopsTheStamping) {
  for (const auto& t : taken_slot_cases) {
    SCOPED_TRACE(t.name);
    scenario s = compiled_model();
    t.take(s);
    const auto code_before = s.items[line_row].number;
    std::vector<std::string> errors;
    EXPECT_FALSE(stamp_check_codes(s, [&](const std::string& a) { errors.push_back(a); }));
    EXPECT_EQ(errors, std::vector<std::string>{t.error});
    EXPECT_EQ(s.items[line_row].word_a == 610, t.markers_stamped);
    EXPECT_EQ(s.items[line_row].number, code_before);
    EXPECT_NE(s.track_cells[1].value2, 2321);
  }
}

// The finishing steps with the fatal report and the file writer recorded.
struct recording_io {
  std::vector<std::string> errors;
  std::vector<std::string> written;
  std::string cell_bytes;
  finishing_io io;

  recording_io() {
    io.plan_file = "plan";
    io.item_file = "items";
    io.cell_file = "cells";
    io.errore = [this](const std::string& a) { errors.push_back(a); };
    io.write_file = [this](const std::string& name, const byte_pieces& pieces) {
      written.push_back(name);
      if (name == "cells") cell_bytes = gather_pieces(pieces);
    };
  }
};

TEST(FinishModel, TakenSlotWritesNoFile) {
  for (const auto& t : taken_slot_cases) {
    SCOPED_TRACE(t.name);
    scenario s = compiled_model();
    t.take(s);
    recording_io rec;
    finish_model(s, rec.io);
    EXPECT_EQ(rec.errors, std::vector<std::string>{t.error});
    EXPECT_TRUE(rec.written.empty());
  }
}

TEST(FinishModel, MarkerPassRunsBeforeTheStamping) {
  // The first mark ahead of a slowdown starting at cell 8 can only go on cell 1.
  scenario s = compiled_model();
  s.track_cells[8].kind = code(cell_kind::slowdown_start);
  s.track_cells[8].value1 = 120;
  s.track_cells[9].kind = code(cell_kind::slowdown_end);
  s.track_cells[3].kind = code(cell_kind::text_board);
  s.track_cells[2].kind = code(cell_kind::text_board);
  recording_io rec;
  finish_model(s, rec.io);
  EXPECT_EQ(s.track_cells[1].kind, code(cell_kind::reduction_mark));
  EXPECT_EQ(rec.errors, std::vector<std::string>{"1250"});
  EXPECT_TRUE(rec.written.empty());
}

TEST(FinishModel, CleanModelIsStampedThenWritten) {
  scenario s = compiled_model();
  s.output_switch = 1;
  dimension(s, 100);  // again, now with a plan
  recording_io rec;
  finish_model(s, rec.io);
  EXPECT_TRUE(rec.errors.empty());
  EXPECT_EQ(rec.written, (std::vector<std::string>{"plan", "items", "cells"}));
  ASSERT_EQ(rec.cell_bytes.size(), 143u * 15u);
  EXPECT_EQ(rec.cell_bytes.substr(16, 4), std::string("\x01\x14\x11\x09", 4));  // 5121, 2321
}

}  // namespace
}  // namespace scn
