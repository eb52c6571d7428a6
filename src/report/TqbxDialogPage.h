// TqbxDialogPage: a page shown as a modal window before preparation (its data model; the window
// arrives with dialog pages).
#pragma once

#include "report/TqbxPages.h"

#include <string>

namespace qbx {

enum TqbxBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TqbxWindowPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum TqbxWindowState { wsNormal, wsMinimized, wsMaximized };

class TqbxDialogPage : public TqbxPage
{
public:
    explicit TqbxDialogPage(TqbxComponent* parent = nullptr);
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    bool IsDialogPage() const override { return true; }
    std::string GetDescription() const override; // the localized "obDlgPage"

    TqbxBorderStyle BorderStyle = bsSizeable;
    std::string Caption;
    TColor Color = clBtnFace;
    TqbxWindowPosition Position = poScreenCenter;
    TqbxWindowState WindowState = wsNormal;
    std::string OnActivate, OnClick, OnCloseQuery, OnDeactivate, OnHide, OnKeyDown, OnKeyPress, OnKeyUp, OnShow,
        OnResize;
};

} // namespace qbx
