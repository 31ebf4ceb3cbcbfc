// The built music against the code that plays it: every piece the code names is there, and
// every MIDI file parses and plays for as long as its piece was written for.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "assets/game_data.h"
#include "platform/asset_path.h"

namespace hazama {
namespace {

using namespace game_data;

std::set<std::string> music_named_by_code() {
    std::set<std::string> names;
    collect(code_in({"scenario", "sequences", "graphics"}),
            std::regex(R"re(\bmusic\s*\(\s*"([^"]+)")re"), "", "", names);
    names.erase("0");  // silence
    return names;
}

TEST(GameData, EveryPieceOfMusicTheCodeNamesIsThere) {
    const std::set<std::string> names = music_named_by_code();
    ASSERT_FALSE(names.empty()) << "no music names found in src/";
    for (const std::string& name : names) {
        const fs::path file = find_asset(built(), "music/" + name + ".mid");
        EXPECT_TRUE(fs::exists(file)) << "missing: " << file;
    }
}

// SMF chunks: the header and as many track chunks as it announces, all inside the file.
bool parses_as_midi(const std::string& data, std::string& why) {
    auto be = [&](std::size_t at, int bytes) {
        unsigned long v = 0;
        for (int i = 0; i < bytes; ++i) v = (v << 8) | static_cast<unsigned char>(data[at + i]);
        return v;
    };
    if (data.size() < 14 || data.compare(0, 4, "MThd") != 0 || be(4, 4) != 6) {
        why = "no MThd header";
        return false;
    }
    const unsigned long format = be(8, 2), tracks = be(10, 2);
    if (format > 1 || tracks == 0) {
        why = "format " + std::to_string(format) + " with " + std::to_string(tracks) + " tracks";
        return false;
    }
    std::size_t at = 14;
    for (unsigned long t = 0; t < tracks; ++t) {
        if (at + 8 > data.size() || data.compare(at, 4, "MTrk") != 0) {
            why = "track " + std::to_string(t + 1) + " missing";
            return false;
        }
        at += 8 + be(at + 4, 4);
        if (at > data.size()) {
            why = "track " + std::to_string(t + 1) + " runs past the end";
            return false;
        }
    }
    return true;
}

// Runs the music tools' length reader on the files; false when it fails.
bool run_length_reader(const std::vector<fs::path>& files, std::string& output) {
    std::string command = "python3 '" + (source() / "tools/assets/midi_length.py").string() + "'";
    for (const fs::path& f : files) command += " '" + f.string() + "'";
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return false;
    output.clear();
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
    return pclose(pipe) == 0;
}

// Playing lengths in seconds by file. All files are read in one run; when the reader
// fails on one of them, each is read on its own so the broken one is named and the others
// are still measured.
std::map<fs::path, double> lengths_of(const std::vector<fs::path>& files) {
    std::map<fs::path, double> lengths;
    std::string output;
    if (files.size() > 1 && run_length_reader(files, output)) {
        std::istringstream lines(output);
        for (std::string line; std::getline(lines, line);) {
            const auto tab = line.find('\t');
            if (tab != std::string::npos) lengths[line.substr(tab + 1)] = std::stod(line);
        }
        return lengths;
    }
    for (const fs::path& f : files) {
        if (run_length_reader({f}, output)) {
            lengths[f] = std::stod(output);
        } else {
            ADD_FAILURE() << f.filename() << ": the length reader failed:\n" << output;
        }
    }
    return lengths;
}

// Each piece loops a minute or more, up_mode2 (heard in ten scenes) two minutes or more;
// the chime s-Cha plays once within its five-second pause.
TEST(GameData, EveryMidiFileParsesAndLastsAsWritten) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(built() / "music")) {
        if (entry.path().extension() == ".mid") files.push_back(entry.path());
    }
    ASSERT_FALSE(files.empty());
    for (const fs::path& f : files) {
        std::string why;
        EXPECT_TRUE(parses_as_midi(read_file(f), why)) << f.filename() << ": " << why;
    }
    ASSERT_TRUE(fs::exists(source() / "tools/assets/midi_length.py"));
    const std::map<fs::path, double> lengths = lengths_of(files);
    for (const auto& [f, seconds] : lengths) {
        SCOPED_TRACE(f.filename().string());
        std::string stem = f.stem().string();
        std::transform(stem.begin(), stem.end(), stem.begin(), ::tolower);
        if (stem == "s-cha") {
            EXPECT_GE(seconds, 2.0);
            EXPECT_LE(seconds, 5.0);
        } else {
            EXPECT_GE(seconds, stem == "up_mode2" ? 120.0 : 60.0);
            EXPECT_LE(seconds, 180.0);
        }
    }
}
}  // namespace
}  // namespace hazama
