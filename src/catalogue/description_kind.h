// The two description files a scenario is compiled from.
#pragma once

namespace scn {

enum class description { line, train };

}  // namespace scn
