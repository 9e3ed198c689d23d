#pragma once

#include <cstdint>

// Where a thumb sits on a track and which value a thumb position means. Values run from lo to hi;
// the thumb's offset runs from 0 to track - thumb.
struct ThumbTrack {
    int lo = 0;
    int hi = 0;
    int track = 0;  // length of the track in pixels
    int thumb = 0;  // length of the thumb in pixels

    int Travel() const { return track > thumb ? track - thumb : 0; }
    int Clamp(int value) const { return value < lo ? lo : value > hi ? hi : value; }
    // The thumb offset of a value, rounded to the nearest pixel.
    int OffsetOf(int value) const;
    // The value at a thumb offset (clamped to the travel), rounded to the nearest value.
    int ValueAt(int offset) const;
};

// The thumb length of a scroll bar showing `page` of `lo..hi + page`, at least `minimum` pixels.
int ScrollThumbLength(int track, int lo, int hi, int page, int minimum);
