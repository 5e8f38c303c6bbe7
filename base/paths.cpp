#include "base/paths.h"

static std::string WithoutTrailingSeparators(std::string path) {
  while (!path.empty() && path.back() == '/') path.pop_back();
  return path;
}

std::string StartDirectoryFrom(const std::string& currentDirectory) {
  return WithoutTrailingSeparators(currentDirectory);
}

std::string ProgramDirectoryFrom(const std::string& programFilePath) {
  const auto slash = programFilePath.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return WithoutTrailingSeparators(programFilePath.substr(0, slash));
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  return folder + "/" + name;
}
