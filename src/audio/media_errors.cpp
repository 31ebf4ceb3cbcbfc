// Error texts of the media command device.
#include "audio/media_errors.h"

namespace hazama::media_error {

bool text_of(std::uint32_t code, std::string& text) {
    switch (code) {
        case kUnknownCommand:
            text = "指定されたコマンドは認識できません。";
            return true;
        case kNotOpen:
            text = "指定されたデバイスは開かれていません。";
            return true;
        case kFileNotFound:
            text = "指定されたファイルが見つかりません。";
            return true;
        case kBadFile:
            text = "ファイルを MIDI として読み込めません。";
            return true;
        case kAliasInUse:
            text = "指定された別名は既に使われています。";
            return true;
        case kNoSynthesizer:
            text = "シンセサイザを準備できません。";
            return true;
        default:
            return false;
    }
}

}  // namespace hazama::media_error
