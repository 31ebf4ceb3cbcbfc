// A line as a sentence rather than as laid out: the breaks of a wrapped message and the
// spaces that indent its continuation taken out, so that a dictionary tool reading the
// clipboard gets the speaker and the words in one piece.
#pragma once

#include <string>

namespace hazama {

// `shown` with each CR LF (or LF) and the ideographic or plain spaces after it removed;
// where Latin letters meet across the break, one space stays between them.
std::string plain_text(const std::string& shown);

}  // namespace hazama
