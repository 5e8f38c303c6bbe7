#include "words/definitions/mapped_file.h"

#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <cstdint>

#include "base/file_reader.h"

namespace {

// The mappings watched: every dictionary file of a few windows open at once. A file beyond
// these is not mapped.
struct GuardedRange {
  std::atomic<std::uintptr_t> Begin = 0;
  std::atomic<std::uintptr_t> End = 0;
  std::atomic<std::atomic<bool>*> Cut = nullptr;
};
std::array<GuardedRange, 256> guarded;
struct sigaction previous {};
std::uintptr_t pageSize = 4096;

// A bus error inside a guarded mapping is a page the file lost: that page is replaced by
// zeros, so the read that met it goes on, and the file is marked cut. Any other bus error
// goes to whoever handled them before, or ends the game as it always would.
void OnBusError(int signal, siginfo_t* info, void* context) {
  const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
  for (GuardedRange& range : guarded) {
    if (address < range.Begin.load() || address >= range.End.load()) continue;
    void* page = reinterpret_cast<void*>(address & ~(pageSize - 1));
    if (::mmap(page, pageSize, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) ==
        MAP_FAILED)
      break;
    if (std::atomic<bool>* cut = range.Cut.load()) cut->store(true);
    return;
  }
  if ((previous.sa_flags & SA_SIGINFO) != 0 && previous.sa_sigaction != nullptr) {
    previous.sa_sigaction(signal, info, context);
  } else if (previous.sa_handler != SIG_DFL && previous.sa_handler != SIG_IGN) {
    previous.sa_handler(signal);
  } else {
    ::signal(SIGBUS, SIG_DFL);
    if (info->si_code <= 0) ::raise(SIGBUS);  // sent, not met: a return would not repeat it
  }
}

bool InstallGuard() {
  static const bool installed = [] {
    pageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    struct sigaction action {};
    action.sa_sigaction = OnBusError;
    action.sa_flags = SA_SIGINFO | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    return ::sigaction(SIGBUS, &action, &previous) == 0;
  }();
  return installed;
}

int Watch(const void* begin, std::size_t size, std::atomic<bool>* cut) {
  if (!InstallGuard()) return -1;
  for (std::size_t slot = 0; slot < guarded.size(); ++slot) {
    GuardedRange& range = guarded[slot];
    if (range.End.load() != 0) continue;
    range.Cut.store(cut);
    range.Begin.store(reinterpret_cast<std::uintptr_t>(begin));
    range.End.store(reinterpret_cast<std::uintptr_t>(begin) + size);
    return static_cast<int>(slot);
  }
  return -1;
}

void Unwatch(int slot) {
  if (slot < 0) return;
  GuardedRange& range = guarded[static_cast<std::size_t>(slot)];
  range.End.store(0);
  range.Begin.store(0);
  range.Cut.store(nullptr);
}

}  // namespace

std::unique_ptr<MappedFile> MappedFile::Open(const std::string& path, std::size_t maxSize) {
  const ReadableFile file(path);
  if (!file.IsOpen() || file.Size() > maxSize) return nullptr;
  std::unique_ptr<MappedFile> mapped(new MappedFile);
  if (file.Size() == 0) return mapped;
  void* mapping = ::mmap(nullptr, file.Size(), PROT_READ, MAP_PRIVATE, file.Descriptor(), 0);
  if (mapping == MAP_FAILED) return nullptr;
  mapped->mapping_ = mapping;
  mapped->data_ = static_cast<const char*>(mapping);
  mapped->size_ = file.Size();
  mapped->guard_ = Watch(mapping, file.Size(), &mapped->cut_);
  if (mapped->guard_ < 0) return nullptr;
  return mapped;
}

MappedFile::~MappedFile() {
  Unwatch(guard_);
  if (mapping_ != nullptr) ::munmap(mapping_, size_);
}
