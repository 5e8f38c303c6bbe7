#include "match/message_bytes.h"

#include <algorithm>

namespace {

constexpr std::size_t kLengthBytes = 4;

uint32_t BigEndian(std::string_view bytes) {
  uint32_t value = 0;
  for (const char c : bytes) value = value << 8 | static_cast<unsigned char>(c);
  return value;
}

}  // namespace

void ByteWriter::U16(uint16_t value) {
  U8(static_cast<uint8_t>(value >> 8));
  U8(static_cast<uint8_t>(value));
}

void ByteWriter::U32(uint32_t value) {
  U16(static_cast<uint16_t>(value >> 16));
  U16(static_cast<uint16_t>(value));
}

void ByteWriter::Text(std::string_view text) {
  text = text.substr(0, 255);
  U8(static_cast<uint8_t>(text.size()));
  bytes_.append(text);
}

bool ByteReader::Take(std::size_t count) {
  if (failed_ || bytes_.size() - position_ < count) {
    failed_ = true;
    return false;
  }
  return true;
}

uint8_t ByteReader::U8() {
  if (!Take(1)) return 0;
  return static_cast<uint8_t>(bytes_[position_++]);
}

uint16_t ByteReader::U16() {
  if (!Take(2)) return 0;
  position_ += 2;
  return static_cast<uint16_t>(BigEndian(bytes_.substr(position_ - 2, 2)));
}

uint32_t ByteReader::U32() {
  if (!Take(4)) return 0;
  position_ += 4;
  return BigEndian(bytes_.substr(position_ - 4, 4));
}

std::string ByteReader::Text() {
  const std::size_t size = U8();
  if (!Take(size)) return {};
  position_ += size;
  return std::string(bytes_.substr(position_ - size, size));
}

std::vector<std::string> FrameReader::Feed(std::string_view bytes) {
  std::vector<std::string> messages;
  while (!broken_ && !bytes.empty()) {
    // The length first, then as much of the message as it says and no more.
    const std::size_t wanted = pending_.size() < kLengthBytes
                                   ? kLengthBytes
                                   : kLengthBytes + BigEndian(pending_.substr(0, kLengthBytes));
    const std::size_t taken = std::min(wanted - pending_.size(), bytes.size());
    pending_.append(bytes.substr(0, taken));
    bytes.remove_prefix(taken);
    if (pending_.size() < wanted) break;
    if (wanted == kLengthBytes) {
      const uint32_t length = BigEndian(pending_);
      broken_ = length == 0 || length > max_ - kLengthBytes;
      continue;
    }
    messages.push_back(pending_.substr(kLengthBytes));
    pending_.clear();
  }
  if (broken_) pending_.clear();
  return messages;
}

std::string Framed(std::string_view body) {
  ByteWriter writer;
  writer.U32(static_cast<uint32_t>(body.size()));
  std::string framed = writer.Take();
  framed.append(body);
  return framed;
}
