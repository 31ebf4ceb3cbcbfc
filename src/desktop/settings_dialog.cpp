// The settings dialog (settings_dialog.h).
#include "desktop/settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "desktop/ui_text.h"

namespace hazama {
namespace {

template <std::size_t N>
int index_of(const std::array<int, N>& steps, int value) {
    const auto at = std::ranges::find(steps, value);
    return at == steps.end() ? 0 : static_cast<int>(at - steps.begin());
}

// The lists' labels and items, in Japanese: the keys of what is shown.
constexpr const char* kTextSpeeds[] = {
    to_translate("一度に表示"), to_translate("一文字ずつ（遅い）"),
    to_translate("一文字ずつ（普通）"), to_translate("一文字ずつ（速い）")};
constexpr const char* kAutoSpeeds[] = {to_translate("遅い"), to_translate("普通"),
                                       to_translate("速い")};
constexpr const char* kSkipModes[] = {to_translate("既読の文章だけ"), to_translate("すべての文章")};

QString volume_caption(int percent) {
    return percent == 0 ? ui("消音") : QStringLiteral("%1 %").arg(percent);
}

}  // namespace

SettingsDialog::SettingsDialog(QWidget* parent, const Settings& current,
                               std::function<void(const Settings&)> choose)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      settings_(current),
      choose_(std::move(choose)) {
    setObjectName(QStringLiteral("settings"));
    form_ = new QFormLayout;

    const auto list = [&](const char* name, int count, int at) {
        auto* box = new QComboBox(this);
        box->setObjectName(QString::fromLatin1(name));
        for (int i = 0; i < count; ++i) box->addItem(QString());
        box->setCurrentIndex(at);
        // The label is named in retranslate(); its mnemonic reaches the list.
        auto* label = new QLabel(this);
        label->setBuddy(box);
        form_->addRow(label, box);
        connect(box, &QComboBox::currentIndexChanged, this, [this] { changed(); });
        return box;
    };
    text_ = list("text_speed", 4, static_cast<int>(current.text_speed));
    auto_speed_ = list("auto_speed", 3, static_cast<int>(current.auto_speed));
    skip_ = list("skip_mode", 2, static_cast<int>(current.skip_mode));
    volume_ = list("volume", kVolumeSteps.size(), index_of(kVolumeSteps, current.volume));
    size_ = list("window_size", kWindowSizes.size(), index_of(kWindowSizes, current.window_size));
    // Each language by its own name, the same in either.
    language_ = list("language", 2, ui_english() ? 1 : 0);
    language_->setItemText(0, QStringLiteral("日本語"));
    language_->setItemText(1, QStringLiteral("English"));

    const auto check = [&](const char* name, bool on) {
        auto* box = new QCheckBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setChecked(on);
        form_->addRow(box);
        connect(box, &QCheckBox::toggled, this, [this] { changed(); });
        return box;
    };
    fullscreen_ = check("fullscreen", current.fullscreen);
    copy_ = check("copy_lines", current.copy_lines);
    both_ = check("history_both", current.history_both);

    help_ = new QLabel(this);
    help_->setObjectName(QStringLiteral("settings_help"));
    help_->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    close_ = buttons->button(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form_);
    layout->addWidget(help_);
    layout->addWidget(buttons);
    retranslate();
    text_->setFocus();
}

void SettingsDialog::retranslate() {
    setWindowTitle(ui("設定"));
    const auto label = [&](QWidget* field, const char* japanese) {
        if (auto* l = qobject_cast<QLabel*>(form_->labelForField(field))) l->setText(ui(japanese));
    };
    const auto items = [&](QComboBox* box, const auto& japanese) {
        int i = 0;
        for (const char* item : japanese) box->setItemText(i++, ui(item));
    };
    label(text_, to_translate("文字の表示(&T)"));
    items(text_, kTextSpeeds);
    label(auto_speed_, to_translate("オートの速さ(&A)"));
    items(auto_speed_, kAutoSpeeds);
    label(skip_, to_translate("スキップ(&K)"));
    items(skip_, kSkipModes);
    label(volume_, to_translate("音量(&M)"));
    for (int i = 0; i < volume_->count(); ++i)
        volume_->setItemText(i, volume_caption(kVolumeSteps[static_cast<std::size_t>(i)]));
    label(size_, to_translate("ウィンドウの大きさ(&W)"));
    for (int i = 0; i < size_->count(); ++i) {
        const double factor = kWindowSizes[static_cast<std::size_t>(i)] / 100.0;
        size_->setItemText(i, ui("%1 倍").arg(factor));
    }
    label(language_, "言語(&L) / Language");
    fullscreen_->setText(ui("全画面で表示する(&U)"));
    copy_->setText(ui("新しい行をクリップボードにコピーする(&C)"));
    both_->setText(ui("日本語のとき、履歴の各行の下に英語を表示する(&E)"));
    help_->setText(
        ui("スキップは移動先を選ぶときに止まります。Ctrl+C でいまの行をコピー、"
           "中ボタンで文字を隠します。Esc で閉じます。"));
    close_->setText(ui("閉じる"));
}

void SettingsDialog::changed() {
    settings_.text_speed = static_cast<TextSpeed>(text_->currentIndex());
    settings_.auto_speed = static_cast<AutoSpeed>(auto_speed_->currentIndex());
    settings_.skip_mode = static_cast<SkipMode>(skip_->currentIndex());
    settings_.volume = kVolumeSteps[static_cast<std::size_t>(volume_->currentIndex())];
    settings_.window_size = kWindowSizes[static_cast<std::size_t>(size_->currentIndex())];
    settings_.fullscreen = fullscreen_->isChecked();
    settings_.copy_lines = copy_->isChecked();
    settings_.history_both = both_->isChecked();
    const Language language = language_->currentIndex() == 1 ? Language::en : Language::ja;
    const bool switched = language != (ui_english() ? Language::en : Language::ja);
    if (switched) settings_.language = language;
    choose_(settings_);
    // The dialog speaks the language just chosen, at once.
    if (switched) retranslate();
}

}  // namespace hazama
