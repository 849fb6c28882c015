// The preview of the next toggle: which running programs it would end, in
// which mode, and which programs it would start, read from one fresh
// snapshot through the engine's own matching. It ends and starts nothing.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "config/entry_list.h"
#include "engine/toggle_preview.h"
#include "ui/toolkit/toolkit.h"

namespace qm {

// What the window reads of the rest of the program. Unset hooks read as
// the On state, "DblClick = Toggle" and no help.
struct PreviewHooks {
  std::function<bool()> IsOn;
  // The item of the Options window's "Double Click Action".
  std::function<int()> DoubleClickAction;
  std::function<void()> HelpMe;
};

// The rows the window shows. The state and the double-click action matter
// only for the whole toggle; `single` is the view of one entry alone.
std::vector<std::string> TogglePreviewLines(const TogglePreview& preview, const EntryList& programs,
                                            const EntryList& processes, bool on, int doubleClickAction);
std::vector<std::string> EntryPreviewLines(const ProcessEntryPreview& entry);

class TPreviewForm : public ui::Form {
 public:
  static constexpr int kDesignWidth = 640;
  static constexpr int kDesignHeight = 460;

  // The Options window's lists.
  TPreviewForm(const EntryList& programs, const EntryList& processes);

  // The engine comes after the windows; bind it before the first show.
  void Bind(const Previewer& previewer) { previewer_ = &previewer; }
  PreviewHooks hooks;

  // The State menu's command: the next toggle, shown and read afresh.
  void ShowToggle();
  // "Show Matches": one process entry alone, checked or not.
  void ShowMatches(const std::string& stored);
  // The "&Refresh" button: the same view from a new snapshot.
  void Refresh();
  void ResizeIt();

  ui::ListBox ListBox1{*this, "ListBox1"};
  ui::Button Button1{*this, "Button1", "&Refresh"};
  ui::BitBtn BitBtn2{*this, "BitBtn2", ui::BitBtnKind::Help};
  ui::BitBtn BitBtn1{*this, "BitBtn1", ui::BitBtnKind::Cancel, "&Close"};

 private:
  const EntryList& programs_;
  const EntryList& processes_;
  const Previewer* previewer_ = nullptr;
  // The entry "Show Matches" was asked for; none for the whole toggle.
  std::optional<std::string> single_;
};

}  // namespace qm
