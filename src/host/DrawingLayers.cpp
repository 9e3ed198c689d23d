#include "host/DrawingLayers.h"

#include "graphics/sprite/core/FXMan.h"
#include "toolkit/GDDScreen.h"

void BindDrawingLayers(const GDDScreen& screen)
{
    CreateFXMan(screen.GetPixelMode());
}
