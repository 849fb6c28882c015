#pragma once

#include <string>

namespace qm {

// What the engine needs of the windows. The status window, the message
// windows and the Options window implement it; the engine calls it on the
// user-interface thread and blocks that thread between calls.
class EngineUi {
 public:
  virtual ~EngineUi() = default;

  // The status window's one-line text, replaced whole.
  virtual void SetStatusText(const std::string& text) = 0;
  // The status window's bar, 0 to 100.
  virtual void SetProgress(int percent) = 0;
  // Shows the status window without taking the focus from the user's work.
  virtual void ShowStatus() = 0;
  virtual void HideStatus() = 0;
  // A modal error message; returns once the user has closed it.
  virtual void ShowError(const std::string& message) = 0;
  // An entry rewrote itself: the configuration has unsaved changes.
  virtual void MarkConfigChanged() = 0;
  // Copies the Options window's controls into the document, so that a batch
  // works with the pause unit and error setting the user sees.
  virtual void WindowToConfig() = 0;
};

}  // namespace qm
