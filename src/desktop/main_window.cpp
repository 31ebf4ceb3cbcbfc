// mainform on screen: building the window and its controls.
#include "desktop/main_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <future>
#include <utility>

#include "desktop/app_setup.h"
#include "desktop/history_panel.h"
#include "desktop/message_line.h"
#include "desktop/picture_button.h"
#include "desktop/screen_view.h"
#include "desktop/small_button.h"
#include "desktop/window_art.h"
#include "form/main_form.h"
#include "graphics/stage.h"
#include "shell/continue_hint.h"
#include "shell/stage_layout.h"

namespace hazama {

MainWindow::MainWindow(std::filesystem::path root)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      root_(std::move(root)) {
    setWindowTitle(kTitle);
    setFixedSize(kClientSize);
    title_art_ = std::async(std::launch::async, [root = root_] {
        return TitleArt{.frame = decode_window_art(root, WindowArt::frame),
                        .logo = decode_window_art(root, WindowArt::logo),
                        .imamou0 = decode_window_art(root, WindowArt::imamou0),
                        .imamou1 = decode_window_art(root, WindowArt::imamou1)};
    });
    build_controls();
    build_buttons();
    auto_mark_ = reading_mark("auto_mark", kAutoMark, kAutoMarkPlace);
    skip_mark_ = reading_mark("skip_mark", kSkipMark, kSkipMarkPlace);
    history_ = new HistoryPanel(this);
    scaling_.place(history_, history_->geometry());

    if (QScreen* s = screen()) {
        QRect placed = frameGeometry();
        placed.moveCenter(s->availableGeometry().center());
        move(placed.topLeft());
    }
}

MainWindow::~MainWindow() = default;

void MainWindow::place_title_art() {
    if (!title_art_.valid()) return;
    TitleArt art = title_art_.get();
    frame_ = window_picture(std::move(art.frame), WindowArt::frame);
    const auto place = [this](QWidget* label, QImage decoded, WindowArt which) {
        scaling_.set_pixmap(static_cast<QLabel*>(label), window_picture(std::move(decoded), which),
                            [root = root_, which] { return large_window_picture(root, which); });
    };
    place(piclogo_, std::move(art.logo), WindowArt::logo);
    place(controls_[static_cast<int>(Control::imamou0)], std::move(art.imamou0),
          WindowArt::imamou0);
    place(controls_[static_cast<int>(Control::imamou1)], std::move(art.imamou1),
          WindowArt::imamou1);
}

// ---------------------------------------------------------------- controls

void MainWindow::build_controls() {
    const auto clickable = [this](QWidget* w, FormHandler handler) {
        release_inputs_[w] = handler;
    };
    screen_ = new ScreenView(this);
    screen_->setObjectName(QStringLiteral("picmain0"));
    scaling_.place(screen_, design_rect(kScenePlace));
    screen_->hide();
    controls_[static_cast<int>(Control::picmain0)] = screen_;
    clickable(screen_, &MainForm::picmain_Click);

    for (std::size_t i = 0; i < labstaff_.size(); ++i) {
        auto* label = new QLabel(screen_);
        label->setObjectName(QStringLiteral("labstaff%1").arg(i));
        scaling_.set_font(label, mincho(kCreditPoints));
        label->setTextFormat(Qt::PlainText);
        // A click on a credit is a click on the picture under it.
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->hide();
        labstaff_[i] = label;
    }

    auto* picface = new QLabel(this);
    picface->setObjectName(QStringLiteral("picface"));
    scaling_.place(picface, design_rect(kPortraitPlace));
    picface->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picface->hide();
    controls_[static_cast<int>(Control::picface)] = picface;
    clickable(picface, &MainForm::picface_Click);

    labmain_ = new MessageLine(this);
    labmain_->setObjectName(QStringLiteral("labmain"));
    scaling_.place(labmain_, design_rect(kMessagePlace));
    scaling_.set_font(labmain_, gothic(kMessagePoints));
    labmain_->setWordWrap(true);
    labmain_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    set_text_colour(labmain_, Qt::white);
    clickable(labmain_, &MainForm::labmain_Click);

    std::array<QLabel*, 2> imamou{};
    for (int i = 0; i < 2; ++i) {
        imamou[i] = new QLabel(this);
        imamou[i]->setObjectName(QStringLiteral("imamou%1").arg(i));
        imamou[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        imamou[i]->hide();
    }
    // The two frames share one square.
    scaling_.place(imamou[0], design_rect(kIndicatorPlace));
    scaling_.place(imamou[1], design_rect(kIndicatorPlace));
    controls_[static_cast<int>(Control::imamou0)] = imamou[0];
    controls_[static_cast<int>(Control::imamou1)] = imamou[1];
    clickable(imamou[0], &MainForm::imamou0_Click);
    clickable(imamou[1], &MainForm::imamou1_Click);

    piclogo_ = new QLabel(this);
    piclogo_->setObjectName(QStringLiteral("piclogo"));
    scaling_.place(piclogo_, design_rect(kLogoPlace));
    piclogo_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    clickable(piclogo_, &MainForm::piclogo_Click);

    labcopy_ = new NoticeLabel(this);
    labcopy_->setObjectName(QStringLiteral("labcopy"));
    // Until the first notice the label keeps a new widget's size.
    scaling_.place(labcopy_, QRect(kNoticeAt, labcopy_->size()));
    scaling_.set_font(labcopy_, gothic(kNoticePoints));
    labcopy_->setTextFormat(Qt::PlainText);
    set_text_colour(labcopy_, Qt::black);
    clickable(labcopy_, &MainForm::labcopy_Click);

    continue_hint_ = new QLabel(this);
    continue_hint_->setObjectName(QStringLiteral("continue_hint"));
    scaling_.place(continue_hint_, design_rect(kContinueHintPlace));
    scaling_.set_font(continue_hint_, gothic(kNoticePoints));
    continue_hint_->setAlignment(Qt::AlignCenter);
    continue_hint_->setTextFormat(Qt::PlainText);
    continue_hint_->setWordWrap(true);
    // The panel's cream, on the dark column.
    set_text_colour(continue_hint_, QColor(236, 228, 209));
    clickable(continue_hint_, &MainForm::labcopy_Click);
    continue_hint_->hide();
}

void MainWindow::build_buttons() {
    // Tab order follows creation: save, load, new game, quit.
    auto* comsave = small_button(Control::comsave, "comsave", &MainForm::comsave_Click);
    small_button(Control::comload, "comload", &MainForm::comload_Click);
    small_button(Control::comstart, "comstart", &MainForm::comstart_Click);
    auto* comend = small_button(Control::comend, "comend", &MainForm::comend_Click);
    comsave->hide();
    comsave->setEnabled(false);
    comend->hide();

    struct Face {
        Control control;
        const char* name;
        WindowArt normal, down, off;
        FormHandler handler;
    };
    const Face faces[] = {
        {Control::commove, "commove", WindowArt::move, WindowArt::move_down, WindowArt::move_off,
         &MainForm::commove_Click},
        {Control::comtalk, "comtalk", WindowArt::talk, WindowArt::talk_down, WindowArt::talk_off,
         &MainForm::comtalk_Click},
        {Control::comlook, "comlook", WindowArt::look, WindowArt::look_down, WindowArt::look_off,
         &MainForm::comlook_Click},
    };
    for (const Face& f : faces) {
        auto* button = new PictureButton(
            this,
            [this, f] {
                const auto face = [&](WindowArt art) {
                    return language_ == Language::en ? english_window_picture(root_, art, false)
                                                     : window_picture(root_, art);
                };
                return PictureButton::Faces{face(f.normal), face(f.down), face(f.off)};
            },
            [this, f] {
                const auto face = [&](WindowArt art) {
                    return language_ == Language::en ? english_window_picture(root_, art, true)
                                                     : large_window_picture(root_, art);
                };
                return PictureButton::Faces{face(f.normal), face(f.down), face(f.off)};
            });
        button->setObjectName(QString::fromLatin1(f.name));
        const ButtonPlace& at = button_place(f.control);
        button->setAccessibleName(QString::fromUtf8(at.caption));
        scaling_.place(button, design_rect(at.place));
        button->setAttribute(Qt::WA_NoMousePropagation);
        button->hide();
        button->setEnabled(false);
        connect(button, &QAbstractButton::clicked, this, [this, handler = f.handler] {
            if (hooks_.command) hooks_.command(handler);
        });
        controls_[static_cast<int>(f.control)] = button;
    }
}

QPushButton* MainWindow::small_button(Control control, const char* name, FormHandler handler) {
    const ButtonPlace& at = button_place(control);
    auto* button = new SmallButton(QString::fromUtf8(at.caption), at.place.x, this);
    button->setObjectName(QString::fromLatin1(name));
    scaling_.place(button, design_rect(at.place));
    scaling_.set_font(button, SmallButton::caption_font());
    QPalette p = button->palette();
    p.setColor(QPalette::Button, QColor(217, 222, 231));
    button->setPalette(p);
    // A click on a button, even a disabled one, never reaches the background.
    button->setAttribute(Qt::WA_NoMousePropagation);
    connect(button, &QPushButton::clicked, this, [this, handler] {
        if (hooks_.command) hooks_.command(handler);
    });
    controls_[static_cast<int>(control)] = button;
    return button;
}

// The marks beside the waiting indicator: auto-advance on, lines being skipped.
QLabel* MainWindow::reading_mark(const char* name, const char* text, const StageRect& place) {
    auto* label = new QLabel(QString::fromUtf8(text), this);
    label->setObjectName(QString::fromLatin1(name));
    scaling_.place(label, design_rect(place));
    scaling_.set_font(label, gothic(kMarkPoints));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    set_text_colour(label, QColor(255, 214, 140));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->hide();
    return label;
}

std::optional<FormHandler> MainWindow::release_input(QWidget* w) const {
    const auto input = release_inputs_.find(w);
    if (input == release_inputs_.end()) return std::nullopt;
    return input->second;
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::Polish) place_title_art();
    return QWidget::event(event);
}

void MainWindow::paintEvent(QPaintEvent* event) {
    if (!icon_set_) {
        // The icon can wait until the title screen is up: a window manager picks it up
        // whenever it is set.
        icon_set_ = true;
        QTimer::singleShot(0, this,
                           [this] { setWindowIcon(window_picture(root_, WindowArt::icon)); });
    }
    QPainter p(this);
    if (!scaling_.scaled()) {
        p.drawPixmap(0, 0, frame_);
        return;
    }
    const QRect client = fit().map(QRect(QPoint(), kClientSize));
    for (const QRect& r : QRegion(event->rect()) - QRegion(client)) p.fillRect(r, Qt::black);
    // The frame is larger than the client area: only the client area's part shows.
    p.setClipRect(client);
    p.drawPixmap(client.topLeft(), scaled_frame_);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing is never cancelled.
    if (hooks_.close) hooks_.close();
    event->accept();
}

}  // namespace hazama
