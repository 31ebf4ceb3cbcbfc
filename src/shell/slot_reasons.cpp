// Why a slot cannot be loaded, in the player's words (slot_reasons.h).
#include "shell/slot_reasons.h"

namespace hazama {
namespace {

struct Reason {
    const char* given;  // the reader's words; a reason that starts so is of this kind
    const char* words;  // the key of the player's
};

// The part after a colon (the command itself) is the developers' and is left out.
constexpr Reason kReasons[] = {
    {"not a saved position", to_translate("セーブデータではありません")},
    {"saved by another version of the game", to_translate("別の版のゲームでセーブされています")},
    {"the file is damaged", to_translate("ファイルが壊れています（検査値が合いません）")},
    {"a field is longer than any", to_translate("ゲームが書くより長い項目があります")},
    {"a picture it lists lies outside", to_translate("gra/ の外の絵を指しています")},
    {"its picture is damaged", to_translate("縮小画像が壊れています")},
    {"a command is damaged", to_translate("壊れたコマンドがあります")},
    {"it does not say where play stood", to_translate("どこまで進んだかが書かれていません")},
    {"no such save", to_translate("セーブデータがありません")},
    {"it cannot be read", to_translate("ファイルを読めません")},
    {"a load is not written", to_translate("ロードの書き方が違います")},
    {"a load holds values", to_translate("ロードにありえない値があります")},
    {"a load names music", to_translate("ロードにありえない曲名があります")},
    {"a set sets nothing", to_translate("何も変えない設定があります")},
    {"a set names music", to_translate("設定にありえない曲名があります")},
    {"a set gives ", to_translate("設定にありえない値があります")},
    {"a set names no state", to_translate("設定がゲームにない値を指しています")},
    {"a command holds a control", to_translate("コマンドに制御文字があります")},
    {"a command is empty", to_translate("空のコマンドがあります")},
    {"a command the game does not know", to_translate("ゲームの知らないコマンドがあります")},
    {"it holds more commands", to_translate("どの遊び方よりも多くのコマンドがあります")},
    {"its count of lines goes back", to_translate("行の数が逆戻りしています")},
    {"it does not say a line", to_translate("進んだ行が書かれていません")},
};

}  // namespace

std::string player_reason(std::string_view why, const Translator& words) {
    for (const Reason& reason : kReasons) {
        if (why.starts_with(reason.given)) return words.text(reason.words);
    }
    return std::string(why);
}

}  // namespace hazama
