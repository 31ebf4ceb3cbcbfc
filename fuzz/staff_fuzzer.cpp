// Fuzz target for the staff file reader: any text must split into items that hold no line
// end, read the same from disk as from memory, and give credits without faults.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "sequences/staff_file.h"

namespace {

using hazama::fuzz::expect;

const std::string& scratch() {
    static const std::string path = hazama::fuzz::scratch_file("staff-fuzzer.txt");
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace hazama;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto items = parse_list_items(text);
    expect(items.size() <= size + 1, "no more items than separators");
    const bool quoted = text.find('"') != std::string_view::npos;
    for (const std::string& item : items) {
        expect(item.find_first_of("\r\n") == std::string::npos, "an item within one line");
        expect(item.size() <= size, "an item from the text");
        if (!quoted) {
            expect(item.find(',') == std::string::npos, "a comma ends an unquoted item");
            expect(item.empty() || (item.front() != ' ' && item.front() != '\t' &&
                                    item.back() != ' ' && item.back() != '\t'),
                   "an unquoted item loses its blanks at both ends");
        }
    }
    // Every item as a role, for the first few (each look-up scans the whole list).
    for (std::size_t i = 0; i < items.size() && i < 16; ++i)
        expect(credit_after(items, items[i]).size() <= size, "a credit from the text");

    hazama::fuzz::write_input(scratch(), data, size);
    expect(read_staff_items(scratch()) == items, "the file reads as the text splits");
    return 0;
}
