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

}  // namespace

// mirelle_assets MANIFEST OUTPUT_FOLDER: generates every resource the manifest lists.
int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s manifest output-folder\n", argv[0]);
        return 2;
    }
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
        }
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::printf("%zu files (%zu KiB) written under %s in %d ms\n", files, bytes / 1024, argv[2],
                static_cast<int>(ms.count()));
    return 0;
}
