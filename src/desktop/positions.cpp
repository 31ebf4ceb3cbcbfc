// The window's saved positions (positions.h).
#include "desktop/positions.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

#include "desktop/main_window.h"
#include "desktop/qt_platform.h"
#include "desktop/slot_screen.h"
#include "desktop/ui_text.h"
#include "form/main_form.h"
#include "replay/replayer.h"
#include "replay/slot_file.h"

namespace hazama {
namespace {

constexpr int kNoticeMs = 1500;
// Half the scene: the slot screen draws it at a third of that in the window and stays crisp
// at full screen up to twice the window's size.
constexpr QSize kThumbnail{256, 192};

// The scene, small, as PNG bytes for the slot screen.
std::string thumbnail(const Plane& screen) {
    if (screen.empty()) return {};
    const QImage image(reinterpret_cast<const uchar*>(screen.pixels.data()), screen.width,
                       screen.height, screen.width * 4, QImage::Format_RGB32);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.scaled(kThumbnail, Qt::KeepAspectRatio, Qt::SmoothTransformation).save(&buffer, "PNG");
    return bytes.toStdString();
}

}  // namespace

PositionKeeper::PositionKeeper(MainWindow& window, QtPlatform& platform, MainForm& form,
                               Replayer& replayer, std::filesystem::path data_folder)
    : window_(window),
      platform_(platform),
      form_(form),
      replayer_(replayer),
      data_folder_(std::move(data_folder)) {}

PositionKeeper::~PositionKeeper() = default;

bool PositionKeeper::at_title() const {
    return form_.log().commands().empty() && form_.visible(Control::comstart);
}

void PositionKeeper::quick_save() {
    if (!replayer_.can_take() || at_title()) {
        tell(ui("ここではセーブできません"));
        return;
    }
    if (write(kQuickSlot, replayer_.here(), false)) tell(ui("クイックセーブしました"));
}

void PositionKeeper::quick_load() {
    if (at_title()) return continue_newest();
    load(slot_path(data_folder_, kQuickSlot));
}

void PositionKeeper::continue_newest() {
    if (const auto path = newest()) {
        load(*path);
    } else {
        tell(ui("セーブデータがありません"));
    }
}

void PositionKeeper::go_back(int lines) {
    if (!replayer_.can_take() || (lines == 0 && form_.line_waiting())) return;
    if (const auto position = replayer_.back(lines)) restore(*position);
}

std::vector<int> PositionKeeper::lines_back(const std::deque<HistoryEntry>& entries) const {
    std::vector<int> back(entries.size(), -1);
    if (!replayer_.can_take()) return back;
    // The newest entry is the line shown last. What comes before a loaded game's divider
    // belongs to the story the player left.
    int lines = 0;
    for (std::size_t i = entries.size(); i-- > 0;) {
        if (entries[i].divider || form_.messages_shown() - lines < 1) break;
        back[i] = lines++;
    }
    return back;
}

void PositionKeeper::autosave() {
    if (data_folder_.empty() || form_.log().commands().empty()) return;
    Position position = replayer_.here();
    if (!replayer_.can_take()) {
        // Inside an animation: the line shown last in this command, or the arrival before it.
        const auto& commands = position.commands;
        position.at_line = position.message > commands.back().messages_before;
        if (!position.at_line) {
            position.message = commands.back().messages_before;
            position.lines = commands.back().lines_before;
            position.commands.pop_back();
        }
    }
    // Inside the first command's opening there is nothing yet to keep, and the slot may
    // still hold the last run's place.
    if (position.commands.empty()) return;
    write(kAutoSlot, position, true);
}

std::optional<std::filesystem::path> PositionKeeper::newest() const {
    std::error_code ec;
    std::optional<std::filesystem::path> found;
    std::filesystem::file_time_type when{};
    for (const auto& entry : std::filesystem::directory_iterator(data_folder_ / "saves", ec)) {
        if (entry.path().extension() != kSlotExtension) continue;
        const auto time = entry.last_write_time(ec);
        if (!ec && (!found || time > when)) {
            found = entry.path();
            when = time;
        }
    }
    return found;
}

QString PositionKeeper::notice() const {
    return notice_ != nullptr ? notice_->text() : QString();
}

bool PositionKeeper::write(const char* name, const Position& position, bool quietly) {
    if (data_folder_.empty()) return false;
    Slot slot = describe_slot(form_, position);
    slot.thumbnail_png = thumbnail(form_.picmain[0]);
    try {
        write_slot(slot_path(data_folder_, name), slot);
        return true;
    } catch (const FileError& failure) {
        std::fprintf(stderr, "hazama: %s\n", failure.what());
        if (!quietly) {
            QMessageBox box(QMessageBox::Warning, ui("ハザマ"), ui("セーブできませんでした"),
                            QMessageBox::Ok, &window_);
            box.setInformativeText(
                QString::fromStdString(failure.reason() + "\n" + failure.path()));
            platform_.exec_modal(box);
        }
        return false;
    }
}

void PositionKeeper::load(const std::filesystem::path& path) {
    if (!replayer_.can_take() || data_folder_.empty()) return;
    if (const auto slot = readable(path)) {
        // A program just started has not loaded its synthesizer yet: it loads beside the
        // replay rather than after it, before the restored line can show; so do the
        // pictures the replay will need.
        platform_.media().prepare();
        replayer_.prefetch(slot->pictures);
        restore(slot->position);
        tell(ui("ロードしました"));
    }
}

std::optional<Slot> PositionKeeper::readable(const std::filesystem::path& path) {
    std::string why;
    auto slot = read_slot(path, why);
    if (!slot) {
        // The dialog on top: the slot screen's when it is open.
        QWidget* over = QApplication::activeModalWidget();
        QMessageBox box(QMessageBox::Warning, ui("ハザマ"), ui("このセーブデータは読み込めません"),
                        QMessageBox::Ok, over != nullptr ? over : &window_);
        box.setInformativeText(QString::fromStdString(why + "\n" + path.string()));
        platform_.exec_modal(box);
    }
    return slot;
}

void PositionKeeper::open_slots(bool saving) {
    if (data_folder_.empty()) return;
    if (!replayer_.can_take() || (saving && at_title())) {
        tell(saving ? ui("ここではセーブできません") : ui("ここではロードできません"));
        return;
    }
    SlotScreen screen(
        &window_, saving ? SlotScreen::Mode::save : SlotScreen::Mode::load, data_folder_,
        {.save =
             [this](const std::string& name) {
                 return write(name.c_str(), replayer_.here(), false);
             },
         .loadable =
             [this](const std::filesystem::path& path) { return readable(path).has_value(); },
         .ask = [this](QMessageBox& box) { return platform_.exec_modal(box); }},
        slot_page_);
    // Auto and skip wait while the screen is open, as for the menu.
    form_.set_menu_open(true);
    platform_.exec_modal(screen);
    form_.set_menu_open(false);
    if (screen.page() > 0) slot_page_ = screen.page();
    if (screen.chosen()) load(*screen.chosen());
}

void PositionKeeper::restore(const Position& position) {
    platform_.run_script([this, position] { replayer_.request(position); });
}

void PositionKeeper::tell(const QString& text) {
    if (notice_ == nullptr) {
        notice_ = new QLabel(&window_);
        notice_->setObjectName(QStringLiteral("position_notice"));
        notice_->setStyleSheet(
            QStringLiteral("background: rgba(0, 0, 0, 160); color: white; "
                           "padding: 4px 10px; border-radius: 4px;"));
        notice_->move(16, 16);
    }
    notice_->setText(text);
    notice_->adjustSize();
    notice_->raise();
    notice_->show();
    QTimer::singleShot(kNoticeMs, notice_, [label = notice_, text] {
        if (label->text() == text) label->hide();
    });
}

}  // namespace hazama
