#pragma once

#include <string>

#include "platform/files.h"

namespace qm {

// The text after the program's own name on a command line, taken unchanged:
// not split, quotes and trailing blanks kept. Empty means no argument.
std::string CommandLineArgument(const std::string& commandLine);

// Tries `dir + name`, then `dir + name + "." + ext`; on success `name`
// becomes the path that exists. Nothing is normalised.
bool ResolveConfigName(Files& files, std::string& name, const std::string& dir, const std::string& ext);

}  // namespace qm
