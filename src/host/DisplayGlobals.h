#pragma once

class GDDScreen;

// The two process-wide singletons that draw on the display: the pixel-effect manager, made for the
// display's pixel format, and the resource entries, whose surfaces are made anew on each display.
void BindGlobalsToDisplay(const GDDScreen& screen);
// Lets the resource entries go of the display before it is released.
void UnbindGlobalsFromDisplay();
