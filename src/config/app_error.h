#pragma once

#include <stdexcept>
#include <string>

namespace qm {

// An error that ends the current command and is shown to the user by the
// application's top-level error report (a message box). Its message is the
// complete text the user sees, e.g. "Unable to write to C:\a.qmf".
class AppError : public std::runtime_error {
 public:
  explicit AppError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace qm
