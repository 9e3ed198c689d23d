#pragma once

class GDDScreen;

// Binds the process-wide drawing layers to the display: the pixel-effect manager of its format.
void BindDrawingLayers(const GDDScreen& screen);
