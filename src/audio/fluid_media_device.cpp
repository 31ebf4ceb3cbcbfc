// TEMPORARY: answers every command with "no synthesizer" until the FluidSynth device lands.
#include "audio/fluid_media_device.h"

#include "audio/media_errors.h"

namespace hazama {

struct FluidMediaDevice::Impl {};

FluidMediaDevice::FluidMediaDevice() = default;
FluidMediaDevice::~FluidMediaDevice() = default;

std::uint32_t FluidMediaDevice::send(const std::string&, std::string& reply) {
    reply.clear();
    return media_error::kNoSynthesizer;
}

bool FluidMediaDevice::error_text(std::uint32_t code, std::string& text) {
    return media_error::text_of(code, text);
}

}  // namespace hazama
