#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>

#include "foundation/core/Wire.h"
#include "scene/core/SoundTables.h"

namespace fs = std::filesystem;

namespace {

struct Sound {
    int channels = 0;
    int rate = 0;
    std::vector<int16_t> pcm;
};

std::vector<uint8_t> ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::optional<Sound> DecodeOgg(const fs::path& path)
{
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0) return std::nullopt;
    const vorbis_info* info = ov_info(&file, -1);
    Sound s{info->channels, static_cast<int>(info->rate), {}};
    char buffer[4096];
    int section = 0;
    for (;;) {
        const int64_t n = ov_read(&file, buffer, sizeof buffer, 0, 2, 1, &section);
        if (n <= 0) break;
        for (int64_t i = 0; i + 1 < n; i += 2)
            s.pcm.push_back(static_cast<int16_t>(LoadLE16(reinterpret_cast<const uint8_t*>(buffer + i))));
    }
    ov_clear(&file);
    return s;
}

// Only the layout the module's loader takes: "fmt " of 16-bit PCM, then "data".
std::optional<Sound> DecodeWave(const fs::path& path)
{
    const std::vector<uint8_t> b = ReadBytes(path);
    if (b.size() < 44 || std::string(b.begin(), b.begin() + 4) != "RIFF" || std::string(b.begin() + 8, b.begin() + 16) != "WAVEfmt ")
        return std::nullopt;
    if (LoadLE16(&b[20]) != 1 || LoadLE16(&b[34]) != 16 || std::string(b.begin() + 36, b.begin() + 40) != "data") return std::nullopt;
    const uint32_t bytes = LoadLE32(&b[40]);
    if (bytes > b.size() - 44 || LoadLE32(&b[4]) != b.size() - 8) return std::nullopt;
    Sound s{LoadLE16(&b[22]), static_cast<int>(LoadLE32(&b[24])), {}};
    for (uint32_t i = 0; i + 1 < bytes; i += 2) s.pcm.push_back(static_cast<int16_t>(LoadLE16(&b[44 + i])));
    return s;
}

std::optional<Sound> Decode(const fs::path& path)
{
    return path.extension() == ".wav" ? DecodeWave(path) : DecodeOgg(path);
}

// The pitch from the upward zero crossings, placed between samples, leaving out the fades at
// both ends. Coding noise can add or hide a crossing, so each gap between crossings counts as
// the whole number of typical periods nearest to it.
double PitchOf(const Sound& s)
{
    std::vector<double> crossings;
    const size_t fade = static_cast<size_t>(s.rate / 50);
    for (size_t i = fade + 1; i + fade < s.pcm.size(); ++i) {
        const int a = s.pcm[i - 1], b = s.pcm[i];
        if (a < 0 && b >= 0) crossings.push_back(double(i - 1) + double(-a) / double(b - a));
    }
    if (crossings.size() < 3) return 0;
    std::vector<double> gaps;
    for (size_t i = 1; i < crossings.size(); ++i) gaps.push_back(crossings[i] - crossings[i - 1]);
    std::vector<double> sorted = gaps;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
    const double period = sorted[sorted.size() / 2];
    double cycles = 0;
    for (const double gap : gaps) cycles += std::round(gap / period);
    return cycles * s.rate / (crossings.back() - crossings.front());
}

// Pitches of different files, sorted: each must stand clear of its neighbour.
double SmallestGap(std::vector<double> pitches)
{
    std::sort(pitches.begin(), pitches.end());
    double gap = 1e9;
    for (size_t i = 1; i < pitches.size(); ++i) gap = std::min(gap, pitches[i] - pitches[i - 1]);
    return gap;
}

std::string Slashed(std::string path)
{
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

}  // namespace

class GeneratedSounds : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* root = std::getenv("MIRELLE_ASSETS");
        ASSERT_NE(root, nullptr) << "MIRELLE_ASSETS names the builder's output folder";
        game = root;
        sounds = game / "GameSound";
    }

    // Decodes the file and checks it is a short mono tone at 22050 Hz; answers its pitch, 0 on failure.
    double CheckTone(const std::string& relative, double shortest, double longest)
    {
        const auto sound = Decode(sounds / Slashed(relative));
        if (!sound) {
            ADD_FAILURE() << relative << " is missing or does not decode";
            return 0;
        }
        EXPECT_EQ(sound->channels, 1) << relative;
        EXPECT_EQ(sound->rate, 22050) << relative;
        const double seconds = double(sound->pcm.size()) / 22050;
        EXPECT_GE(seconds, shortest) << relative;
        EXPECT_LE(seconds, longest) << relative;
        const double pitch = PitchOf(*sound);
        EXPECT_GT(pitch, 20) << relative << " holds no tone";
        return pitch;
    }

    fs::path game, sounds;
};

TEST_F(GeneratedSounds, EveryEffectIdIsAShortToneOfAPitchOfItsOwn)
{
    std::set<std::string> names;
    std::vector<double> pitches;
    for (int id = 0; id < SoundTables::kEffectCount; ++id) {
        const std::string name = SoundTables::EffectFileName(id);
        ASSERT_FALSE(name.empty()) << id;
        const double pitch = CheckTone(name, 0.15, 0.3);
        if (names.insert(name).second) pitches.push_back(pitch);
    }
    EXPECT_EQ(names.size(), 112u) << "ids 86 and 87 share one file";
    EXPECT_GT(SmallestGap(pitches), 10) << "two effect files sound alike";
}

TEST_F(GeneratedSounds, VoiceFoldersHoldExactlyTheTablesPhrases)
{
    using SoundTables::Voice;
    std::set<std::string> expected;
    for (const Voice voice : {Voice::Male, Voice::Female})
        for (int type = 0; type < 4; ++type)
            for (int cue = 10000; cue <= 10055; ++cue)
                for (int v = 1; v <= SoundTables::GetVoiceCue(cue).variants; ++v)
                    expected.insert(Slashed(SoundTables::VoicePath(voice, type, SoundTables::GetVoiceCue(cue).name, v)));
    for (int cue = 10000; cue <= 10020; ++cue)
        for (int v = 1; v <= 2; ++v)
            expected.insert(Slashed(SoundTables::VoicePath(Voice::Robot, 0, SoundTables::GetVoiceCue(cue).name, v)));
    EXPECT_EQ(expected.size(), 8u * 145 + 42) << "the cue table changed: 145 phrase files per voice, 42 robot ones";

    std::set<std::string> found;
    for (const char* folder : {"Male1", "Male2", "Male3", "Male4", "Female1", "Female2", "Female3", "Female4", "Robot"}) {
        ASSERT_TRUE(fs::is_directory(sounds / folder)) << folder;
        for (const auto& file : fs::directory_iterator(sounds / folder))
            found.insert(std::string(folder) + "/" + file.path().filename().string());
    }
    EXPECT_EQ(found, expected);

    std::vector<double> pitches;
    for (const std::string& path : expected) pitches.push_back(CheckTone(path, 0.15, 0.3));
    EXPECT_GT(SmallestGap(pitches), 3) << "two phrase files sound alike";
}

TEST_F(GeneratedSounds, MissionMusicOutlastsTheStreamBuffer)
{
    for (const char* name : {"kungjjak_bgm1.ogg", "kungjjak_bgm2.ogg"}) CheckTone(name, 4.5, 60);
}

TEST_F(GeneratedSounds, PortalIniNamesTheService)
{
    const std::vector<uint8_t> bytes = ReadBytes(game / "common" / "vexor_24.ini");
    const std::string text(bytes.begin(), bytes.end());
    ASSERT_EQ(text.rfind("[SERVICEINFO]\r\n", 0), 0u) << text;
    const struct {
        const char* key;
        const char* value;
    } keys[] = {{"sDllVer", "20110927"}, {"sCompany", "Ostrel"}, {"sDomainName", "Vexor"}};
    for (const auto& k : keys)
        EXPECT_NE(text.find(std::string("\r\n") + k.key + "=" + k.value + "\r\n"), std::string::npos) << k.key << " in\n" << text;
}
