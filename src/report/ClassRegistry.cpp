// Class and object-kind registries.
#include "report/ClassRegistry.h"

#include "barcode/TqbxBarCodeView.h"
#include "base/Exceptions.h"
#include "report/TqbxBands.h"
#include "report/TqbxCSVDataSet.h"
#include "report/TqbxDataSets.h"
#include "report/TqbxDialogPage.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"
#include "views/TqbxDMPViews.h"
#include "views/TqbxGraphicViews.h"
#include "views/TqbxMemoView.h"
#include "views/TqbxView.h"

#include <algorithm>

namespace qbx {

ClassRegistry& ClassRegistry::Instance()
{
    static ClassRegistry registry;
    return registry;
}

void ClassRegistry::Register(const ClassInfo& info)
{
    if (!Find(info.ClassName()))
        classes_.push_back(&info);
}

const ClassInfo* ClassRegistry::Find(const std::string& className) const
{
    auto it = std::find_if(
        classes_.begin(), classes_.end(), [&](const ClassInfo* c) { return c->ClassName() == className; });
    return it == classes_.end() ? nullptr : *it;
}

TqbxComponent* ClassRegistry::Create(const std::string& className, TqbxComponent* parent) const
{
    const ClassInfo* info = Find(className);
    if (!info)
        throw EConvertError("Cannot find class " + className);
    return info->Create(parent);
}

std::vector<std::string> ClassRegistry::ClassNames() const
{
    std::vector<std::string> names;
    for (const ClassInfo* c : classes_)
        names.push_back(c->ClassName());
    return names;
}

ObjectRegistry& ObjectRegistry::Instance()
{
    static ObjectRegistry registry;
    return registry;
}

void ObjectRegistry::Register(const ObjectKind& kind)
{
    for (const ObjectKind& k : kinds_)
        if (k.Class == kind.Class && k.Flags == kind.Flags)
            return;
    kinds_.push_back(kind);
    ClassRegistry::Instance().Register(*kind.Class);
}

int ObjectRegistry::ImageIndexOf(const ClassInfo& info) const
{
    for (const ObjectKind& k : kinds_)
        if (k.Class == &info)
            return k.ImageIndex;
    return -1;
}

void RegisterStandardClasses()
{
    // The report core's classes, then the barcode and dot-matrix units' (through the object registry).
    ClassRegistry& classes = ClassRegistry::Instance();
    classes.Register(TqbxReport::StaticClassInfo());
    classes.Register(TqbxDataPage::StaticClassInfo());
    classes.Register(TqbxReportPage::StaticClassInfo());
    classes.Register(TqbxNullBand::StaticClassInfo());
    for (const ClassInfo* kind : BandKinds())
        classes.Register(*kind);
    classes.Register(TqbxSubreport::StaticClassInfo());
    for (const ClassInfo* view : { &TqbxCustomMemoView::StaticClassInfo(), &TqbxMemoView::StaticClassInfo(),
             &TqbxSysMemoView::StaticClassInfo(), &TqbxCustomLineView::StaticClassInfo(),
             &TqbxLineView::StaticClassInfo(), &TqbxShapeView::StaticClassInfo(), &TqbxPictureView::StaticClassInfo(),
             &TqbxHighlight::StaticClassInfo(), &TqbxDialogPage::StaticClassInfo() })
        classes.Register(*view);
    classes.Register(TqbxFrame::StaticClassInfo());
    classes.Register(TqbxStyleItem::StaticClassInfo());
    classes.Register(TqbxUserDataSet::StaticClassInfo()); // a host's data set that templates keep
    classes.Register(TqbxCSVDataSet::StaticClassInfo());
    RegisterBarcodeClasses();
    RegisterDotMatrixClasses();
}

} // namespace qbx
