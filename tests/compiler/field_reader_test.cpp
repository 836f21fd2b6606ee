// The field reader: field ends, blanks, line ends, numbers and their ranges,
// the end of the file, and where each field stands.
#include "compiler/field_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace scn {
namespace {

// Runs one read per letter of `reads` (T text, L long, I integer, B byte)
// and returns what each gave: the text in brackets, the number, or "fail"
// for an input failure (after which nothing more is read).
std::vector<std::string> run_reads(std::string_view bytes, std::string_view reads) {
  field_reader in(bytes);
  std::vector<std::string> out;
  try {
    for (const char r : reads) {
      switch (r) {
        case 'T':
          out.push_back("[" + std::string(in.read_text()) + "]");
          break;
        case 'L':
          out.push_back(std::to_string(in.read_long()));
          break;
        case 'I':
          out.push_back(std::to_string(in.read_integer()));
          break;
        default:
          out.push_back(std::to_string(in.read_byte()));
          break;
      }
    }
  } catch (const input_failure&) {
    out.push_back("fail");
  }
  if (in.at_end()) out.push_back("end");
  return out;
}

struct read_case {
  const char* name;
  std::string bytes;
  const char* reads;
  std::vector<std::string> expected;
};

TEST(FieldReader, CutsFieldsAsTheFormatSays) {
  const read_case cases[] = {
      {"padded record", "curvad4,  2150,  100\r\n", "TLL", {"[curvad4]", "2150", "100", "end"}},
      {"text keeps trailing blanks", "sfondo uno  ,1", "TL", {"[sfondo uno  ]", "1", "end"}},
      {"number ends at a blank",
       "orologio,    11              3             0 \r\n",
       "TLLL",
       {"[orologio]", "11", "3", "0", "end"}},
      {"blanks then comma", "0    ,0", "LL", {"0", "0", "end"}},
      {"empty numeric fields", "600,  ,  ,7", "LLLL", {"600", "0", "0", "7", "end"}},
      {"comma before a line end leaves an empty field",
       "a,\r\nb",
       "TTT",
       {"[a]", "[]", "[b]", "end"}},
      {"empty field as a number", "5,\r\n6", "LLL", {"5", "0", "6", "end"}},
      {"number, blanks, line end", "5   \r\n6", "LL", {"5", "6", "end"}},
      {"bare LF", "a\nb\n", "TT", {"[a]", "[b]", "end"}},
      {"lone CR", "a\rb\r", "TT", {"[a]", "[b]", "end"}},
      {"CR CR LF is two line ends", "a\r\r\nb", "TTT", {"[a]", "[]", "[b]", "end"}},
      {"empty line is an empty field", "a\r\n\r\nb", "TTT", {"[a]", "[]", "[b]", "end"}},
      {"tab is an ordinary byte", "\tx,1", "TL", {"[\tx]", "1", "end"}},
      {"tab after a number", "1\t,2", "L", {"fail"}},
      {"text with blanks and parentheses",
       "(Galleria)  (Mt. 250)\r\n",
       "T",
       {"[(Galleria)  (Mt. 250)]", "end"}},
      {"signs", "-22,+5,-0", "LLL", {"-22", "5", "0", "end"}},
      {"sign alone", "-,1", "L", {"fail"}},
      {"not a number", "12a,1", "L", {"fail"}},
      {"word as a number", "abc", "L", {"fail", "end"}},
      {"long limits", "2147483647,-2147483648", "LL", {"2147483647", "-2147483648", "end"}},
      {"long overflow", "2147483648", "L", {"fail", "end"}},
      {"long underflow", "-2147483649", "L", {"fail", "end"}},
      {"huge number", "99999999999999999999999", "L", {"fail", "end"}},
      {"leading zeros", "000000000000000000042", "L", {"42", "end"}},
      {"twelve digits", "000000000042,-000000000042", "LL", {"42", "-42", "end"}},
      {"integer limits", "32767,-32768", "II", {"32767", "-32768", "end"}},
      {"integer overflow", "32768", "I", {"fail", "end"}},
      {"byte limits", "0,255", "BB", {"0", "255", "end"}},
      {"byte overflow", "256", "B", {"fail", "end"}},
      {"negative byte", "-1", "B", {"fail", "end"}},
      {"read at the end fails", "a", "TT", {"[a]", "fail", "end"}},
      {"number read at the end fails", "1,", "LL", {"1", "fail", "end"}},
      {"blanks before the end are an empty field", "a,   ", "TT", {"[a]", "[]", "end"}},
      {"blanks before the end read as 0", "1,  ", "LL", {"1", "0", "end"}},
      {"empty file", "", "T", {"fail", "end"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(run_reads(c.bytes, c.reads), c.expected) << c.name;
  }
}

// Only a text stored in the item table is limited (by the item file's 16-bit
// length); the reader takes a field of any length.
TEST(FieldReader, TextFieldsOfAnyLength) {
  const std::string longer(70000, 'x');
  const std::string bytes = longer + ",5";
  field_reader in(bytes);
  EXPECT_EQ(in.read_text().size(), longer.size());
  EXPECT_EQ(in.read_long(), 5);
  EXPECT_TRUE(in.at_end());
}

TEST(FieldReader, RecordsLineAndColumnOfTheLastField) {
  const std::string bytes = "[generale]\r\nlunghezza percorso,    10x\nnext";
  field_reader in(bytes);
  in.read_text();
  EXPECT_EQ(in.last_location().line, 1);
  EXPECT_EQ(in.last_location().column, 1);
  EXPECT_EQ(in.last_line_text(), "[generale]");
  in.read_text();
  try {
    in.read_long();
    FAIL() << "10x read as a number";
  } catch (const input_failure& e) {
    EXPECT_EQ(e.where().line, 2);
    EXPECT_EQ(e.where().column, 24);
  }
  EXPECT_EQ(in.last_line_text(), "lunghezza percorso,    10x");
  EXPECT_EQ(in.read_text(), "next");
  EXPECT_EQ(in.last_location().line, 3);
}

}  // namespace
}  // namespace scn
