// The real media device as the game uses it: the FluidSynth device, loaded from its module
// (hazama-fluid.so) when the first piece is opened rather than at start-up.
#pragma once

#include <filesystem>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "audio/media_device.h"

namespace hazama {

class ModuleMediaDevice : public MediaDevice {
  public:
    struct Options {
        // The module is the first hazama-fluid.so found in these folders.
        std::vector<std::filesystem::path> folders;
        // Where the synthesizer looks for its SoundFonts; empty: its own default.
        std::string soundfont_folder;
        // Render in real time without touching the sound card (tests).
        bool silent = false;
    };
    explicit ModuleMediaDevice(Options options);
    ~ModuleMediaDevice() override;
    ModuleMediaDevice(const ModuleMediaDevice&) = delete;
    ModuleMediaDevice& operator=(const ModuleMediaDevice&) = delete;

    // Without a module that loads, every command answers "no synthesizer" (the game plays on
    // without music) and one line on standard error says why.
    std::uint32_t send(const std::string& command, std::string& reply) override;
    bool error_text(std::uint32_t code, std::string& text) override;
    void set_volume(int percent) override;
    // Loads the module, makes the device and starts its synthesizer on a thread of its own;
    // the first command waits for it.
    void prepare() override;

    // The file name of the module.
    static constexpr const char* kModuleName = "hazama-fluid.so";

  private:
    // The device, loading the module the first time; nullptr when it cannot be loaded.
    MediaDevice* device();
    // Loads the module and makes the device (device_, module_), or says why not.
    void load();

    Options options_;
    void* module_ = nullptr;
    std::unique_ptr<MediaDevice> device_;
    bool tried_ = false;
    std::future<void> loading_;  // prepare's load, until the first command waits for it
    int volume_ = 100;
};

}  // namespace hazama
