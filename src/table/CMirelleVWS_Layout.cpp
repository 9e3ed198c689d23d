#include "scene/CMirelleVWS.h"

#include "table/core/TableLayout.h"
#include "views/CVHTWnd.h"

void CMirelleVWS::SetCardSize(CVHTWnd* card, int kind)
{
    static constexpr Size kSizes[TableWidgets::kCardSizes] = {kSmallCardSize, kNormalCardSize, kBigCardSize};
    if (!card || kind < 0 || kind >= TableWidgets::kCardSizes) return;
    const CVHTWnd* sizeTemplate = tableWidgets.cardSizeTemplates[static_cast<size_t>(kind)];
    if (!sizeTemplate || !sizeTemplate->HasImage() || sizeTemplate == card) return;
    const Point at = card->GetRect().TopLeft();
    const int frame = card->GetImageFrame();
    if (!card->ShareImage(*sizeTemplate)) return;
    card->SetRect(Rect(at, kSizes[kind]));
    card->SetImageFrame(frame);
}
