// mainform on screen: building the window and its controls, and showing what the core
// asks for.
#include "app/main_window.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <utility>

#include "app/app_setup.h"
#include "app/close_request.h"
#include "app/picture_button.h"
#include "app/reading_menu.h"
#include "app/screen_view.h"
#include "app/window_art.h"
#include "audio/fluid_media_device.h"
#include "platform/qt_picture_decoder.h"

namespace hazama {
namespace {

// The game writes line breaks as CR LF.
QString display_text(const std::string& text) {
    QString out = QString::fromStdString(text);
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return out;
}

// Where the notice under the logo starts.
constexpr QPoint kNoticeAt(528, 64);

QFont gothic(double points) {
    return design_font(QStringLiteral("ＭＳ ゴシック"), points);
}

void set_text_colour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

double process_cpu_ms() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) * 1e-6;
}

}  // namespace

MainWindow::MainWindow(std::filesystem::path root, MediaDevice* media)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      root_(std::move(root)),
      own_media_(media != nullptr ? nullptr : std::make_unique<FluidMediaDevice>()),
      media_(media != nullptr ? *media : *own_media_) {
    clock_.start();
    log_frames_ = std::getenv("HAZAMA_LOG_FRAMES") != nullptr;
    setWindowTitle(kTitle);
    setWindowIcon(window_picture(root_, WindowArt::icon));
    setFixedSize(634, 463);
    frame_ = window_picture(root_, WindowArt::frame);
    build_controls();

    for (int i = 0; i < 2; ++i) {
        timers_[i] = new QTimer(this);
        timers_[i]->setTimerType(Qt::PreciseTimer);
        connect(timers_[i], &QTimer::timeout, this, [this, i] {
            if (!closing_ && ticks_[i]) run_script(ticks_[i]);
        });
    }

    if (QScreen* s = screen()) {
        QRect placed = frameGeometry();
        placed.moveCenter(s->availableGeometry().center());
        move(placed.topLeft());
    }

    // Keys are seen here before any control gets them (see filter_key).
    qApp->installEventFilter(this);
    form_ = std::make_unique<MainForm>(*this, root_);
    build_reading_controls();
    close_request_ = std::make_unique<CloseRequestFilter>(this, [this] { close_game(); });
    qApp->installNativeEventFilter(close_request_.get());
}

MainWindow::~MainWindow() {
    qApp->removeNativeEventFilter(close_request_.get());
    qApp->removeEventFilter(this);
    delete menu_;  // it tells the form when it hides, so it goes while the form is there
    for (QTimer* t : timers_) t->stop();
}

// ---------------------------------------------------------------- controls

void MainWindow::build_controls() {
    screen_ = new ScreenView(this);
    screen_->setObjectName(QStringLiteral("picmain0"));
    scaling_.place(screen_, QRect(4, 5, 512, 384));
    screen_->hide();
    controls_[static_cast<int>(Control::picmain0)] = screen_;
    clickable(screen_, &MainForm::picmain_Click);

    for (int i = 0; i < 11; ++i) {
        auto* label = new QLabel(screen_);
        label->setObjectName(QStringLiteral("labstaff%1").arg(i));
        scaling_.set_font(label, design_font(QStringLiteral("ＭＳ 明朝"), 9));
        label->setTextFormat(Qt::PlainText);
        // A click on a credit is a click on the picture under it.
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->hide();
        labstaff_[i] = label;
    }

    auto* picface = new QLabel(this);
    picface->setObjectName(QStringLiteral("picface"));
    scaling_.place(picface, QRect(32, 396, 65, 65));
    picface->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picface->hide();
    controls_[static_cast<int>(Control::picface)] = picface;
    clickable(picface, &MainForm::picface_Click);

    labmain_ = new QLabel(this);
    labmain_->setObjectName(QStringLiteral("labmain"));
    scaling_.place(labmain_, QRect(112, 397, 513, 65));
    scaling_.set_font(labmain_, gothic(14.25));
    labmain_->setTextFormat(Qt::PlainText);
    labmain_->setWordWrap(true);
    labmain_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    set_text_colour(labmain_, Qt::white);
    clickable(labmain_, &MainForm::labmain_Click);

    std::array<QLabel*, 2> imamou{};
    for (int i = 0; i < 2; ++i) {
        imamou[i] = new QLabel(this);
        imamou[i]->setObjectName(QStringLiteral("imamou%1").arg(i));
        scaling_.set_pixmap(
            imamou[i], window_picture(root_, i == 0 ? WindowArt::imamou0 : WindowArt::imamou1));
        imamou[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        imamou[i]->hide();
    }
    const QRect first(599, 428, 32, 32);
    QRect second(567, 428, 32, 32);
    // The two frames share one square: the second is moved onto the first, x then y.
    second.moveTo(first.x(), second.y());
    second.moveTo(second.x(), first.y());
    scaling_.place(imamou[0], first);
    scaling_.place(imamou[1], second);
    controls_[static_cast<int>(Control::imamou0)] = imamou[0];
    controls_[static_cast<int>(Control::imamou1)] = imamou[1];
    clickable(imamou[0], &MainForm::imamou0_Click);
    clickable(imamou[1], &MainForm::imamou1_Click);

    piclogo_ = new QLabel(this);
    piclogo_->setObjectName(QStringLiteral("piclogo"));
    scaling_.place(piclogo_, QRect(520, 9, 106, 52));
    piclogo_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scaling_.set_pixmap(piclogo_, window_picture(root_, WindowArt::logo));
    clickable(piclogo_, &MainForm::piclogo_Click);

    labcopy_ = new QLabel(this);
    labcopy_->setObjectName(QStringLiteral("labcopy"));
    // Until the first notice the label keeps a new widget's size.
    scaling_.place(labcopy_, QRect(kNoticeAt, labcopy_->size()));
    scaling_.set_font(labcopy_, gothic(9));
    labcopy_->setTextFormat(Qt::PlainText);
    set_text_colour(labcopy_, Qt::black);
    clickable(labcopy_, &MainForm::labcopy_Click);

    // Tab order follows creation: save, load, new game, quit.
    auto* comsave = small_button(Control::comsave, "comsave", QStringLiteral("セーブ(&S)"), 529,
                                 103, &MainForm::comsave_Click);
    small_button(Control::comload, "comload", QStringLiteral("ロード(&O)"), 530, 128,
                 &MainForm::comload_Click);
    small_button(Control::comstart, "comstart", QStringLiteral("始めから(&F)"), 529, 153,
                 &MainForm::comstart_Click);
    auto* comend = small_button(Control::comend, "comend", QStringLiteral("終了(&Q)"), 529, 232,
                                &MainForm::comend_Click);
    comsave->hide();
    comsave->setEnabled(false);
    comend->hide();

    struct Face {
        Control control;
        const char* name;
        int y;
        WindowArt normal, down, off;
        void (MainForm::*handler)();
    };
    const Face faces[] = {
        {Control::commove, "commove", 257, WindowArt::move, WindowArt::move_down,
         WindowArt::move_off, &MainForm::commove_Click},
        {Control::comtalk, "comtalk", 305, WindowArt::talk, WindowArt::talk_down,
         WindowArt::talk_off, &MainForm::comtalk_Click},
        {Control::comlook, "comlook", 355, WindowArt::look, WindowArt::look_down,
         WindowArt::look_off, &MainForm::comlook_Click},
    };
    for (const Face& f : faces) {
        auto* button =
            new PictureButton(this, window_picture(root_, f.normal), window_picture(root_, f.down),
                              window_picture(root_, f.off));
        button->setObjectName(QString::fromLatin1(f.name));
        scaling_.place(button, QRect(529, f.y, 97, 41));
        button->setAttribute(Qt::WA_NoMousePropagation);
        button->hide();
        button->setEnabled(false);
        const auto handler = f.handler;
        connect(button, &QAbstractButton::clicked, this,
                [this, handler] { run_script([this, handler] { (form_.get()->*handler)(); }); });
        controls_[static_cast<int>(f.control)] = button;
    }
}

QPushButton* MainWindow::small_button(Control control, const char* name, const QString& caption,
                                      int x, int y, void (MainForm::*handler)()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    scaling_.place(button, QRect(x, y, 97, 17));
    scaling_.set_font(button, gothic(9));
    QPalette p = button->palette();
    p.setColor(QPalette::Button, QColor(217, 222, 231));
    button->setPalette(p);
    // A click on a button, even a disabled one, never reaches the background.
    button->setAttribute(Qt::WA_NoMousePropagation);
    connect(button, &QPushButton::clicked, this,
            [this, handler] { run_script([this, handler] { (form_.get()->*handler)(); }); });
    controls_[static_cast<int>(control)] = button;
    return button;
}

void MainWindow::clickable(QWidget* target, void (MainForm::*handler)()) {
    release_inputs_[target] = handler;
}

void MainWindow::paintEvent(QPaintEvent* event) {
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

// ---------------------------------------------------------------- what the core shows

void MainWindow::set_visible(Control control, bool visible) {
    widget(control)->setVisible(visible);
}

void MainWindow::set_enabled(Control control, bool enabled) {
    // A command starting: the story goes on in front of the reader.
    if (!enabled) close_reading_overlays();
    widget(control)->setEnabled(enabled);
}

void MainWindow::set_message(const std::string& text) {
    close_history();
    labmain_->setText(display_text(text));
}

void MainWindow::set_face(const Plane* portrait) {
    if (portrait == nullptr || portrait->empty()) return;
    // The box keeps its own copy (a pixmap would share the buffer): the plane is reused
    // for the next portrait.
    scaling_.set_pixmap(static_cast<QLabel*>(widget(Control::picface)),
                        QPixmap::fromImage(plane_image(*portrait).copy()));
}

void MainWindow::set_staff(int index, const StaffLabel& label) {
    if (index < 0 || index >= static_cast<int>(labstaff_.size())) return;
    QLabel* l = labstaff_[index];
    l->setText(display_text(label.text));
    scaling_.set_font(l, design_font(QStringLiteral("ＭＳ 明朝"), label.point_size, label.bold));
    set_text_colour(l, label.white ? Qt::white : Qt::black);
    scaling_.move(l, QPoint(label.x, label.y));  // and sized to its text
    l->setVisible(label.visible);
}

void MainWindow::set_notice(const std::string& text) {
    labcopy_->setText(display_text(text));
    scaling_.move(labcopy_, kNoticeAt);  // sized to its text
}

void MainWindow::refresh_screen(const Plane& screen) {
    const qint64 asked_ns = clock_.nsecsElapsed();
    screen_->refresh(screen);
    if (log_frames_) {
        std::fprintf(stderr, "frame %.3f %.3f cpu %.3f\n", asked_ns * 1e-6,
                     clock_.nsecsElapsed() * 1e-6, process_cpu_ms());
    }
}

void MainWindow::dissolve_begins(const Plane& incoming) {
    screen_->dissolve_to(incoming);
}

void MainWindow::note(const std::string& line) {
    if (!log_frames_) return;
    clock_after_note_ = true;
    std::fprintf(stderr, "note %.3f cpu %.3f %s\n", clock_.nsecsElapsed() * 1e-6, process_cpu_ms(),
                 line.c_str());
}

bool MainWindow::load_picture(const std::string& path, Plane& into, std::string& error) {
    return decode_picture(path, into, error);
}

}  // namespace hazama
