// The barcode view's published properties and its registration.
#include "barcode/TqbxBarCodeView.h"

#include "report/ClassBuilder.h"
#include "report/ClassRegistry.h"

namespace qbx {

TqbxBarCodeView::TqbxBarCodeView(TqbxComponent* parent)
    : TqbxView(parent)
{
}

const ClassInfo& TqbxBarCodeView::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using B = TqbxBarCodeView;
        using K = TPropKind;
        ClassInfo c("TqbxBarCodeView", &TqbxView::StaticClassInfo(),
            [](TqbxComponent* parent) -> TqbxComponent* { return new TqbxBarCodeView(parent); });
        ClassBuilder<B>(c)
            .Field("BarType", K::Enum, "TqbxBarcodeType", &B::BarType)
            .Names({ "bcCode_2_5_interleaved", "bcCode_2_5_industrial", "bcCode_2_5_matrix", "bcCode39",
                "bcCode39Extended", "bcCode128A", "bcCode128B", "bcCode128C", "bcCode93", "bcCode93Extended",
                "bcCodeMSI", "bcCodePostNet", "bcCodeCodabar", "bcCodeEAN8", "bcCodeEAN13", "bcCodeUPC_A",
                "bcCodeUPC_E0", "bcCodeUPC_E1", "bcCodeUPC_Supp2", "bcCodeUPC_Supp5", "bcCodeEAN128A", "bcCodeEAN128B",
                "bcCodeEAN128C" })
            .Field("BrushStyle", K::Enum, "TBrushStyle", &B::BrushStyle)
            .Names({ "bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal", "bsCross",
                "bsDiagCross" })
            .Default(Variant(0))
            .Field("CalcCheckSum", K::Boolean, "Boolean", &B::CalcCheckSum)
            .Default(Variant(false))
            .Field("Color", K::Integer, "TColor", &B::Color)
            .Default(Variant(clNone))
            .Field("Cursor", K::Integer, "Integer", &B::Cursor)
            .Default(Variant(0))
            .Field("DataField", K::String, "String", &B::DataField)
            .Reference("DataSet", "TqbxDataSet", &B::DataSet, &B::SetDataSet)
            .String("DataSetName", &B::DataSetName, &B::SetDataSetName)
            .Field("Expression", K::String, "String", &B::Expression)
            .Object("Frame", "TqbxFrame", &B::Frame)
            .Field("HAlign", K::Enum, "TqbxHAlign", &B::HAlign)
            .Names({ "haLeft", "haRight", "haCenter", "haBlock" })
            .Default(Variant(0))
            .Field("Rotation", K::Integer, "Integer", &B::Rotation)
            .Field("ShowText", K::Boolean, "Boolean", &B::ShowText)
            .Default(Variant(true))
            .Field("TagStr", K::String, "String", &B::TagStr)
            .Field("Text", K::String, "String", &B::Text)
            .Field("URL", K::String, "String", &B::URL)
            .Field("WideBarRatio", K::Float, "Extended", &B::WideBarRatio)
            .Field("Zoom", K::Float, "Extended", &B::Zoom);
        return c;
    }();
    return info;
}

void RegisterBarcodeClasses()
{
    ObjectRegistry::Instance().Register({ &TqbxBarCodeView::StaticClassInfo(), "", -1, "Barcode", "", 0 });
}

} // namespace qbx
