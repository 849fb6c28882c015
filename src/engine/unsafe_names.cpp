#include "engine/unsafe_names.h"

namespace qm {

bool IsUnsafeToTerminate(std::string_view text) {
  for (std::string_view name : UnsafeProcessNames) {
    if (text.find(name) != std::string_view::npos) return true;
  }
  return false;
}

}  // namespace qm
