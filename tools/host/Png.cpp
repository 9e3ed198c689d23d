#include "Png.h"

#include <cstdlib>
#include <utility>

#include <zlib.h>

namespace {

// stb's own deflate writes fixed codes only (a black 800x600 screenshot took 14 KB); zlib's
// takes it to a few kilobytes. Its fastest level: a whole game's screenshots took most of the
// replay's time at the best compression, for files a sixth smaller. stb frees the buffer with free().
unsigned char* ZlibCompress(unsigned char* data, int size, int* outSize, int /*quality*/)
{
    uLongf length = compressBound(static_cast<uLong>(size));
    auto* out = static_cast<unsigned char*>(std::malloc(length));
    if (!out) return nullptr;
    if (compress2(out, &length, data, static_cast<uLong>(size), Z_BEST_SPEED) != Z_OK) {
        std::free(out);
        return nullptr;
    }
    *outSize = static_cast<int>(length);
    return out;
}

}  // namespace

// Debian's header-only stb_image_write frames the PNG, its functions private to this file.
#define STBIW_ZLIB_COMPRESS ZlibCompress
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb_image_write.h>
#define STBI_ONLY_PNG
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#include <stb_image.h>

bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb)
{
    if (width <= 0 || height <= 0 || rgb.size() != static_cast<size_t>(width) * height * 3) return false;
    return stbi_write_png(path.c_str(), width, height, 3, rgb.data(), width * 3) != 0;
}

bool ReadPng(const std::string& path, int& width, int& height, std::vector<uint8_t>& rgb)
{
    int channels = 0;
    unsigned char* pixels = stbi_load(path.c_str(), &width, &height, &channels, 3);
    if (!pixels) return false;
    rgb.assign(pixels, pixels + static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
    stbi_image_free(pixels);
    return true;
}

PngWriter::PngWriter() : worker([this] { Run(); }) {}

PngWriter::~PngWriter()
{
    {
        const std::lock_guard<std::mutex> hold(lock);
        stopping = true;
    }
    changed.notify_all();
    worker.join();
}

void PngWriter::Write(std::string path, int width, int height, std::vector<uint8_t> rgb)
{
    {
        const std::lock_guard<std::mutex> hold(lock);
        jobs.push_back({std::move(path), width, height, std::move(rgb)});
    }
    changed.notify_all();
}

std::vector<std::string> PngWriter::Finish()
{
    std::unique_lock<std::mutex> hold(lock);
    changed.wait(hold, [this] { return jobs.empty() && !busy; });
    return std::exchange(failed, {});
}

void PngWriter::Run()
{
    std::unique_lock<std::mutex> hold(lock);
    for (;;) {
        changed.wait(hold, [this] { return stopping || !jobs.empty(); });
        if (jobs.empty()) return;  // stopping, and everything written
        Job job = std::move(jobs.front());
        jobs.pop_front();
        busy = true;
        hold.unlock();
        const bool wrote = WritePng(job.path, job.width, job.height, job.rgb);
        hold.lock();
        busy = false;
        if (!wrote) failed.push_back(job.path);
        changed.notify_all();
    }
}
