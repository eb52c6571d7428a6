// The dialog page's published properties.
#include "report/TqbxDialogPage.h"

#include "formats/TqbxResources.h"
#include "report/ClassBuilder.h"

namespace qbx {

TqbxDialogPage::TqbxDialogPage(TqbxComponent* parent)
    : TqbxPage(parent)
{
    Font().SetName("Tahoma");
    Font().SetSize(8);
}

std::string TqbxDialogPage::GetDescription() const
{
    return TqbxResources::Instance().Get("obDlgPage");
}

const ClassInfo& TqbxDialogPage::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using D = TqbxDialogPage;
        using K = TPropKind;
        ClassInfo c("TqbxDialogPage", &TqbxPage::StaticClassInfo(),
            [](TqbxComponent* parent) -> TqbxComponent* { return new TqbxDialogPage(parent); });
        ClassBuilder<D> b(c);
        b.Field("BorderStyle", K::Enum, "TFormBorderStyle", &D::BorderStyle)
            .Names({ "bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin" })
            .Default(Variant(2))
            .Field("Caption", K::String, "String", &D::Caption)
            .Field("Color", K::Integer, "TColor", &D::Color)
            .Default(Variant(clBtnFace))
            .Float("Height", &D::Height, &D::SetHeight)
            .Float("Left", &D::Left, &D::SetLeft)
            .Field("Position", K::Enum, "TPosition", &D::Position)
            .Names({ "poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
                "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter" })
            .Default(Variant(4))
            .Float("Top", &D::Top, &D::SetTop)
            .Float("Width", &D::Width, &D::SetWidth)
            .Field("WindowState", K::Enum, "TWindowState", &D::WindowState)
            .Names({ "wsNormal", "wsMinimized", "wsMaximized" })
            .Default(Variant(0));
        for (auto [name, field] : { std::pair { "OnActivate", &D::OnActivate }, std::pair { "OnClick", &D::OnClick },
                 std::pair { "OnCloseQuery", &D::OnCloseQuery }, std::pair { "OnDeactivate", &D::OnDeactivate },
                 std::pair { "OnHide", &D::OnHide }, std::pair { "OnKeyDown", &D::OnKeyDown },
                 std::pair { "OnKeyPress", &D::OnKeyPress }, std::pair { "OnKeyUp", &D::OnKeyUp },
                 std::pair { "OnShow", &D::OnShow }, std::pair { "OnResize", &D::OnResize } })
            b.Field(name, K::Event, "TNotifyEvent", field);
        return c;
    }();
    return info;
}

} // namespace qbx
