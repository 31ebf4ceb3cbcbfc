// The media device loaded from the synthesizer module (module_media_device.h).
#include "audio/module_media_device.h"

#include <dlfcn.h>

#include <cstdio>
#include <system_error>

#include "audio/media_command.h"
#include "audio/media_errors.h"

namespace hazama {

ModuleMediaDevice::ModuleMediaDevice(Options options) : options_(std::move(options)) {}

ModuleMediaDevice::~ModuleMediaDevice() {
    if (loading_.valid()) loading_.wait();
    // The device's code lives in the module: it goes first. The module itself stays mapped
    // (its threads' last frames and static destructors may still need it at exit).
    device_.reset();
}

void ModuleMediaDevice::prepare() {
    if (tried_) return;
    tried_ = true;
    loading_ = std::async(std::launch::async, [this] {
        load();
        // The synthesizer and its SoundFont too: the first piece is what takes longest.
        if (device_ != nullptr) device_->prepare();
    });
}

MediaDevice* ModuleMediaDevice::device() {
    if (!tried_) {
        tried_ = true;
        load();
    } else if (loading_.valid()) {
        loading_.get();
    } else {
        return device_.get();
    }
    if (device_ != nullptr && volume_ != 100) device_->set_volume(volume_);
    return device_.get();
}

void ModuleMediaDevice::load() {
    std::string why = "not found";
    for (const auto& folder : options_.folders) {
        const std::filesystem::path path = folder / kModuleName;
        std::error_code error;
        if (!std::filesystem::exists(path, error)) continue;
        module_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module_ == nullptr) {
            const char* text = dlerror();
            why = text != nullptr ? text : path.string();
            continue;
        }
        using Make = MediaDevice* (*)(const char*, int);
        auto make = reinterpret_cast<Make>(dlsym(module_, "hazama_new_fluid_device"));
        if (make == nullptr) {
            why = path.string() + ": not the game's synthesizer module";
            continue;
        }
        device_.reset(
            make(options_.soundfont_folder.empty() ? nullptr : options_.soundfont_folder.c_str(),
                 options_.silent ? 1 : 0));
        return;
    }
    std::fprintf(stderr, "hazama: no music: the synthesizer module %s: %s\n", kModuleName,
                 why.c_str());
}

std::uint32_t ModuleMediaDevice::send(const std::string& command, std::string& reply) {
    // Until the first piece is opened, nothing is open: the loop watcher's polls and the
    // closes before the first piece are answered as the device would answer them, without
    // loading the synthesizer before the title screen is drawn.
    if (!tried_ || loading_.valid()) {
        const MediaCommand cmd = parse_media_command(command);
        if (cmd.kind != MediaCommand::Kind::open) {
            reply.clear();
            return cmd.kind == MediaCommand::Kind::unknown ? media_error::kUnknownCommand
                                                           : media_error::kNotOpen;
        }
    }
    if (MediaDevice* d = device()) return d->send(command, reply);
    reply.clear();
    return media_error::kNoSynthesizer;
}

bool ModuleMediaDevice::error_text(std::uint32_t code, std::string& text) {
    if (loading_.valid()) loading_.wait();
    if (device_ != nullptr) return device_->error_text(code, text);
    return media_error::text_of(code, text);
}

void ModuleMediaDevice::set_volume(int percent) {
    volume_ = percent;
    // Before the first command (or while the device is made) the volume waits for it.
    if (!loading_.valid() && device_ != nullptr) device_->set_volume(percent);
}

}  // namespace hazama
