#pragma once

// The user list file: the player's addition and exclusion lists. A small text file:
//   TOLVANE WORD LIST 1
//   kind <1 or 3>
//   language <0..32767>
//   one word per line, in the order added, as typed
// Lines end with LF; a CR before it is tolerated, and so are empty lines and a missing
// last line break.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view kUserListMagic = "TOLVANE WORD LIST 1";

// Bigger files are refused rather than read: no one types that many words.
inline constexpr std::size_t kMaxUserListBytes = 16 * 1024 * 1024;

struct UserList {
  int16_t Kind = 0;
  int16_t Language = 0;
  std::vector<std::string> Words;
};

// Whether a word can be stored in a user list: not empty, no line break, no NUL.
bool IsStorableWord(std::string_view word);

// Nullopt for anything that is not a well-formed user list.
std::optional<UserList> ParseUserList(std::string_view bytes);

std::string UserListBytes(const UserList& list);
