#include "scene/CMirelleVWS.h"

#include "views/CVUserOptionWnd.h"

void CMirelleVWS::SetOwnVoiceType(int32_t voiceType)
{
    options.voiceType = voiceType;
    if (userOption && !IsLoadingResources()) userOption->SetVoiceType(voiceType);
}
