// The unit tests' reference matcher, for the pattern fuzz target.
#include <optional>
#include <string_view>

#include "engine/pattern_matcher.h"
#include "matching/pattern_reference.h"

namespace qm::fuzz {

bool ReferenceMatches(std::string_view pattern, std::string_view text) { return reference::Matches(pattern, text); }

std::optional<std::size_t> ReferenceRejectedAt(std::string_view pattern) {
  return reference::RejectedAt(pattern, PatternMatcher::kMaxElementsAfterStar);
}

}  // namespace qm::fuzz
