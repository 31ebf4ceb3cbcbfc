// The staff roll text gra/staff.txt: its list of items, and the credits picked from it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace hazama {

// Splits a text into items the way the classic list input reads them: items end at a comma
// or a line end, spaces before an item are skipped, trailing spaces of an unquoted item are
// dropped, and an item in double quotes is taken as written (commas included). A blank line
// is one empty item.
std::vector<std::string> parse_list_items(std::string_view text);

// The largest staff file read: the game's own is a few hundred bytes.
inline constexpr std::size_t kLargestStaffFile = 1 << 20;

// Reads every item of the staff file; FatalError when it is missing, unreadable, not a
// plain file or larger than kLargestStaffFile.
std::vector<std::string> read_staff_items(const std::filesystem::path& file);

// The item after the first item equal to `role`, without its leading spaces (ideographic
// ones included); empty when the role is not in the list or is its last item.
std::string credit_after(const std::vector<std::string>& items, std::string_view role);

}  // namespace hazama
