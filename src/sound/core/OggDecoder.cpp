#include "sound/core/OggDecoder.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <type_traits>

#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

namespace {

// vorbisfile's own integer types, whatever their width on the platform.
using OvTell = std::invoke_result_t<decltype(ov_callbacks::tell_func), void*>;

// A chained stream is delivered as one format: links of other channels or rates are refused.
bool LinksShareFormat(OggVorbis_File* vf, const vorbis_info& first)
{
    const long links = ov_streams(vf);
    for (long i = 1; i < links; ++i) {
        const vorbis_info* info = ov_info(vf, static_cast<int>(i));
        if (!info || info->channels != first.channels || info->rate != first.rate) return false;
    }
    return links >= 1;
}

}  // namespace

// vorbisfile reads the adopted source through these, with the decoder as its data source.
struct OggCallbacks {
    static size_t Read(void* dst, size_t size, size_t count, void* self)
    {
        auto& d = *static_cast<OggDecoder*>(self);
        if (size == 0) return 0;
        const size_t got = d.source->ReadAt(d.position, dst, size * count);
        d.position += got;
        return got / size;
    }

    static int Seek(void* self, ogg_int64_t offset, int whence)
    {
        auto& d = *static_cast<OggDecoder*>(self);
        const int64_t size = static_cast<int64_t>(d.source->Size());
        int64_t base = 0;
        if (whence == SEEK_CUR) base = static_cast<int64_t>(d.position);
        else if (whence == SEEK_END) base = size;
        else if (whence != SEEK_SET) return -1;
        const int64_t to = base + offset;
        if (to < 0 || to > size) return -1;
        d.position = static_cast<uint64_t>(to);
        return 0;
    }

    static OvTell Tell(void* self)
    {
        const uint64_t at = static_cast<OggDecoder*>(self)->position;
        return at > static_cast<uint64_t>(std::numeric_limits<OvTell>::max()) ? -1 : static_cast<OvTell>(at);
    }
};

OggDecoder::OggDecoder() = default;

OggDecoder::~OggDecoder()
{
    Close();
}

bool OggDecoder::Open(std::unique_ptr<ByteSource> src)
{
    Close();
    source = std::move(src);
    if (!source) return false;
    vf = std::make_unique<OggVorbis_File>();
    const ov_callbacks callbacks{&OggCallbacks::Read, &OggCallbacks::Seek, nullptr, &OggCallbacks::Tell};
    if (ov_open_callbacks(this, vf.get(), nullptr, 0, callbacks) != 0) {
        vf.reset();  // ov_open_callbacks cleared what it had built
        source.reset();
        return false;
    }
    open = true;

    const vorbis_info* info = ov_info(vf.get(), 0);
    const ogg_int64_t samples = ov_pcm_total(vf.get(), -1);
    const bool sane = info && info->channels > 0 && info->channels <= 255 && info->rate > 0 && samples >= 0;
    if (!sane || !LinksShareFormat(vf.get(), *info)) {
        Close();
        return false;
    }
    format = Pcm16Format(static_cast<uint16_t>(info->channels), static_cast<uint32_t>(info->rate));
    const uint64_t avg = uint64_t{format.blockAlign} * static_cast<uint64_t>(info->rate);
    const uint64_t total = static_cast<uint64_t>(samples) * format.blockAlign;
    if (avg > kMaxSoundBytes || total > kMaxSoundBytes) {
        Close();
        return false;
    }
    totalBytes = static_cast<uint32_t>(total);
    // vorbisfile opens a chained stream positioned past a first link whose audio is one page.
    if (ov_streams(vf.get()) > 1 && ov_pcm_seek(vf.get(), 0) != 0) {
        Close();
        return false;
    }
    return true;
}

void OggDecoder::Close()
{
    if (open) ov_clear(vf.get());
    open = false;
    vf.reset();
    source.reset();
    position = 0;
    format = {};
    totalBytes = 0;
    exhausted = false;
}

DecodeStep OggDecoder::DecodeSome(uint8_t* dst, uint32_t size)
{
    if (!open) return {-1, 0};
    // vorbisfile refuses a request shorter than one frame.
    size -= size % format.blockAlign;
    if (size == 0) return {-1, 0};
    int section = 0;
    const auto want = static_cast<int>(std::min<uint32_t>(size, std::numeric_limits<int>::max()));
    const auto got = ov_read(vf.get(), reinterpret_cast<char*>(dst), want, 0, 2, 1, &section);
    return {static_cast<int32_t>(got), section};
}

uint32_t OggDecoder::Read(uint8_t* dst, uint32_t size)
{
    uint32_t done = 0;
    int errors = 0;
    while (!exhausted && size - done >= format.blockAlign) {
        const DecodeStep step = DecodeSome(dst + done, size - done);
        if (step.bytes > 0) {
            done += static_cast<uint32_t>(step.bytes);
            errors = 0;
        } else if (step.bytes == 0 || ++errors >= kMaxDecodeErrors) {
            exhausted = true;
        }
    }
    return done;
}

bool OggDecoder::Rewind()
{
    if (!open) return false;
    exhausted = false;
    return ov_pcm_seek(vf.get(), 0) == 0;
}
