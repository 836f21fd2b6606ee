// Names Windows takes for devices, in any case and before any extension.
#include <gtest/gtest.h>

#include "tool/cli/output_safety.h"

namespace scn::tool {
namespace {

TEST(DeviceNames, ReservedStemsAreRefusedWhateverFollowsTheirFirstDot) {
  for (const char* name : {"CON", "con", "Prn", "AUX", "nul", "NUL.txt", "COM1", "com9.x", "LPT1",
                           "lpt9.tar.gz", "CON .x", "aux "}) {
    EXPECT_TRUE(device_name_reason(name).has_value()) << name;
  }
}

TEST(DeviceNames, NamesThatOnlyResembleThemAreKept) {
  for (const char* name : {"CONSOLE", "COM0", "COM10", "LPT", "xNUL", "nul_linea", "A.CON", "CO",
                           "BORGOLAGO-CIMAPASSO", "51827", ".con"}) {
    EXPECT_FALSE(device_name_reason(name).has_value()) << name;
  }
}

}  // namespace
}  // namespace scn::tool
