// Fuzz target for the settings file's reader: any text gives values that write out and
// read back the same, with names of letters, digits and '_' only, and the file on disk
// reads as the text parses.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "platform/settings_file.h"

using hazama::fuzz::expect;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace hazama;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SettingValues values = parse_settings(text);
    for (const auto& [name, value] : values) {
        expect(!name.empty() &&
                   name.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLM"
                                          "NOPQRSTUVWXYZ0123456789_") == std::string::npos,
               "a plain name");
        expect(value.find_first_of("\r\n") == std::string::npos, "a value on one line");
    }
    const std::string written = encode_settings(values);
    expect(parse_settings(written) == values, "the values read back as written");
    expect(encode_settings(parse_settings(written)) == written, "written the same twice");
    const std::string& file = hazama::fuzz::scratch("settings-fuzzer.ini");
    hazama::fuzz::write_input(file, data, size);
    const SettingValues from_disk = read_settings_file(file);
    expect(size > kLargestSettingsFile ? from_disk.empty() : from_disk == values,
           "the file reads as the text parses");
    return 0;
}
