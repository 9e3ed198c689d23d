#include "scene/CMirelleVWS.h"

#include "scene/RoomInput.h"

int CMirelleVWS::OnKeyDown(UINT vk, UINT repeat, UINT flags)
{
    return input->OnKeyDown(vk, repeat, flags);
}

int CMirelleVWS::OnKeyUp(UINT vk, UINT repeat, UINT flags)
{
    return input->OnKeyUp(vk, repeat, flags);
}

int CMirelleVWS::OnMouseMove(UINT flags, Point p)
{
    return input->OnMouseMove(flags, p);
}

int CMirelleVWS::OnLButtonDown(UINT flags, Point p)
{
    return input->OnLButtonDown(flags, p);
}

int CMirelleVWS::OnLButtonUp(UINT flags, Point p)
{
    return input->OnLButtonUp(flags, p);
}

// The room has no chat edit: composition is left to the window's default handling.
int CMirelleVWS::OnImeStartComposition(WPARAM, LPARAM)
{
    return 0;
}

int CMirelleVWS::OnImeComposition(WPARAM, LPARAM)
{
    return 0;
}

int CMirelleVWS::OnImeEndComposition(WPARAM, LPARAM)
{
    return 0;
}

int CMirelleVWS::OnSetFocus()
{
    return 0;
}

int CMirelleVWS::OnKillFocus()
{
    return input->OnKillFocus();
}

int CMirelleVWS::OnAppCommand()
{
    return 0;
}
