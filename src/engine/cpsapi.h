#pragma once

#include <cstddef>
#include <string>

#include "engine/sorted_rows.h"
#include "platform/processes.h"

namespace qm {

// Bounds of the process listing: ids asked of the NT listing, and the buffer
// a file name is read into (259 characters and the terminator).
inline constexpr std::size_t kMaxListedProcesses = 1024;
inline constexpr std::size_t kFileNameBuffer = 260;

// The process enumerator. It hides the two Windows families: PSAPI.DLL on NT,
// the Toolhelp functions of KERNEL32.DLL on 95/98. On NT both PSAPI.DLL and
// VDMDBG.DLL are loaded for the object's lifetime.
//
// A 32-bit program on 64-bit Windows cannot list the modules of a 64-bit
// process (EnumProcessModules fails with ERROR_PARTIAL_COPY), so the NT
// listing would skip almost every program a user runs today. Where a process
// opened but its file name could not be read that way, the enumerator asks
// KERNEL32.DLL's QueryFullProcessImageNameA (Vista and later) with the same
// handle; Windows 2000 and earlier lack that call and list as before.
class CPSAPI {
 public:
  explicit CPSAPI(Processes& processes);
  virtual ~CPSAPI();
  CPSAPI(const CPSAPI&) = delete;
  CPSAPI& operator=(const CPSAPI&) = delete;

  // Calls OnProcess for each running process that can be read. False when a
  // library or entry point is missing or the list cannot be read.
  bool Enumerate();
  bool IsNT() const { return isNT_; }

 protected:
  // One process; return false to stop the walk.
  virtual bool OnProcess(const std::string& fileName, ProcessId pid);

 private:
  bool EnumerateNt();
  bool EnumerateToolhelp();

  Processes& processes_;
  bool isNT_ = false;
  ModuleHandle psapi_ = 0;
  ModuleHandle vdmdbg_ = 0;
  ModuleHandle imageNameKernel_ = 0;  // KERNEL32.DLL where it has QueryFullProcessImageNameA
};

// The enumerator that turns each process into a row of a list.
class ListBoxPS : public CPSAPI {
 public:
  using CPSAPI::CPSAPI;

  // Appends one process row per process to `target`; Enumerate's result.
  bool FillList(SortedRows& target);

 protected:
  bool OnProcess(const std::string& fileName, ProcessId pid) override;

 private:
  SortedRows* target_ = nullptr;
};

}  // namespace qm
