#pragma once

// Fakes of DirectDraw for what Wine cannot provoke: a surface that is lost until restored.
// FakeDirectDraw hands out real surfaces of the real object, each wrapped in a LosingSurface.

#include <ddraw.h>

#include <vector>

#include "foundation/ComRef.h"

class LosingSurface : public IDirectDrawSurface4 {
public:
    explicit LosingSurface(IDirectDrawSurface4* adopted) : real(adopted) {}
    virtual ~LosingSurface() = default;

    // Loses the surface: its memory is wiped and Lock fails until Restore.
    void Lose();
    bool lost = false;
    int restores = 0;
    ComRef<IDirectDrawSurface4> real;
    ULONG refs = 1;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE AddAttachedSurface(LPDIRECTDRAWSURFACE4 lpDDSAttachedSurface) override { return real->AddAttachedSurface(lpDDSAttachedSurface); }
    HRESULT STDMETHODCALLTYPE AddOverlayDirtyRect(LPRECT lpRect) override { return real->AddOverlayDirtyRect(lpRect); }
    HRESULT STDMETHODCALLTYPE Blt(LPRECT lpDestRect, LPDIRECTDRAWSURFACE4 lpDDSrcSurface, LPRECT lpSrcRect, DWORD dwFlags, LPDDBLTFX lpDDBltFx) override { return real->Blt(lpDestRect, lpDDSrcSurface, lpSrcRect, dwFlags, lpDDBltFx); }
    HRESULT STDMETHODCALLTYPE BltBatch(LPDDBLTBATCH lpDDBltBatch, DWORD dwCount, DWORD dwFlags) override { return real->BltBatch(lpDDBltBatch, dwCount, dwFlags); }
    HRESULT STDMETHODCALLTYPE BltFast(DWORD dwX, DWORD dwY, LPDIRECTDRAWSURFACE4 lpDDSrcSurface, LPRECT lpSrcRect, DWORD dwTrans) override { return real->BltFast(dwX, dwY, lpDDSrcSurface, lpSrcRect, dwTrans); }
    HRESULT STDMETHODCALLTYPE DeleteAttachedSurface(DWORD dwFlags, LPDIRECTDRAWSURFACE4 lpDDSAttachedSurface) override { return real->DeleteAttachedSurface(dwFlags, lpDDSAttachedSurface); }
    HRESULT STDMETHODCALLTYPE EnumAttachedSurfaces(LPVOID lpContext, LPDDENUMSURFACESCALLBACK2 lpEnumSurfacesCallback) override { return real->EnumAttachedSurfaces(lpContext, lpEnumSurfacesCallback); }
    HRESULT STDMETHODCALLTYPE EnumOverlayZOrders(DWORD dwFlags, LPVOID lpContext, LPDDENUMSURFACESCALLBACK2 lpfnCallback) override { return real->EnumOverlayZOrders(dwFlags, lpContext, lpfnCallback); }
    HRESULT STDMETHODCALLTYPE Flip(LPDIRECTDRAWSURFACE4 lpDDSurfaceTargetOverride, DWORD dwFlags) override { return real->Flip(lpDDSurfaceTargetOverride, dwFlags); }
    HRESULT STDMETHODCALLTYPE GetAttachedSurface(LPDDSCAPS2 lpDDSCaps, LPDIRECTDRAWSURFACE4 *lplpDDAttachedSurface) override { return real->GetAttachedSurface(lpDDSCaps, lplpDDAttachedSurface); }
    HRESULT STDMETHODCALLTYPE GetBltStatus(DWORD dwFlags) override { return real->GetBltStatus(dwFlags); }
    HRESULT STDMETHODCALLTYPE GetCaps(LPDDSCAPS2 lpDDSCaps) override { return real->GetCaps(lpDDSCaps); }
    HRESULT STDMETHODCALLTYPE GetClipper(LPDIRECTDRAWCLIPPER *lplpDDClipper) override { return real->GetClipper(lplpDDClipper); }
    HRESULT STDMETHODCALLTYPE GetColorKey(DWORD dwFlags, LPDDCOLORKEY lpDDColorKey) override { return real->GetColorKey(dwFlags, lpDDColorKey); }
    HRESULT STDMETHODCALLTYPE GetDC(HDC *lphDC) override { return real->GetDC(lphDC); }
    HRESULT STDMETHODCALLTYPE GetFlipStatus(DWORD dwFlags) override { return real->GetFlipStatus(dwFlags); }
    HRESULT STDMETHODCALLTYPE GetOverlayPosition(LPLONG lplX, LPLONG lplY) override { return real->GetOverlayPosition(lplX, lplY); }
    HRESULT STDMETHODCALLTYPE GetPalette(LPDIRECTDRAWPALETTE *lplpDDPalette) override { return real->GetPalette(lplpDDPalette); }
    HRESULT STDMETHODCALLTYPE GetPixelFormat(LPDDPIXELFORMAT lpDDPixelFormat) override { return real->GetPixelFormat(lpDDPixelFormat); }
    HRESULT STDMETHODCALLTYPE GetSurfaceDesc(LPDDSURFACEDESC2 lpDDSurfaceDesc) override { return real->GetSurfaceDesc(lpDDSurfaceDesc); }
    HRESULT STDMETHODCALLTYPE Initialize(LPDIRECTDRAW lpDD, LPDDSURFACEDESC2 lpDDSurfaceDesc) override { return real->Initialize(lpDD, lpDDSurfaceDesc); }
    HRESULT STDMETHODCALLTYPE IsLost() override;
    HRESULT STDMETHODCALLTYPE Lock(LPRECT lpDestRect, LPDDSURFACEDESC2 lpDDSurfaceDesc, DWORD dwFlags, HANDLE hEvent) override;
    HRESULT STDMETHODCALLTYPE ReleaseDC(HDC hDC) override { return real->ReleaseDC(hDC); }
    HRESULT STDMETHODCALLTYPE Restore() override;
    HRESULT STDMETHODCALLTYPE SetClipper(LPDIRECTDRAWCLIPPER lpDDClipper) override { return real->SetClipper(lpDDClipper); }
    HRESULT STDMETHODCALLTYPE SetColorKey(DWORD dwFlags, LPDDCOLORKEY lpDDColorKey) override { return real->SetColorKey(dwFlags, lpDDColorKey); }
    HRESULT STDMETHODCALLTYPE SetOverlayPosition(LONG lX, LONG lY) override { return real->SetOverlayPosition(lX, lY); }
    HRESULT STDMETHODCALLTYPE SetPalette(LPDIRECTDRAWPALETTE lpDDPalette) override { return real->SetPalette(lpDDPalette); }
    HRESULT STDMETHODCALLTYPE Unlock(LPRECT lpSurfaceData) override { return real->Unlock(lpSurfaceData); }
    HRESULT STDMETHODCALLTYPE UpdateOverlay(LPRECT lpSrcRect, LPDIRECTDRAWSURFACE4 lpDDDestSurface, LPRECT lpDestRect, DWORD dwFlags, LPDDOVERLAYFX lpDDOverlayFx) override { return real->UpdateOverlay(lpSrcRect, lpDDDestSurface, lpDestRect, dwFlags, lpDDOverlayFx); }
    HRESULT STDMETHODCALLTYPE UpdateOverlayDisplay(DWORD dwFlags) override { return real->UpdateOverlayDisplay(dwFlags); }
    HRESULT STDMETHODCALLTYPE UpdateOverlayZOrder(DWORD dwFlags, LPDIRECTDRAWSURFACE4 lpDDSReference) override { return real->UpdateOverlayZOrder(dwFlags, lpDDSReference); }
    HRESULT STDMETHODCALLTYPE GetDDInterface(LPVOID *lplpDD) override { return real->GetDDInterface(lplpDD); }
    HRESULT STDMETHODCALLTYPE PageLock(DWORD dwFlags) override { return real->PageLock(dwFlags); }
    HRESULT STDMETHODCALLTYPE PageUnlock(DWORD dwFlags) override { return real->PageUnlock(dwFlags); }
    HRESULT STDMETHODCALLTYPE SetSurfaceDesc(LPDDSURFACEDESC2 lpDDSD, DWORD dwFlags) override { return real->SetSurfaceDesc(lpDDSD, dwFlags); }
    HRESULT STDMETHODCALLTYPE SetPrivateData(REFGUID tag, LPVOID pData, DWORD cbSize, DWORD dwFlags) override { return real->SetPrivateData(tag, pData, cbSize, dwFlags); }
    HRESULT STDMETHODCALLTYPE GetPrivateData(REFGUID tag, LPVOID pBuffer, LPDWORD pcbBufferSize) override { return real->GetPrivateData(tag, pBuffer, pcbBufferSize); }
    HRESULT STDMETHODCALLTYPE FreePrivateData(REFGUID tag) override { return real->FreePrivateData(tag); }
    HRESULT STDMETHODCALLTYPE GetUniquenessValue(LPDWORD pValue) override { return real->GetUniquenessValue(pValue); }
    HRESULT STDMETHODCALLTYPE ChangeUniquenessValue() override { return real->ChangeUniquenessValue(); }
};

class FakeDirectDraw : public IDirectDraw4 {
public:
    explicit FakeDirectDraw(IDirectDraw4* adopted) : real(adopted) {}
    virtual ~FakeDirectDraw() = default;

    std::vector<LosingSurface*> made;  // not owning
    ComRef<IDirectDraw4> real;
    ULONG refs = 1;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE Compact() override { return real->Compact(); }
    HRESULT STDMETHODCALLTYPE CreateClipper(DWORD dwFlags, LPDIRECTDRAWCLIPPER *lplpDDClipper, IUnknown *pUnkOuter) override { return real->CreateClipper(dwFlags, lplpDDClipper, pUnkOuter); }
    HRESULT STDMETHODCALLTYPE CreatePalette(DWORD dwFlags, LPPALETTEENTRY lpColorTable, LPDIRECTDRAWPALETTE *lplpDDPalette, IUnknown *pUnkOuter) override { return real->CreatePalette(dwFlags, lpColorTable, lplpDDPalette, pUnkOuter); }
    HRESULT STDMETHODCALLTYPE CreateSurface(LPDDSURFACEDESC2 lpDDSurfaceDesc, LPDIRECTDRAWSURFACE4 *lplpDDSurface, IUnknown *pUnkOuter) override;
    HRESULT STDMETHODCALLTYPE DuplicateSurface(LPDIRECTDRAWSURFACE4 lpDDSurface, LPDIRECTDRAWSURFACE4 *lplpDupDDSurface) override { return real->DuplicateSurface(lpDDSurface, lplpDupDDSurface); }
    HRESULT STDMETHODCALLTYPE EnumDisplayModes(DWORD dwFlags, LPDDSURFACEDESC2 lpDDSurfaceDesc, LPVOID lpContext, LPDDENUMMODESCALLBACK2 lpEnumModesCallback) override { return real->EnumDisplayModes(dwFlags, lpDDSurfaceDesc, lpContext, lpEnumModesCallback); }
    HRESULT STDMETHODCALLTYPE EnumSurfaces(DWORD dwFlags, LPDDSURFACEDESC2 lpDDSD, LPVOID lpContext, LPDDENUMSURFACESCALLBACK2 lpEnumSurfacesCallback) override { return real->EnumSurfaces(dwFlags, lpDDSD, lpContext, lpEnumSurfacesCallback); }
    HRESULT STDMETHODCALLTYPE FlipToGDISurface() override { return real->FlipToGDISurface(); }
    HRESULT STDMETHODCALLTYPE GetCaps(LPDDCAPS lpDDDriverCaps, LPDDCAPS lpDDHELCaps) override { return real->GetCaps(lpDDDriverCaps, lpDDHELCaps); }
    HRESULT STDMETHODCALLTYPE GetDisplayMode(LPDDSURFACEDESC2 lpDDSurfaceDesc) override { return real->GetDisplayMode(lpDDSurfaceDesc); }
    HRESULT STDMETHODCALLTYPE GetFourCCCodes(LPDWORD lpNumCodes, LPDWORD lpCodes) override { return real->GetFourCCCodes(lpNumCodes, lpCodes); }
    HRESULT STDMETHODCALLTYPE GetGDISurface(LPDIRECTDRAWSURFACE4 *lplpGDIDDSurface) override { return real->GetGDISurface(lplpGDIDDSurface); }
    HRESULT STDMETHODCALLTYPE GetMonitorFrequency(LPDWORD lpdwFrequency) override { return real->GetMonitorFrequency(lpdwFrequency); }
    HRESULT STDMETHODCALLTYPE GetScanLine(LPDWORD lpdwScanLine) override { return real->GetScanLine(lpdwScanLine); }
    HRESULT STDMETHODCALLTYPE GetVerticalBlankStatus(WINBOOL *lpbIsInVB) override { return real->GetVerticalBlankStatus(lpbIsInVB); }
    HRESULT STDMETHODCALLTYPE Initialize(GUID *lpGUID) override { return real->Initialize(lpGUID); }
    HRESULT STDMETHODCALLTYPE RestoreDisplayMode() override { return real->RestoreDisplayMode(); }
    HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND hWnd, DWORD dwFlags) override { return real->SetCooperativeLevel(hWnd, dwFlags); }
    HRESULT STDMETHODCALLTYPE SetDisplayMode(DWORD dwWidth, DWORD dwHeight, DWORD dwBPP, DWORD dwRefreshRate, DWORD dwFlags) override { return real->SetDisplayMode(dwWidth, dwHeight, dwBPP, dwRefreshRate, dwFlags); }
    HRESULT STDMETHODCALLTYPE WaitForVerticalBlank(DWORD dwFlags, HANDLE hEvent) override { return real->WaitForVerticalBlank(dwFlags, hEvent); }
    HRESULT STDMETHODCALLTYPE GetAvailableVidMem(LPDDSCAPS2 lpDDCaps, LPDWORD lpdwTotal, LPDWORD lpdwFree) override { return real->GetAvailableVidMem(lpDDCaps, lpdwTotal, lpdwFree); }
    HRESULT STDMETHODCALLTYPE GetSurfaceFromDC(HDC hdc, LPDIRECTDRAWSURFACE4 *pSurf) override { return real->GetSurfaceFromDC(hdc, pSurf); }
    HRESULT STDMETHODCALLTYPE RestoreAllSurfaces() override { return real->RestoreAllSurfaces(); }
    HRESULT STDMETHODCALLTYPE TestCooperativeLevel() override { return real->TestCooperativeLevel(); }
    HRESULT STDMETHODCALLTYPE GetDeviceIdentifier(LPDDDEVICEIDENTIFIER pDDDI, DWORD dwFlags) override { return real->GetDeviceIdentifier(pDDDI, dwFlags); }
};
