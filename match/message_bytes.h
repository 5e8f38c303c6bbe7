#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The bytes of a match message: integers big-endian, a text as one length byte and its
// bytes (Latin-1, at most 255), a list as a two-byte count and its items.

class ByteWriter {
 public:
  void U8(uint8_t value) { bytes_.push_back(static_cast<char>(value)); }
  void U16(uint16_t value);
  void U32(uint32_t value);
  // Cut to 255 bytes; every text the protocol carries is shorter by its own rule.
  void Text(std::string_view text);
  std::string Take() { return std::move(bytes_); }

 private:
  std::string bytes_;
};

// Reads fields off a message. A read past the end leaves the reader failed and gives 0 or
// an empty text, so a message reader checks Ok() once, at its end.
class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}
  uint8_t U8();
  uint16_t U16();
  uint32_t U32();
  std::string Text();
  // The reader is failed from here on: a field held a value its message does not allow.
  void Fail() { failed_ = true; }
  // Every read stayed inside the message, no field was refused and nothing is left over.
  bool Done() const { return !failed_ && position_ == bytes_.size(); }
  bool Failed() const { return failed_; }

 private:
  bool Take(std::size_t count);

  std::string_view bytes_;
  std::size_t position_ = 0;
  bool failed_ = false;
};

// Cuts a stream of bytes into messages. On the wire each message is its length (four
// bytes, counting what follows) and then its bytes; a length of 0 or one that would make
// the message longer than `maxMessageBytes` breaks the stream. At most one unfinished
// message is held, so a peer can never make the reader hold more than that.
class FrameReader {
 public:
  explicit FrameReader(std::size_t maxMessageBytes) : max_(maxMessageBytes) {}
  // Every message completed by `bytes`, in order; nothing more once the stream broke.
  std::vector<std::string> Feed(std::string_view bytes);
  bool Broken() const { return broken_; }
  // Part of a message came and the rest has not.
  bool Partial() const { return !pending_.empty(); }

 private:
  std::size_t max_;
  std::string pending_;
  bool broken_ = false;
};

// `body` framed for the wire: its length, then itself.
std::string Framed(std::string_view body);
