#include "words/definitions/dictzip_file.h"

#include <zlib.h>

#include <algorithm>
#include <string_view>

namespace {

constexpr std::size_t kMaxFileSize = 1u << 30;
constexpr unsigned char kFlagHeaderCrc = 2, kFlagExtra = 4, kFlagName = 8, kFlagComment = 16;

unsigned Uint16At(std::string_view bytes, std::size_t at) {
  return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

// Where the gzip header's zero-terminated field at `at` ends, or npos.
std::size_t SkipZeroTerminated(std::string_view bytes, std::size_t at) {
  const std::size_t zero = bytes.find('\0', at);
  return zero == std::string_view::npos ? zero : zero + 1;
}

}  // namespace

std::unique_ptr<DictzipFile> DictzipFile::Open(const std::string& path) {
  std::unique_ptr<DictzipFile> dictzip(new DictzipFile);
  dictzip->file_ = MappedFile::Open(path, kMaxFileSize);
  if (!dictzip->file_) return nullptr;
  const std::string_view bytes = dictzip->file_->Bytes();
  if (bytes.size() < 12 || bytes.substr(0, 3) != "\x1f\x8b\x08") return nullptr;
  const auto flags = static_cast<unsigned char>(bytes[3]);
  if ((flags & kFlagExtra) == 0) return nullptr;
  const std::size_t extraSize = Uint16At(bytes, 10);
  if (12 + extraSize > bytes.size()) return nullptr;
  std::string_view extra = bytes.substr(12, extraSize);

  std::string_view table;
  while (extra.size() >= 4) {
    const std::size_t fieldSize = Uint16At(extra, 2);
    if (4 + fieldSize > extra.size()) return nullptr;
    if (extra.substr(0, 2) == "RA") table = extra.substr(4, fieldSize);
    extra.remove_prefix(4 + fieldSize);
  }
  if (table.size() < 6 || Uint16At(table, 0) != 1) return nullptr;
  dictzip->chunkLength_ = Uint16At(table, 2);
  const std::size_t chunks = Uint16At(table, 4);
  if (dictzip->chunkLength_ == 0 || table.size() < 6 + 2 * chunks) return nullptr;

  std::size_t start = 12 + extraSize;
  if ((flags & kFlagName) != 0) start = SkipZeroTerminated(bytes, start);
  if ((flags & kFlagComment) != 0 && start != std::string_view::npos)
    start = SkipZeroTerminated(bytes, start);
  if ((flags & kFlagHeaderCrc) != 0 && start != std::string_view::npos) start += 2;
  if (start == std::string_view::npos || start > bytes.size()) return nullptr;

  uint64_t chunkStart = start;
  dictzip->chunkStarts_.push_back(chunkStart);
  for (std::size_t i = 0; i < chunks; ++i) {
    chunkStart += Uint16At(table, 6 + 2 * i);
    if (chunkStart > bytes.size()) return nullptr;
    dictzip->chunkStarts_.push_back(chunkStart);
  }
  return dictzip;
}

std::optional<std::string> DictzipFile::Inflate(std::size_t chunk) const {
  const std::string_view bytes = file_->Bytes();
  const uint64_t start = chunkStarts_[chunk];
  std::string out(chunkLength_, '\0');
  z_stream stream{};
  if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) return std::nullopt;
  // zlib's interface is not const-correct; it only reads its input.
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data() + start));
  stream.avail_in = static_cast<uInt>(chunkStarts_[chunk + 1] - start);
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  const int result = inflate(&stream, Z_SYNC_FLUSH);
  out.resize(out.size() - stream.avail_out);
  inflateEnd(&stream);
  if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR) return std::nullopt;
  return out;
}

std::optional<std::string> DictzipFile::Read(uint64_t offset, uint64_t length) const {
  const uint64_t textSize = (chunkStarts_.size() - 1) * uint64_t{chunkLength_};
  if (length > kMaxRead || length > textSize || offset > textSize - length) return std::nullopt;
  std::string text;
  for (uint64_t at = offset; at < offset + length;) {
    const std::size_t chunk = at / chunkLength_;
    const auto inflated = Inflate(chunk);
    const uint64_t within = at - uint64_t{chunk} * chunkLength_;
    if (!inflated || within >= inflated->size()) return std::nullopt;
    const uint64_t take = std::min<uint64_t>(inflated->size() - within, offset + length - at);
    text.append(*inflated, within, take);
    at += take;
  }
  return text;
}
