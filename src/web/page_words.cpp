// The page's own words (page_words.h).
#include "web/page_words.h"

#include "text/catalogue.h"
#include "web/json_text.h"

namespace hazama {
namespace {

struct PageWord {
    const char* name;      // as the page's elements name it (data-word and the like)
    const char* japanese;  // the catalogue's key: the desktop's caption where it has one
};

// The bar does what the menu and the keys do, so it says what the menu says; "%1" stands for
// a file's name.
constexpr PageWord kPageWords[] = {
    {"title", to_translate("ハザマ")},
    {"bar", to_translate("クイックメニュー")},
    {"bar-history", to_translate("履歴(&H)\tPgUp")},
    {"bar-auto", to_translate("オート")},
    {"bar-skip", to_translate("スキップ")},
    {"bar-save", to_translate("セーブ(&E)…\tF6")},
    {"bar-load", to_translate("ロード(&O)…\tF7")},
    {"bar-qsave", to_translate("クイックセーブ")},
    {"bar-qload", to_translate("クイックロード")},
    {"bar-settings", to_translate("設定")},
    {"menu", to_translate("メニュー")},
    {"close", to_translate("閉じる")},
    {"move", to_translate("移動")},
    {"where", to_translate("何処へ移動しますか？")},
    {"stay", to_translate("移動をやめる")},
    {"file", to_translate("ファイル")},
    {"file-name", to_translate("ファイル名:")},
    {"download", to_translate("ダウンロード")},
    {"upload", to_translate("ファイルから読み込む…")},
    {"save", to_translate("保存")},
    {"open", to_translate("開く")},
    {"cancel", to_translate("キャンセル")},
    {"yes", to_translate("はい")},
    {"no", to_translate("いいえ")},
    {"history", to_translate("履歴")},
    {"new-lines", to_translate("新しい行")},
    {"name-refused", to_translate("ファイル名に / と \\ は使えません。")},
    {"name-taken",
     to_translate("%1 は既に存在します。置き換えますか？ もう一度「保存」で置き換えます。")},
    {"not-a-save", to_translate("%1: ハザマのセーブデータとして読めません。")},
    {"ended",
     to_translate("ハザマを終了しました。もう一度遊ぶには、このページを読み込み直してください。")},
};

}  // namespace

std::string plain_caption(std::string_view caption) {
    caption = caption.substr(0, caption.find('\t'));
    constexpr std::string_view kEllipsis = "…";
    if (caption.ends_with(kEllipsis)) caption.remove_suffix(kEllipsis.size());
    std::string plain;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        // "(&S)" goes whole; "&S" keeps its letter.
        if (caption.substr(i).starts_with("(&") && i + 3 < caption.size() &&
            caption[i + 3] == ')') {
            i += 3;
        } else if (caption[i] != '&') {
            plain += caption[i];
        }
    }
    return plain;
}

void write_page_words(JsonWriter& json, bool english,
                      const std::function<std::string(const char*)>& translate) {
    json.open('{');
    if (english) {
        for (const PageWord& word : kPageWords) {
            json.key(word.name).text(plain_caption(translate(word.japanese)));
        }
    }
    json.close();
}

}  // namespace hazama
