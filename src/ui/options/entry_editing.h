// What editing the Options window's lists by hand works with besides the
// window itself. The instance fills it in once everything exists.
#pragma once

namespace qm {

class BatchActions;
class TFirstProgram;
class TFirstSelect;
class Tfirstprocess;
class TProcessEntry;
class TProgramEntry;

struct EntryEditingParts {
  TProgramEntry* programEntry = nullptr;
  TProcessEntry* processEntry = nullptr;
  TFirstSelect* firstSelect = nullptr;
  TFirstProgram* firstProgram = nullptr;
  Tfirstprocess* firstProcess = nullptr;
  // The engine's single-entry commands, Run Now and Terminate Now.
  BatchActions* batch = nullptr;
  // The first-use hint flags of the global settings: true shows the hint
  // at the next Add to that list.
  bool* programHint = nullptr;
  bool* processHint = nullptr;
};

}  // namespace qm
