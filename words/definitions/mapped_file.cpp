#include "words/definitions/mapped_file.h"

#include <sys/mman.h>

#include "base/file_reader.h"

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
  return mapped;
}

MappedFile::~MappedFile() {
  if (mapping_ != nullptr) ::munmap(mapping_, size_);
}
