// The window's texts (ui_text.h).
#include "desktop/ui_text.h"

#include "text/catalogue.h"

namespace hazama {
namespace {

const Translator* g_translator = nullptr;

}  // namespace

void set_ui_translator(const Translator* translator) {
    g_translator = translator;
}

QString ui(const char* japanese) {
    if (g_translator == nullptr) return QString::fromUtf8(japanese);
    return QString::fromStdString(g_translator->text(japanese));
}

QString english_of(const std::string& japanese) {
    if (g_translator == nullptr) return QString::fromStdString(japanese);
    return QString::fromStdString(g_translator->text_in(Language::en, japanese));
}

bool ui_english() {
    return g_translator != nullptr && g_translator->language() == Language::en;
}

}  // namespace hazama
