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

QString volume_text(int percent) {
    return ui(volume_caption(percent).c_str());
}

}  // namespace

SettingsDialog::SettingsDialog(QWidget* parent, const Settings& current,
                               std::function<void(const Settings&)> choose, bool title_offered)
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
    volume_ = list("volume", kVolumeSteps.size(), step_index(kVolumeSteps, current.volume));
    size_ = list("window_size", kWindowSizes.size(), step_index(kWindowSizes, current.window_size));
    // Each language by its own name, the same in either.
    language_ = list("language", 2, ui_english() ? 1 : 0);
    for (int i = 0; i < 2; ++i)
        language_->setItemText(i, QString::fromUtf8(SettingsWords::kLanguages[i]));

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
    if (title_offered) {
        title_ = buttons->addButton(QString(), QDialogButtonBox::ActionRole);
        title_->setObjectName(QStringLiteral("back_to_title"));
        connect(title_, &QPushButton::clicked, this, [this] {
            to_title_ = true;
            accept();
        });
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form_);
    layout->addWidget(help_);
    layout->addWidget(buttons);
    retranslate();
    text_->setFocus();
}

void SettingsDialog::retranslate() {
    using W = SettingsWords;
    setWindowTitle(ui(W::kTitle));
    const auto label = [&](QWidget* field, const char* japanese) {
        if (auto* l = qobject_cast<QLabel*>(form_->labelForField(field))) l->setText(ui(japanese));
    };
    const auto items = [&](QComboBox* box, const auto& japanese) {
        int i = 0;
        for (const char* item : japanese) box->setItemText(i++, ui(item));
    };
    label(text_, W::kTextSpeedLabel);
    items(text_, W::kTextSpeeds);
    label(auto_speed_, W::kAutoSpeedLabel);
    items(auto_speed_, W::kAutoSpeeds);
    label(skip_, W::kSkipLabel);
    items(skip_, W::kSkipModes);
    label(volume_, W::kVolumeLabel);
    for (int i = 0; i < volume_->count(); ++i)
        volume_->setItemText(i, volume_text(kVolumeSteps[static_cast<std::size_t>(i)]));
    label(size_, W::kWindowSizeLabel);
    for (int i = 0; i < size_->count(); ++i) {
        const double factor = kWindowSizes[static_cast<std::size_t>(i)] / 100.0;
        size_->setItemText(i, ui(W::kWindowSize).arg(factor));
    }
    label(language_, W::kLanguageLabel);
    fullscreen_->setText(ui(W::kFullscreen));
    copy_->setText(ui(W::kCopyLines));
    both_->setText(ui(W::kHistoryBoth));
    help_->setText(ui(W::kHelp));
    close_->setText(ui(W::kClose));
    if (title_ != nullptr) title_->setText(ui(W::kBackToTitle));
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
