// The program's version as the About box shows it. The version resources in
// res/quellmarch.rc and res/quellmarch.manifest, and the project version in
// CMakeLists.txt, say the same.
#pragma once

namespace qm {

inline constexpr char kVersionString[] = "1.0.6";

}  // namespace qm
