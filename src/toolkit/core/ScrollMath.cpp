#include "toolkit/core/ScrollMath.h"

namespace {

// a * b / c rounded to nearest, in 64 bits so volume ranges times pixels cannot overflow.
int MulDivRound(int a, int b, int c)
{
    if (c == 0) return 0;
    const int64_t n = static_cast<int64_t>(a) * b;
    const int64_t half = (c > 0 ? c : -c) / 2;
    return static_cast<int>(n >= 0 ? (n + half) / c : (n - half) / c);
}

}  // namespace

int ThumbTrack::OffsetOf(int value) const
{
    if (hi <= lo) return 0;
    return MulDivRound(Clamp(value) - lo, Travel(), hi - lo);
}

int ThumbTrack::ValueAt(int offset) const
{
    const int travel = Travel();
    if (travel == 0 || hi <= lo) return lo;
    if (offset < 0) offset = 0;
    if (offset > travel) offset = travel;
    return lo + MulDivRound(offset, hi - lo, travel);
}

int ScrollThumbLength(int track, int lo, int hi, int page, int minimum)
{
    if (track <= 0) return 0;
    const int range = hi - lo;
    if (range <= 0 || page <= 0) return track;
    const int length = static_cast<int>(static_cast<int64_t>(track) * page / (range + page));
    if (length < minimum) return minimum < track ? minimum : track;
    return length;
}
