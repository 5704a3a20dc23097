// Assimp's words about a file it rejected, cut to what a message box can show. Its number
// reader quotes the whole rest of the file; the quote is cut short and placed by line.
#include <cstddef>
#include <string>

#include "view/rm/x_file.hpp"

namespace ursa::rm {
namespace {

constexpr std::size_t kQuoteShown = 40;

// Assimp prints each byte that is not printable ASCII as '?'.
char Printable(char c) { return (c >= ' ' && c <= '~') ? c : '?'; }

std::string PrintableText(const std::string& text) {
  std::string out;
  for (const char c : text) out += Printable(c);
  return out;
}

// Whether the file holds the quote at offset, ending where Assimp's copy of the text ended:
// at the file's end or at a zero byte.
bool QuotedAt(const std::string& bytes, const std::string& quote, std::size_t offset) {
  const std::size_t end = offset + quote.size();
  if (end > bytes.size() || (end < bytes.size() && bytes[end] != '\0')) return false;
  for (std::size_t i = 0; i < quote.size(); ++i) {
    if (Printable(bytes[offset + i]) != quote[i]) return false;
  }
  return true;
}

// "line L, column C" of the quote in the file, or "" when it is not found there.
std::string PlaceOf(const std::string& bytes, const std::string& quote) {
  if (quote.size() > bytes.size()) return "";
  std::size_t offset = bytes.size() - quote.size();
  if (!QuotedAt(bytes, quote, offset)) {
    offset = std::string::npos;
    for (std::size_t zero = bytes.find('\0');
         zero != std::string::npos && offset == std::string::npos;
         zero = bytes.find('\0', zero + 1)) {
      if (zero >= quote.size() && QuotedAt(bytes, quote, zero - quote.size())) {
        offset = zero - quote.size();
      }
    }
    if (offset == std::string::npos) return "";
  }
  std::size_t line = 1;
  std::size_t lineStart = 0;
  for (std::size_t i = 0; i < offset; ++i) {
    if (bytes[i] == '\n') {
      ++line;
      lineStart = i + 1;
    }
  }
  return "line " + std::to_string(line) + ", column " + std::to_string(offset - lineStart + 1);
}

// The start of a quote, its line breaks and indents (printed as '?' and spaces) made one space.
std::string Snippet(const std::string& quote) {
  std::string out;
  for (std::size_t i = 0; i < quote.size() && out.size() < kQuoteShown; ++i) {
    const bool gap = quote[i] == ' ' || quote[i] == '?';
    if (gap && !out.empty() && out.back() == ' ') continue;
    out += gap ? ' ' : quote[i];
  }
  return out + "...";
}

}  // namespace

std::string ShortLibraryText(const std::string& text, const std::string& bytes) {
  std::string out = PrintableText(text);
  const std::size_t open = out.find('"');
  const std::size_t close = out.rfind('"');
  if (open != std::string::npos && close > open + 1 + kQuoteShown) {
    const std::string quote = out.substr(open + 1, close - open - 1);
    const std::string place = PlaceOf(bytes, quote);
    out = out.substr(0, open + 1) + Snippet(quote) + out.substr(close);
    if (!place.empty()) out = place + ": " + out;
  }
  if (out.size() > kMaxLibraryText) out = out.substr(0, kMaxLibraryText - 3) + "...";
  return out;
}

}  // namespace ursa::rm
