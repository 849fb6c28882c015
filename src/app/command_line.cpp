#include "app/command_line.h"

namespace qm {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string CommandLineArgument(const std::string& commandLine) {
  std::size_t i = 0;
  const std::size_t n = commandLine.size();
  while (i < n && IsBlank(commandLine[i])) ++i;
  if (i < n && commandLine[i] == '"') {
    ++i;
    while (i < n && commandLine[i] != '"') ++i;
    if (i < n) ++i;  // the closing quote
  } else {
    while (i < n && !IsBlank(commandLine[i])) ++i;
  }
  while (i < n && IsBlank(commandLine[i])) ++i;
  return commandLine.substr(i);
}

bool ResolveConfigName(Files& files, std::string& name, const std::string& dir, const std::string& ext) {
  const std::string bare = dir + name;
  if (files.FileExists(bare)) {
    name = bare;
    return true;
  }
  const std::string withExt = bare + "." + ext;
  if (files.FileExists(withExt)) {
    name = withExt;
    return true;
  }
  return false;
}

}  // namespace qm
