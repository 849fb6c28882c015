#include "ui/options/preview_form.h"

#include <initializer_list>
#include <stdexcept>

#include "engine/batch_actions.h"
#include "engine/process_row.h"

namespace qm {

namespace {

using Lines = std::vector<std::string>;

// Rows under an entry start in the column after its mode word.
const std::string kUnder = "            ";

const char* ModeWord(TerminationMode mode) {
  switch (mode) {
    case TerminationMode::Harsh:
      return "harsh";
    case TerminationMode::Polite:
      return "polite";
    case TerminationMode::Learn:
      return "learning";
    case TerminationMode::Normal:
      break;
  }
  return "normal";
}

std::string Padded(std::string text, std::size_t width) {
  if (text.size() < width) text.resize(width, ' ');
  return text;
}

// "    spared      4242  C:\...\Quellmarch.exe": the mark, the pid, and the
// program's path or the window's title.
std::string MatchLine(const MatchedRow& match) {
  const char* mark = match.ownProcess ? "spared" : match.unsafe ? "unsafe" : "";
  std::string pid = PidText(match.pid);
  if (pid.size() < 8) pid.insert(0, 8 - pid.size(), ' ');
  const std::string what = IsRawWindowRow(match.row) ? "window \"" + match.candidate + "\"" : match.candidate;
  return "    " + Padded(mark, 6) + pid + "  " + what;
}

void AddProcessEntry(Lines& lines, const ProcessEntryPreview& entry) {
  const EntryMatches& found = entry.found;
  lines.push_back("  " + Padded(found.screenSaver ? "-" : ModeWord(found.mode), 10) + entry.stored);
  if (!entry.reached) {
    lines.push_back(kUnder + "(not reached)");
  } else if (found.screenSaver) {
    lines.push_back(kUnder + "turns the screen saver off; ends nothing");
  } else if (!found.error.empty()) {
    lines.push_back(kUnder + found.error);
    lines.push_back(kUnder + "a toggle stops here: the entries below are not reached");
  } else if (found.matches.empty()) {
    lines.push_back(kUnder + "(nothing running matches)");
  } else {
    for (const MatchedRow& match : found.matches) lines.push_back(MatchLine(match));
  }
}

void AddProgramEntry(Lines& lines, const ProgramEntryPreview& entry) {
  const LaunchMatches& found = entry.found;
  lines.push_back("  " + entry.stored);
  if (!entry.reached) {
    lines.push_back(kUnder + "(not reached)");
  } else if (!found.error.empty()) {
    lines.push_back(kUnder + found.error);
    lines.push_back(kUnder + "a toggle stops here: the entries below are not reached");
  } else if (!found.running.empty()) {
    lines.push_back(kUnder + "(skipped: " + found.running.front().candidate + " is running)");
  } else if (found.screenSaver) {
    lines.push_back(kUnder + "turns the screen saver on");
  }
}

const char* ActionName(int action) {
  switch (action) {
    case 0:
      return "DblClick = Toggle";
    case 1:
      return "DblClick = Browse";
    default:
      return "DblClick = Options";
  }
}

// What a double-click does next, the way the tray decides it. The rows are
// kept short enough to read without scrolling at the window's design size.
std::string DoubleClickLine(const EntryList& programs, const EntryList& processes, bool on, int action) {
  const std::string start = std::string("Double-click (") + ActionName(action) + "): ";
  if (action == 1) return start + "opens BrowseKill, switches nothing.";
  if (action != 0) return start + "opens the Options window, switches nothing.";
  if (CountChecked(programs) == 0 && CountChecked(processes) == 0) {
    return start + "opens the Options window: no entry is checked.";
  }
  if (on) {
    if (processes.Count() == 0) return start + "nothing: there are no processes listed.";
    return start + "switches Off, ends the processes above.";
  }
  if (programs.Count() == 0) return start + "nothing: there are no programs listed.";
  return start + "switches On, starts the programs above.";
}

void AddLegend(Lines& lines) {
  lines.push_back("");
  lines.push_back("spared: this program's own process, never ended.");
  lines.push_back("unsafe: starred in the process picker, but ended all the same.");
}

}  // namespace

Lines TogglePreviewLines(const TogglePreview& preview, const EntryList& programs, const EntryList& processes, bool on,
                         int doubleClickAction) {
  Lines lines{"Terminate (switching Off):"};
  for (const ProcessEntryPreview& entry : preview.terminate) AddProcessEntry(lines, entry);
  if (preview.terminate.empty()) lines.push_back("  (no process entry is checked)");
  lines.push_back("");
  lines.push_back("Run (switching On):");
  for (const ProgramEntryPreview& entry : preview.run) AddProgramEntry(lines, entry);
  if (preview.run.empty()) lines.push_back("  (no program entry is checked)");
  lines.push_back("");
  lines.push_back(std::string("State now: ") + (on ? "On" : "Off") + ".");
  lines.push_back(DoubleClickLine(programs, processes, on, doubleClickAction));
  AddLegend(lines);
  return lines;
}

Lines EntryPreviewLines(const ProcessEntryPreview& entry) {
  Lines lines{"Matches of this process entry now, checked or not:"};
  AddProcessEntry(lines, entry);
  AddLegend(lines);
  return lines;
}

TPreviewForm::TPreviewForm(const EntryList& programs, const EntryList& processes)
    : Form("PreviewForm"), programs_(programs), processes_(processes) {
  setCaption("Quellmarch - Preview");
  setBorderIcons({true, false, true});
  setPosition(ui::FormPosition::ScreenCenter);
  setMinimumSize(420, 220);
  setSize(kDesignWidth, kDesignHeight);
  ListBox1.setFont(ui::Font::fixed());
  ListBox1.setItemHeight(15);
  ListBox1.setBounds(8, 8, 616, 372);
  Button1.setBounds(8, 387, 75, 25);
  BitBtn2.setBounds(462, 387, 75, 25);
  BitBtn1.setBounds(542, 387, 75, 25);
  // Never shown modally: "&Close" (and Escape) only hides it.
  BitBtn1.setModalResult(ui::ModalResult::None);

  Button1.onClick = [this] { Refresh(); };
  BitBtn1.onClick = [this] { hide(); };
  BitBtn2.onClick = [this] {
    if (hooks.HelpMe) hooks.HelpMe();
  };
  onResize = [this] { ResizeIt(); };
  onClose = [this](ui::CloseAction& action) {
    action = ui::CloseAction::None;
    hide();
  };
}

void TPreviewForm::ShowToggle() {
  single_.reset();
  show();
  Refresh();
}

void TPreviewForm::ShowMatches(const std::string& stored) {
  single_ = stored;
  show();
  Refresh();
}

void TPreviewForm::Refresh() {
  if (previewer_ == nullptr) throw std::logic_error("the preview is shown before the engine was bound");
  if (single_) {
    ListBox1.setItems(EntryPreviewLines(previewer_->ProcessEntry(*single_)));
    return;
  }
  const bool on = !hooks.IsOn || hooks.IsOn();
  const int action = hooks.DoubleClickAction ? hooks.DoubleClickAction() : 0;
  ListBox1.setItems(TogglePreviewLines(previewer_->Toggle(programs_, processes_), programs_, processes_, on, action));
}

// Controls keep fixed offsets from the window's outer width and height.
void TPreviewForm::ResizeIt() {
  const int w = width();
  const int h = height();
  ListBox1.setWidth(w - 24);
  ListBox1.setHeight(h - 88);
  Button1.setTop(h - 73);
  BitBtn2.setBounds(w - 178, h - 73, BitBtn2.width(), BitBtn2.height());
  BitBtn1.setBounds(w - 98, h - 73, BitBtn1.width(), BitBtn1.height());
}

}  // namespace qm
