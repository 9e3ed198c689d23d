#pragma once

class GDDScreen;

// Binds the process-wide drawing layers to the display: the pixel-effect manager of its format
// and the resource entries, whose surfaces are made anew on a new display.
void BindDrawingLayers(const GDDScreen& screen);
// Lets the resource entries go of the display before it is released.
void UnbindDrawingLayers();
