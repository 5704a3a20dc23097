// Fuzz target for the .x loader: any bytes either parse into a file that passes the checks and
// survives the trip through the helper's answer, or are rejected with XFileRejected.
#include <cstddef>
#include <cstdint>
#include <new>
#include <string>

#include "view/rm/x_file.hpp"

namespace {

using ursa::rm::XFileRejected;

// What the program that started the helper reads back must be what the helper had.
void CheckRoundTrip(const ursa::rm::XFile& file) {
  const std::string answer = ursa::rm::SerializeImportAnswer(file);
  const ursa::rm::XFile back = ursa::rm::DeserializeImportAnswer(answer);
  ursa::rm::CheckXFile(back);
  if (ursa::rm::SerializeImportAnswer(back) != answer) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > ursa::rm::kMaxXFileBytes) return -1;  // the game refuses such files unread
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  try {
    CheckRoundTrip(ursa::rm::ImportXFile(bytes));
  } catch (const XFileRejected& rejected) {
    // The message for the box is short and printable whatever the file held.
    const std::string what = rejected.what();
    if (what.size() > 2 * ursa::rm::kMaxLibraryText) __builtin_trap();
    for (const char c : what) {
      if (c < ' ' || c > '~') __builtin_trap();
    }
  } catch (const std::bad_alloc&) {
    // The helper's memory ceiling ends such a file the same way (ASAN_OPTIONS in fuzz.sh).
  }
  return 0;
}
