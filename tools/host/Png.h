#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Writes 24-bit RGB pixels (top-down rows, 3 bytes a pixel) as a compressed PNG file; true on
// success.
bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);

// Reads a PNG file as 24-bit RGB pixels (alpha dropped, grey widened); false when it cannot.
bool ReadPng(const std::string& path, int& width, int& height, std::vector<uint8_t>& rgb);

// Writes PNG files in order on a thread of its own, so that a replay does not wait while its
// screenshots are encoded. The pixels are the caller's copy; what is on disk follows later.
class PngWriter {
public:
    PngWriter();
    ~PngWriter();  // waits until every file is written
    PngWriter(const PngWriter&) = delete;
    PngWriter& operator=(const PngWriter&) = delete;

    void Write(std::string path, int width, int height, std::vector<uint8_t> rgb);
    // Waits until every file queued so far is written; the paths that could not be, in order.
    std::vector<std::string> Finish();

private:
    struct Job {
        std::string path;
        int width = 0, height = 0;
        std::vector<uint8_t> rgb;
    };
    void Run();

    std::mutex lock;
    std::condition_variable changed;
    std::deque<Job> jobs;
    bool busy = false;  // a job is being written
    bool stopping = false;
    std::vector<std::string> failed;
    std::thread worker;  // last: starts once the rest is made
};
