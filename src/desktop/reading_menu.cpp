// The right-click menu and what its entries do. The shortcut keys only show in the menu
// (after a tab); the window handles the keys themselves.
#include "desktop/reading_menu.h"

#include <QActionGroup>

#include "desktop/settings.h"
#include "desktop/ui_text.h"
#include "form/main_form.h"

namespace hazama {
namespace {

struct Speed {
    const char* caption;
    AutoSpeed speed;
};
constexpr Speed kSpeeds[] = {
    {to_translate("遅い"), AutoSpeed::slow},
    {to_translate("普通"), AutoSpeed::normal},
    {to_translate("速い"), AutoSpeed::fast},
};

// Each language by its own name, the same in either.
struct Tongue {
    const char* name;
    Language language;
};
constexpr Tongue kLanguages[] = {{"日本語", Language::ja}, {"English", Language::en}};

}  // namespace

ReadingMenu::ReadingMenu(QWidget* parent, MainForm& form, WindowActions window)
    : QMenu(parent), form_(form), window_(std::move(window)) {
    setObjectName(QStringLiteral("reading_menu"));
    // The click that closes the menu is not passed on: it must not release a line.
    setAttribute(Qt::WA_NoMouseReplay);
    connect(this, &QMenu::aboutToShow, this, [this] { form_.set_menu_open(true); });
    connect(this, &QMenu::aboutToHide, this, [this] { form_.set_menu_open(false); });
    build();
    // Every entry's choice is kept for the next run, once it has been made.
    connect(this, &QMenu::triggered, this, [this] { window_.remember(); });
}

void ReadingMenu::build() {
    built_in_ = ui_english() ? Language::en : Language::ja;
    // At the title the first entry continues from the newest save (refresh puts it there).
    continue_ = new QAction(ui("続きから(&R)\tF9"), this);
    connect(continue_, &QAction::triggered, this, [this] { window_.quick_load(); });
    continue_gap_ = new QAction(this);
    continue_gap_->setSeparator(true);
    history_ = addAction(ui("履歴(&H)\tPgUp"), this, [this] { window_.open_history(); });

    auto_ = addAction(ui("オート(&A)\tF2"), this, [this](bool on) { form_.set_auto(on); });
    auto_->setCheckable(true);
    speeds_ = addMenu(ui("オートの速さ(&V)"));
    auto* group = new QActionGroup(speeds_);
    for (const Speed& s : kSpeeds) {
        QAction* a = speeds_->addAction(ui(s.caption), this, [this, speed = s.speed] {
            form_.set_auto_speed(speed);
            form_.set_auto(true);
        });
        a->setCheckable(true);
        a->setData(static_cast<int>(s.speed));
        group->addAction(a);
    }

    skip_ = addAction(ui("既読スキップ(&K)\tF3"), this, [this](bool on) { form_.set_skip(on); });
    skip_->setCheckable(true);

    addSeparator();
    fullscreen_ =
        addAction(ui("全画面(&U)\tF11"), this, [this](bool on) { window_.set_fullscreen(on); });
    fullscreen_->setCheckable(true);

    volumes_ = addMenu(ui("音量(&M)"));
    auto* loudness = new QActionGroup(volumes_);
    for (const int percent : kVolumeSteps) {
        const QString caption = percent == 0 ? ui("消音") : QStringLiteral("%1 %").arg(percent);
        QAction* a =
            volumes_->addAction(caption, this, [this, percent] { window_.set_volume(percent); });
        a->setCheckable(true);
        a->setData(percent);
        loudness->addAction(a);
    }

    addSeparator();
    copy_ = addAction(ui("この行をコピー(&C)\tCtrl+C"), this, [this] { form_.copy_line(); });
    hide_ =
        addAction(ui("文字を隠す(&D)\t中ボタン"), this, [this] { form_.set_text_hidden(true); });
    languages_ = addMenu(QStringLiteral("言語 / Language (&L)"));
    auto* tongues = new QActionGroup(languages_);
    for (const Tongue& t : kLanguages) {
        QAction* a = languages_->addAction(QString::fromUtf8(t.name), this,
                                           [this, l = t.language] { window_.set_language(l); });
        a->setCheckable(true);
        a->setData(static_cast<int>(t.language));
        tongues->addAction(a);
    }
    addSeparator();
    save_ = addAction(ui("セーブ(&E)…\tF6"), this, [this] { window_.open_slots(true); });
    addAction(ui("ロード(&O)…\tF7"), this, [this] { window_.open_slots(false); });
    addAction(ui("設定(&S)…"), this, [this] { window_.open_settings(); });
    for (QMenu* menu : {speeds_, volumes_})
        connect(menu, &QMenu::triggered, this, [this] { window_.remember(); });
}

void ReadingMenu::refresh() {
    // A menu built in the other language is built again.
    if (built_in_ != (ui_english() ? Language::en : Language::ja)) {
        clear();
        for (QMenu* sub : {speeds_, volumes_, languages_}) sub->deleteLater();
        build();
    }
    Reading& reading = form_.reading();
    if (window_.at_title() != actions().contains(continue_)) {
        if (window_.at_title()) {
            insertActions(actions().value(0), {continue_, continue_gap_});
        } else {
            removeAction(continue_);
            removeAction(continue_gap_);
        }
    }
    save_->setEnabled(!window_.at_title());
    history_->setEnabled(form_.history_allowed());
    copy_->setEnabled(!form_.message_line().empty());
    hide_->setEnabled(form_.history_allowed());
    auto_->setChecked(reading.auto_on());
    for (QAction* a : speeds_->actions())
        a->setChecked(a->data().toInt() == static_cast<int>(reading.auto_speed()));
    skip_->setChecked(reading.skip_on());
    fullscreen_->setChecked(window_.fullscreen());
    for (QAction* a : volumes_->actions()) a->setChecked(a->data().toInt() == window_.volume());
    for (QAction* a : languages_->actions())
        a->setChecked(a->data().toInt() == static_cast<int>(form_.language()));
}

void ReadingMenu::open_at(const QPoint& global) {
    refresh();
    popup(global);
}

}  // namespace hazama
