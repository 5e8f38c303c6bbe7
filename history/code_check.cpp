#include "history/code_check.h"

namespace {

constexpr int kModulus = 36;
constexpr const char* kSymbols = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// What a code may be wrapped in or broken by when read aloud, pasted from a mail or a
// chat: blanks, tabs, line breaks and the dashes of the code.
bool IsSeparator(char c) {
  return c == '-' || c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

int CodeSymbolValue(char symbol) {
  if (symbol >= '0' && symbol <= '9') return symbol - '0';
  if (symbol >= 'A' && symbol <= 'Z') return symbol - 'A' + 10;
  return -1;
}

char CodeSymbol(int value) { return kSymbols[value]; }

char CheckCharacter(std::string_view symbols) {
  int p = kModulus;
  for (const char c : symbols) {
    int s = (p + CodeSymbolValue(c)) % kModulus;
    if (s == 0) s = kModulus;
    p = (2 * s) % (kModulus + 1);
  }
  return kSymbols[(kModulus + 1 - p) % kModulus];
}

std::optional<std::string> CodeSymbols(std::string_view code, std::size_t longest) {
  std::string out;
  for (char c : code) {
    if (IsSeparator(c)) continue;
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (CodeSymbolValue(c) < 0 || out.size() == longest) return std::nullopt;
    out += c;
  }
  return out;
}
