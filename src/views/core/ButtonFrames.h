#pragma once

#include <optional>

// What a button shows, as its input left it.
struct ButtonLook {
    bool enabled = true;
    bool pressed = false;
    bool pointerInside = false;
    bool hover = false;
};

// The frame of a button on a sprite pack whose frames come in image sets of 1, 2 or 4:
//  1: the set's only frame;
//  2: normal, lit (hover, or pressed with the pointer inside; never while disabled);
//  4: normal, hover, down (pressed with the pointer inside), disabled.
// None for any other number of frames per set: the button keeps the frame it shows.
std::optional<int> ButtonFrame(int imageSet, int framesPerSet, const ButtonLook& look);
