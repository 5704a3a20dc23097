// Lists of whole numbers, one after another with a comma between, as a command line gives
// them.
#include "text/whole_number.hpp"

namespace ursa::text {

std::optional<std::vector<int>> ParseNumberList(std::string_view text, int low, int high) {
  std::vector<int> values;
  while (true) {
    const std::size_t comma = text.find(',');
    const auto value = ParseWholeNumber<int>(text.substr(0, comma), low, high);
    if (!value) return std::nullopt;
    values.push_back(*value);
    if (comma == std::string_view::npos) return values;
    text.remove_prefix(comma + 1);
  }
}

}  // namespace ursa::text
