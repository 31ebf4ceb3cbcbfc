// The settings dialog (settings_dialog.h).
#include "app/settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace hazama {
namespace {

template <std::size_t N>
int index_of(const std::array<int, N>& steps, int value) {
    const auto at = std::ranges::find(steps, value);
    return at == steps.end() ? 0 : static_cast<int>(at - steps.begin());
}

}  // namespace

SettingsDialog::SettingsDialog(QWidget* parent, const Settings& current,
                               std::function<void(const Settings&)> choose)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      settings_(current),
      choose_(std::move(choose)) {
    setObjectName(QStringLiteral("settings"));
    setWindowTitle(QStringLiteral("設定"));
    auto* form = new QFormLayout;

    const auto list = [&](const char* name, const QString& label, const QStringList& items,
                          int at) {
        auto* box = new QComboBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->addItems(items);
        box->setCurrentIndex(at);
        form->addRow(label, box);
        connect(box, &QComboBox::currentIndexChanged, this, [this] { changed(); });
        return box;
    };
    text_ = list("text_speed", QStringLiteral("文字の表示(&T)"),
                 {QStringLiteral("一度に表示"), QStringLiteral("一文字ずつ（遅い）"),
                  QStringLiteral("一文字ずつ（普通）"), QStringLiteral("一文字ずつ（速い）")},
                 static_cast<int>(current.text_speed));
    auto_speed_ = list("auto_speed", QStringLiteral("オートの速さ(&A)"),
                       {QStringLiteral("遅い"), QStringLiteral("普通"), QStringLiteral("速い")},
                       static_cast<int>(current.auto_speed));
    skip_ = list("skip_mode", QStringLiteral("スキップ(&K)"),
                 {QStringLiteral("既読の文章だけ"), QStringLiteral("すべての文章")},
                 static_cast<int>(current.skip_mode));
    QStringList volumes;
    for (const int percent : kVolumeSteps)
        volumes << (percent == 0 ? QStringLiteral("消音") : QStringLiteral("%1 %").arg(percent));
    volume_ =
        list("volume", QStringLiteral("音量(&M)"), volumes, index_of(kVolumeSteps, current.volume));
    QStringList sizes;
    for (const int percent : kWindowSizes) sizes << QStringLiteral("%1 倍").arg(percent / 100.0);
    size_ = list("window_size", QStringLiteral("ウィンドウの大きさ(&W)"), sizes,
                 index_of(kWindowSizes, current.window_size));

    const auto check = [&](const char* name, const QString& text, bool on) {
        auto* box = new QCheckBox(text, this);
        box->setObjectName(QString::fromLatin1(name));
        box->setChecked(on);
        form->addRow(box);
        connect(box, &QCheckBox::toggled, this, [this] { changed(); });
        return box;
    };
    fullscreen_ = check("fullscreen", QStringLiteral("全画面で表示する(&U)"), current.fullscreen);
    copy_ = check("copy_lines", QStringLiteral("新しい行をクリップボードにコピーする(&C)"),
                  current.copy_lines);

    auto* help = new QLabel(
        QStringLiteral("スキップは移動先を選ぶときに止まります。Ctrl+C でいまの行をコピー、"
                       "中ボタンで文字を隠します。Esc で閉じます。"),
        this);
    help->setObjectName(QStringLiteral("settings_help"));
    help->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("閉じる"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(help);
    layout->addWidget(buttons);
    text_->setFocus();
}

void SettingsDialog::changed() {
    settings_.text_speed = static_cast<TextSpeed>(text_->currentIndex());
    settings_.auto_speed = static_cast<AutoSpeed>(auto_speed_->currentIndex());
    settings_.skip_mode = static_cast<SkipMode>(skip_->currentIndex());
    settings_.volume = kVolumeSteps[static_cast<std::size_t>(volume_->currentIndex())];
    settings_.window_size = kWindowSizes[static_cast<std::size_t>(size_->currentIndex())];
    settings_.fullscreen = fullscreen_->isChecked();
    settings_.copy_lines = copy_->isChecked();
    choose_(settings_);
}

}  // namespace hazama
