#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "AssetBuilder.h"
#include "Manifest.h"

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
    AssetBuilder builder;
    const std::filesystem::path root = argv[2];
    for (const ManifestEntry& e : *entries) {
        AssetBuilder::Output out;
        if (!builder.Build(e, out, error)) {
            std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
            return 1;
        }
        std::string relative = out.path;
        for (char& c : relative)
            if (c == '\\') c = '/';
        const std::filesystem::path file = root / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream o(file, std::ios::binary);
        o.write(reinterpret_cast<const char*>(out.bytes.data()), static_cast<std::streamsize>(out.bytes.size()));
        if (!o) {
            std::fprintf(stderr, "cannot write %s\n", file.string().c_str());
            return 1;
        }
    }
    std::printf("%zu resources written under %s\n", entries->size(), argv[2]);
    return 0;
}
