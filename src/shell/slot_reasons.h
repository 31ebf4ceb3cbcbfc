// Why a slot cannot be loaded, in the player's words: the reasons the slot reader gives
// (in English, for the trace and the developers) put into the language in force.
#pragma once

#include <string>
#include <string_view>

#include "text/catalogue.h"

namespace hazama {

// The reason `why` (as read_slot gives it) in the language of `words`; a reason of no known
// kind is given unchanged.
std::string player_reason(std::string_view why, const Translator& words);

}  // namespace hazama
