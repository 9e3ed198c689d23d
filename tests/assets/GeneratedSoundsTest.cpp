#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>

#include "foundation/core/Wire.h"
#include "scene/core/SoundTables.h"
#include "sound/core/OggDecoder.h"
#include "sound/core/RiffWave.h"

namespace fs = std::filesystem;

namespace {

struct Sound { PcmFormat format; std::vector<int16_t> pcm; };

// Through the module's own readers, as it will load the file: 16-bit PCM from a WAVE or an Ogg file.
std::optional<Sound> Decode(const fs::path& path)
{
    auto file = std::make_unique<FileSource>();
    if (!file->Open(path.string())) return std::nullopt;
    std::vector<uint8_t> bytes;
    Sound s;
    if (path.extension() == ".wav") {
        const auto layout = ParseRiffWave(*file);
        if (!layout || layout->dataAvailable != layout->dataSize || layout->format.pcm.bitsPerSample != 16) return std::nullopt;
        s.format = layout->format.pcm;
        bytes.resize(layout->dataAvailable);
        bytes.resize(file->ReadAt(layout->dataOffset, bytes.data(), bytes.size()));
    } else {
        OggDecoder ogg;
        if (!ogg.Open(std::move(file))) return std::nullopt;
        s.format = ogg.Format();
        bytes.resize(ogg.TotalBytes());
        bytes.resize(ogg.Read(bytes.data(), ogg.TotalBytes()));
    }
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) s.pcm.push_back(static_cast<int16_t>(LoadLE16(&bytes[i])));
    return s;
}

// The pitch from the upward zero crossings, placed between samples, leaving out the fades at
// both ends. Coding noise can add or hide a crossing, so each gap between crossings counts as
// the whole number of typical periods nearest to it.
double PitchOf(const Sound& s)
{
    std::vector<double> crossings;
    const size_t fade = s.format.samplesPerSec / 50;
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
    return cycles * s.format.samplesPerSec / (crossings.back() - crossings.front());
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
        EXPECT_EQ(sound->format, Pcm16Format(1, 22050)) << relative;
        const double seconds = double(sound->pcm.size()) / 22050;
        EXPECT_TRUE(seconds >= shortest && seconds <= longest) << relative << " lasts " << seconds << " s";
        const double pitch = PitchOf(*sound);
        EXPECT_GT(pitch, 20) << relative << " holds no tone";
        return pitch;
    }

    fs::path game, sounds;
};

TEST_F(GeneratedSounds, EveryEffectIdIsAShortToneOfAPitchOfItsOwnAndMusicOutlastsTheStreamBuffer)
{
    std::set<std::string> names;
    std::vector<double> pitches;
    for (int id = 0; id < SoundTables::kEffectCount; ++id) {
        const std::string name = SoundTables::EffectFileName(id);  // an empty name does not decode
        const double pitch = CheckTone(name, 0.15, 0.3);
        if (names.insert(name).second) pitches.push_back(pitch);
    }
    EXPECT_EQ(names.size(), 112u) << "ids 86 and 87 share one file";
    EXPECT_GT(SmallestGap(pitches), 10) << "two effect files sound alike";
    for (const char* name : {"kungjjak_bgm1.ogg", "kungjjak_bgm2.ogg"}) CheckTone(name, 4.5, 60);
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

TEST_F(GeneratedSounds, PortalIniNamesTheService)
{
    FileSource file;
    ASSERT_TRUE(file.Open((game / "common" / "vexor_24.ini").string()));
    std::string text(file.Size(), '\0');
    text.resize(file.ReadAt(0, text.data(), text.size()));
    ASSERT_EQ(text.rfind("[SERVICEINFO]\r\n", 0), 0u) << text;
    const struct { const char* key; const char* value; } keys[] = {{"sDllVer", "20110927"}, {"sCompany", "Ostrel"}, {"sDomainName", "Vexor"}};
    for (const auto& k : keys)
        EXPECT_NE(text.find(std::string("\r\n") + k.key + "=" + k.value + "\r\n"), std::string::npos) << k.key << " in\n" << text;
}
