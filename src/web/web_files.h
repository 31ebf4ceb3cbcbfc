// The names the web edition hands between the module's folders and the page: the site's URL of
// a game file, and the player's files offered and chosen in the file dialog.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hazama {

// The URL, relative to the page, of `path` below `root` ("/hazama/gra/a b.jpg" →
// "gra/a%20b.jpg"); nothing for a path outside `root`.
std::optional<std::string> site_url(std::string_view root, std::string_view path);

// The names of the plain files in `folder` that end in "." + `extension` (any case), sorted.
std::vector<std::string> files_with_extension(const std::string& folder,
                                              std::string_view extension);
std::string joined_lines(const std::vector<std::string>& lines);

// The file in `folder` that the name typed in the dialog names, with "." + `extension`
// added when it has none; nothing for a name that is empty or would leave the folder.
std::optional<std::string> file_in(const std::string& folder, std::string_view typed,
                                   std::string_view extension);

}  // namespace hazama
