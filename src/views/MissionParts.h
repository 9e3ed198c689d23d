#pragma once

#include "foundation/core/Geometry.h"

class CVHTWnd;
class CVPanel;
class GVBoxWnd;
class GVPSPWnd;
class GVQZAniWnd;
class WidgetFactory;

// What the mission panels make alike: their cards, the overlays over captured cards, and their
// hidden start.
namespace MissionParts {

// The mission panels but the kungjjak one share the table's right side.
constexpr Size kPanelSize{250, 250};
constexpr Point kPanelOrigin{585, 117};

// A normal-size card window showing the back at `p`, hidden; null when it cannot be made (reported).
CVHTWnd* MakeCard(WidgetFactory& factory, int index, Point p);
// The shade over a captured card at `p`, hidden.
GVBoxWnd* MakeCapturedOverlay(WidgetFactory& factory, Point p);
// The mark of a captured card for screen slot `slot` at `p`, hidden; its frame is the slot, so the
// two players' marks differ. Null when it cannot be made (reported).
GVPSPWnd* MakeSeatMark(WidgetFactory& factory, const char* file, int slot, Point p);
// A shown animation switched to clip `clip` on the frame it showed, still playing (held as `hold`
// says) when it played: a new skin must not stop an opening.
void SwitchClip(GVQZAniWnd* a, int clip, bool hold);
// Hides every child; the panel itself goes to `origin`, hidden and disabled.
void PlaceHidden(CVPanel& panel, Point origin);
// Hides every child and the panel, and marks it dirty.
void HideAll(CVPanel& panel);

}  // namespace MissionParts
