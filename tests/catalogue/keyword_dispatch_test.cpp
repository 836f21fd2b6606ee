// The remembered answers of the keyword dispatch are those of the record
// tests, also after older answers have given way to newer ones and when a
// text comes back after it was forgotten.
#include "catalogue/keyword_dispatch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace scn {
namespace {

std::vector<record_kind> kinds_of(std::span<const record_spec* const> records) {
  std::vector<record_kind> kinds;
  for (const record_spec* r : records) kinds.push_back(r->kind);
  return kinds;
}

std::vector<record_kind> tested(reading_part part, std::string_view keyword) {
  std::array<record_kind, record_kind_count> out{};
  const std::size_t n = records_matching(part, keyword, out);
  return std::vector<record_kind>(out.begin(), out.begin() + n);
}

TEST(KeywordDispatch, AgreesWithTheTestsAcrossForgottenTexts) {
  const struct {
    reading_part part;
    std::vector<std::string> keywords;
  } cases[] = {
      {reading_part::line_body,
       {"pendenza", "curvad1", "curvas2", "sfondo", "indicatori_vmax", "cartello",
        "cartello indicatori_vmax", "PENDENZA", "pendenz", "curva destra 4", "", " pendenza",
        "pendenza ", "curvad1"}},
      {reading_part::train,
       {"stazione", "segnale", "stazione segnale", "velocita", "VELOCITA", "aderenza",
        "rallentamento", "[stazioni]", "sabbia", "stazione", "pendneza", "segnale"}},
      {reading_part::line_general,
       {"lunghezza percorso", "progressiva chilometrica uno", "progressiva tre due",
        "Progressiva tre", "sfondo uno", "SFONDO UNO", "ripetizione segnali 9 codici",
        "ripetizione segnali 4 codici", "lunghezza percorso"}},
  };
  for (const auto& c : cases) {
    keyword_dispatch dispatch(c.part);
    // Twice over, so that every text is asked for again after at least as
    // many others as the dispatch remembers.
    for (int round = 0; round < 2; ++round) {
      for (const auto& keyword : c.keywords) {
        SCOPED_TRACE(keyword);
        EXPECT_EQ(kinds_of(dispatch.matching(keyword)), tested(c.part, keyword));
      }
    }
  }
}

// The same text asked for straight away again gets the same answer, and a
// text that only shares a prefix with a remembered one gets its own.
TEST(KeywordDispatch, ComparesWholeTexts) {
  keyword_dispatch dispatch(reading_part::line_body);
  EXPECT_EQ(kinds_of(dispatch.matching("pendenza")), std::vector{record_kind::gradient});
  EXPECT_EQ(kinds_of(dispatch.matching("pendenza")), std::vector{record_kind::gradient});
  EXPECT_TRUE(dispatch.matching("penden").empty());
  EXPECT_EQ(kinds_of(dispatch.matching("pendenzaX")), std::vector{record_kind::gradient});
}

}  // namespace
}  // namespace scn
