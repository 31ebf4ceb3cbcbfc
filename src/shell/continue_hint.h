// The title's hint that a saved game can be continued, shown by both faces while the title's
// buttons are and a save exists: wrapped to two lines in the empty column under the title's
// panel, where the command buttons stand during play (under the notice it would not fit).
#pragma once

#include "shell/stage_layout.h"

namespace hazama {

inline constexpr StageRect kContinueHintPlace{520, 262, 106, 32};
inline constexpr const char* kContinueHint = to_translate("F9・右クリックで続きから");

}  // namespace hazama
