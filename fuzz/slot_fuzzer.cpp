// Fuzz target for the slot reader: any text is refused with a reason or gives a slot whose
// every command and count passes the checks a slot is written under, that writes again
// and reads back the same, and that reads from disk as it decodes.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "replay/slot_check.h"
#include "replay/slot_file.h"

using hazama::fuzz::expect;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace hazama;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string why;
    const auto slot = decode_slot(text, why);
    if (!slot) {
        expect(!why.empty(), "a refusal says why");
    } else {
        std::string check;
        expect(position_ok(slot->position, check), "what is read passes the writer's checks");
        for (const std::string& picture : slot->pictures)
            expect(listed_picture_ok(picture), "only pictures of gra/ listed");
        expect(slot->thumbnail_png.empty() || slot->thumbnail_png.starts_with("\x89PNG"),
               "the thumbnail is a PNG");
        const std::string again = encode_slot(*slot);
        const auto reread = decode_slot(again, why);
        expect(reread.has_value(), "what was read writes again and reads back");
        expect(reread->position == slot->position && reread->pictures == slot->pictures &&
                   reread->thumbnail_png == slot->thumbnail_png,
               "the same slot");
        expect(encode_slot(*reread) == again, "written the same twice");
    }
    const std::string& file = hazama::fuzz::scratch("slot-fuzzer.hzs");
    hazama::fuzz::write_input(file, data, size);
    std::string from_disk;
    expect(read_slot(file, from_disk).has_value() == slot.has_value(),
           "the file reads as the text decodes");
    return 0;
}
