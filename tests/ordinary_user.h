#pragma once

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>

// File permissions mean nothing to root, and the tests often run as root (CI does). The
// permission cases therefore run in a child process that, when started by root, drops
// to an unprivileged user first. `folder` is handed over to that user.
//
// The body reports a failure by returning its description; an empty text is a pass.
inline constexpr uid_t kOrdinaryUser = 65534;  // nobody
inline constexpr gid_t kOrdinaryGroup = 65534;

inline bool RunningAsRoot() { return ::geteuid() == 0; }

inline std::string AsOrdinaryUser(const std::string& folder,
                                  const std::function<std::string()>& body) {
  if (RunningAsRoot() && ::chown(folder.c_str(), kOrdinaryUser, kOrdinaryGroup) != 0)
    return "cannot hand the folder over";
  int channel[2];
  if (::pipe(channel) != 0) return "no pipe";
  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child < 0) return "no fork";
  if (child == 0) {
    ::close(channel[0]);
    std::string failure;
    if (RunningAsRoot() && (::setgroups(0, nullptr) != 0 || ::setgid(kOrdinaryGroup) != 0 ||
                            ::setuid(kOrdinaryUser) != 0)) {
      failure = "cannot drop to an ordinary user";
    } else {
      failure = body();
    }
    if (!failure.empty()) (void)!::write(channel[1], failure.data(), failure.size());
    ::_exit(0);
  }
  ::close(channel[1]);
  std::string failure;
  char chunk[256];
  ssize_t got;
  while ((got = ::read(channel[0], chunk, sizeof chunk)) > 0) failure.append(chunk, got);
  ::close(channel[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status)) return failure + " (the child process died)";
  return failure;
}

// Adds `what` to `failures` unless `ok`; for checks inside a child's body.
inline void Check(std::string& failures, bool ok, const std::string& what) {
  if (!ok) failures += what + "\n";
}
