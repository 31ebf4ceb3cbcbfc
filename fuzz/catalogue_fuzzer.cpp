// Fuzz target for the translation catalogue's reader: any bytes are read as a catalogue or
// refused with a reason, never by an exception, and what is read holds no more texts than
// the file has room for.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "text/catalogue.h"

using hazama::fuzz::expect;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace hazama;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Catalogue catalogue;
    std::string error;
    const bool read = catalogue.parse(bytes, error);
    if (read) {
        // Each entry takes two table places of 8 bytes.
        expect(catalogue.size() <= size / 8, "no more texts than the tables hold");
    } else {
        expect(catalogue.size() == 0 && !error.empty(), "a refusal keeps nothing and says why");
    }
    const std::string& file = hazama::fuzz::scratch("catalogue-fuzzer.mo");
    hazama::fuzz::write_input(file, data, size);
    Catalogue loaded;
    expect(loaded.load(file, error) == read && loaded.size() == catalogue.size(),
           "the file reads as the bytes parse");
    return 0;
}
