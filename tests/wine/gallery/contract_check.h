// The toolkit's contract on a real screen: code that sets properties fires
// no events, the user's actions (sent as window messages) fire each once and
// reach the model, and an exception in a handler stops at the window
// procedure.
#pragma once

namespace qm::gallery {

int runContractCheck();

}  // namespace qm::gallery
