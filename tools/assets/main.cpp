#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "AssetBuilder.h"
#include "Manifest.h"

namespace {

bool WriteOutput(const std::filesystem::path& root, const AssetBuilder::Output& out)
{
    std::string relative = out.path;
    for (char& c : relative)
        if (c == '\\') c = '/';
    const std::filesystem::path file = root / relative;
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    std::ofstream o(file, std::ios::binary);
    o.write(reinterpret_cast<const char*>(out.bytes.data()), static_cast<std::streamsize>(out.bytes.size()));
    if (!o) std::fprintf(stderr, "cannot write %s\n", file.string().c_str());
    return static_cast<bool>(o);
}

constexpr const char* kStamp = "generated.stamp";  // the files written, one relative path a line

// The folder is up to date when its stamp is newer than the manifest and this program and every
// file the stamp lists is still there.
bool UpToDate(const std::filesystem::path& manifest, const std::filesystem::path& root)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path stamp = root / kStamp;
    const auto stamped = fs::last_write_time(stamp, ec);
    if (ec || stamped < fs::last_write_time(manifest, ec) || ec) return false;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && stamped < fs::last_write_time(self, ec)) return false;
    std::ifstream list(stamp);
    std::string file;
    while (std::getline(list, file))
        if (!fs::exists(root / file, ec)) {
            std::printf("%s is missing: generating the folder again\n", (root / file).string().c_str());
            return false;
        }
    return true;
}

}  // namespace

// mirelle_assets [--if-needed] MANIFEST OUTPUT_FOLDER: generates every resource the manifest
// lists; with --if-needed only when the folder is not up to date.
int main(int argc, char** argv)
{
    const bool ifNeeded = argc == 4 && std::string(argv[1]) == "--if-needed";
    if (ifNeeded) ++argv, --argc;
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s [--if-needed] manifest output-folder\n", argv[0]);
        return 2;
    }
    if (ifNeeded && UpToDate(argv[1], argv[2])) return 0;
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    std::stringstream text;
    text << in.rdbuf();
    std::string error;
    const auto entries = ParseManifest(text.str(), error);
    if (!entries) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    AssetBuilder builder;
    const std::filesystem::path root = argv[2];
    size_t files = 0, bytes = 0;
    std::string written;
    for (const ManifestEntry& e : *entries) {
        std::vector<AssetBuilder::Output> outputs;
        if (!builder.Build(e, outputs, error)) {
            std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
            return 1;
        }
        for (const AssetBuilder::Output& out : outputs) {
            if (!WriteOutput(root, out)) return 1;
            ++files;
            bytes += out.bytes.size();
            std::string relative = out.path;
            for (char& c : relative)
                if (c == '\\') c = '/';
            written += relative + "\n";
        }
    }
    if (!WriteOutput(root, {kStamp, std::vector<uint8_t>(written.begin(), written.end())})) return 1;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::printf("%zu files (%zu KiB) written under %s in %d ms\n", files, bytes / 1024, argv[2],
                static_cast<int>(ms.count()));
    return 0;
}
