// Fuzz target for the read record's loader: any bytes in read.dat must read as a record or
// as nothing read, never stop the game, and a file that cannot be read must not be replaced
// by a shorter record that would lose what it held.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "reading/read_record.h"

namespace {

using hazama::fuzz::expect;
namespace fs = std::filesystem;

const fs::path& folder() {
    static const fs::path path = [] {
        fs::path p = hazama::fuzz::scratch_file("read-record-fuzzer");
        fs::create_directories(p);
        return p;
    }();
    return path;
}

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using hazama::ReadRecord;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto lines = ReadRecord::decode(bytes);
    if (lines) {
        expect(lines->size() * 8 + 20 <= size, "no more lines than the file holds");
        expect(ReadRecord::decode(ReadRecord::encode(*lines)) == lines, "round trip");
    }

    const fs::path file = folder() / ReadRecord::kFileName;
    hazama::fuzz::write_input(file.string(), data, size);
    ReadRecord record(folder());
    expect(record.size() == (lines ? lines->size() : 0), "the file reads as it decodes");
    record.mark("新しい行", 0);
    const bool saved = record.save();
    const std::string after = contents(file);
    if (saved) {
        const auto kept = ReadRecord::decode(after);
        expect(kept.has_value(), "a written record reads back");
        expect(kept->contains(ReadRecord::hash("新しい行")), "the new line is kept");
        if (lines)
            for (std::uint64_t h : *lines) expect(kept->contains(h), "old lines are kept");
        expect(lines || after.size() >= size, "an unreadable file gives way only to no less");
    } else {
        expect(!lines && after == bytes, "a refused write leaves the file as it was");
        expect(ReadRecord::encode({ReadRecord::hash("新しい行")}).size() < size,
               "only a longer unreadable file is kept");
    }
    expect(!fs::exists(folder() / "read.dat.new"), "no temporary file left");
    return 0;
}
