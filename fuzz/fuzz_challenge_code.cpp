// Any bytes typed or pasted as a challenge code give a challenge or one of the two
// refusals, never a crash; a challenge read from a code gives that challenge back.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "history/challenge_code.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view code(reinterpret_cast<const char*>(data), size);
  Challenge challenge;
  if (ReadChallengeCode(code, challenge) != ChallengeCodeResult::Ok) return 0;
  const std::optional<std::string> again = ChallengeCode(challenge);
  if (!again) std::abort();
  Challenge reread;
  if (ReadChallengeCode(*again, reread) != ChallengeCodeResult::Ok) std::abort();
  if (!(reread == challenge)) std::abort();
  return 0;
}
