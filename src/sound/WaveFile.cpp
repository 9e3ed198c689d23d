#include "sound/WaveFile.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "foundation/Debug.h"
#include "sound/SoundBuffer.h"
#include "sound/core/RiffWave.h"

namespace {

// The chunk walker reads an open mmio file through this.
class MmioSource : public ByteSource {
public:
    explicit MmioSource(HMMIO h) : mmio(h)
    {
        const LONG end = mmioSeek(mmio, 0, SEEK_END);
        size = end > 0 ? static_cast<uint64_t>(end) : 0;
    }
    size_t ReadAt(uint64_t offset, void* dst, size_t n) override
    {
        if (offset >= size || mmioSeek(mmio, static_cast<LONG>(offset), SEEK_SET) != static_cast<LONG>(offset))
            return 0;
        const LONG got = mmioRead(mmio, static_cast<HPSTR>(dst), static_cast<LONG>(std::min<uint64_t>(n, size - offset)));
        return got > 0 ? static_cast<size_t>(got) : 0;
    }
    uint64_t Size() const override { return size; }

private:
    HMMIO mmio;
    uint64_t size = 0;
};

}  // namespace

WaveFile::~WaveFile()
{
    Close();
}

HRESULT WaveFile::OpenFile(const std::string& p)
{
    Close();
    path = p;
    auto file = std::make_unique<FileSource>();
    if (!file->Open(p)) {
        // No such file: the executable may carry the sound as a resource of that name.
        if (!OpenResourceCopy(p)) return E_FAIL;
        return ParseWave();
    }
    char magic[4] = {};
    if (file->ReadAt(0, magic, 4) != 4) return E_FAIL;
    if (std::memcmp(magic, "RIFF", 4) == 0) {
        file.reset();
        return OpenWave(p);
    }
    if (std::memcmp(magic, "OggS", 4) != 0) return E_FAIL;
    if (clip.Decode(*file)) {
        mode = Mode::Clip;
        SetFormat({clip.Format(), {}});
        dataSize = static_cast<DWORD>(clip.Pcm().size());
        clipAt = 0;
        return S_OK;
    }
    if (!ogg.Open(std::move(file))) return E_FAIL;
    mode = Mode::Ogg;
    SetFormat({ogg.Format(), {}});
    dataSize = ogg.TotalBytes();
    return S_OK;
}

HRESULT WaveFile::OpenWave(const std::string& p)
{
    std::string name = p;
    mmio = mmioOpenA(name.data(), nullptr, MMIO_READ | MMIO_ALLOCBUF);
    if (!mmio) return E_FAIL;
    return ParseWave();
}

bool WaveFile::OpenResourceCopy(const std::string& name)
{
    const HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, name.c_str(), "WAVE");
    if (!found) found = FindResourceA(module, name.c_str(), "WAV");
    if (!found) return false;
    const DWORD size = SizeofResource(module, found);
    const HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes || size == 0) return false;
    resourceCopy.assign(static_cast<const BYTE*>(bytes), static_cast<const BYTE*>(bytes) + size);
    MMIOINFO info{};
    info.fccIOProc = FOURCC_MEM;
    info.pchBuffer = reinterpret_cast<HPSTR>(resourceCopy.data());
    info.cchBuffer = static_cast<LONG>(size);
    mmio = mmioOpenA(nullptr, &info, MMIO_READ);
    return mmio != nullptr;
}

HRESULT WaveFile::ParseWave()
{
    MmioSource source(mmio);
    const auto layout = ParseRiffWave(source);
    if (!layout || layout->dataOffset > MAXLONG) {
        Close();
        return E_FAIL;
    }
    mode = Mode::Wave;
    SetFormat(layout->format);
    dataOffset = static_cast<DWORD>(layout->dataOffset);
    dataAvailable = layout->dataAvailable;
    dataSize = layout->dataSize;
    ResetFile();
    return S_OK;
}

void WaveFile::SetFormat(const WaveFormat& f)
{
    pcm = f.pcm;
    format.assign(std::max(sizeof(WAVEFORMATEX), 18 + f.extra.size()), 0);
    WAVEFORMATEX w = ToWaveFormatEx(f.pcm);
    w.cbSize = static_cast<WORD>(f.extra.size());
    std::memcpy(format.data(), &w, sizeof w);
    if (!f.extra.empty()) std::memcpy(format.data() + 18, f.extra.data(), f.extra.size());
}

const WAVEFORMATEX* WaveFile::GetFormat() const
{
    return mode == Mode::None ? nullptr : reinterpret_cast<const WAVEFORMATEX*>(format.data());
}

void WaveFile::ResetFile()
{
    if (mode == Mode::Clip) {
        clipAt = 0;
    } else if (mode == Mode::Ogg) {
        if (!ogg.Rewind()) DebugLine("cannot rewind %s", path.c_str());
    } else if (mode == Mode::Wave) {
        mmioSeek(mmio, static_cast<LONG>(dataOffset), SEEK_SET);
        dataLeft = dataAvailable;
    }
}

int WaveFile::Read(BYTE* buffer, DWORD size, DWORD* bytesRead)
{
    if (bytesRead) *bytesRead = 0;
    if (!buffer || !bytesRead) return 0;
    if (mode == Mode::Ogg) {
        *bytesRead = ogg.Read(buffer, size);
        return 1;
    }
    if (mode == Mode::Clip) {
        const size_t n = std::min<size_t>(size, clip.Pcm().size() - clipAt);
        if (n) std::memcpy(buffer, clip.Pcm().data() + clipAt, n);
        clipAt += n;
        *bytesRead = static_cast<DWORD>(n);
        return 1;
    }
    return mode == Mode::Wave ? ReadWave(buffer, size, bytesRead) : 0;
}

int WaveFile::ReadWave(BYTE* buffer, DWORD size, DWORD* bytesRead)
{
    MMIOINFO info{};
    if (mmioGetInfo(mmio, &info, 0) != MMSYSERR_NOERROR) return 0;
    const DWORD want = std::min(size, dataLeft);
    DWORD done = 0;
    int ok = 1;
    while (done < want) {
        if (info.pchNext == info.pchEndRead) {
            if (mmioAdvance(mmio, &info, MMIO_READ) != MMSYSERR_NOERROR) {
                ok = 0;
                break;
            }
            if (info.pchNext == info.pchEndRead) break;  // the file ends early: deliver what there is
        }
        const DWORD n = std::min<DWORD>(want - done, static_cast<DWORD>(info.pchEndRead - info.pchNext));
        std::memcpy(buffer + done, info.pchNext, n);
        info.pchNext += n;
        done += n;
    }
    mmioSetInfo(mmio, &info, 0);
    dataLeft -= done;
    *bytesRead = done;
    return ok;
}

void WaveFile::Close()
{
    if (mmio) mmioClose(mmio, 0);
    mmio = nullptr;
    resourceCopy.clear();
    ogg.Close();
    clip = {};
    clipAt = 0;
    format.clear();
    pcm = {};
    dataOffset = dataAvailable = dataLeft = dataSize = 0;
    mode = Mode::None;
}
