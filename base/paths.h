#pragma once

#include <string>

// The process's current directory as the game keeps it: never with a trailing separator,
// so that a separator and a file name can always be appended. The root "/" becomes "".
std::string StartDirectoryFrom(const std::string& currentDirectory);

// The folder of the program file, without a trailing separator.
std::string ProgramDirectoryFrom(const std::string& programFilePath);

// folder + separator + name: the one way the game builds a path.
std::string JoinPath(const std::string& folder, const std::string& name);
