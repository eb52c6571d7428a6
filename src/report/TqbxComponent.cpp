// The component tree: parents and children, names, geometry, font inheritance and differences.
#include "report/TqbxComponent.h"

#include "base/Exceptions.h"
#include "base/FloatText.h"
#include "base/Rounding.h"
#include "base/Unicode.h"
#include "formats/TqbxResources.h"
#include "formats/XmlEscape.h"
#include "report/ClassBuilder.h"
#include "report/TqbxReport.h"

#include <algorithm>
#include <set>

namespace qbx {
namespace {

bool IsIdentifier(const std::string& name)
{
    auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
    if (name.empty() || !letter(name[0]))
        return false;
    return std::all_of(name.begin(), name.end(), [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

} // namespace

std::string BaseNameOf(const std::string& className)
{
    std::string name = className;
    if (std::size_t at = name.find("Tqbx"); at != std::string::npos)
        name.erase(at, 4);
    if (std::size_t at = name.find("View"); at != std::string::npos)
        name.erase(at, 4);
    return name;
}

const ClassInfo& TqbxComponent::StaticClassInfo()
{
    static const ClassInfo info = [] {
        ClassInfo c("TqbxComponent", nullptr, nullptr);
        ClassBuilder<TqbxComponent>(c)
            .String("Name", &TqbxComponent::Name, &TqbxComponent::SetName)
            .Integer("Tag", &TqbxComponent::Tag, &TqbxComponent::SetTag)
            .Default(Variant(0));
        return c;
    }();
    return info;
}

TqbxComponent::TqbxComponent(TqbxComponent* parent)
{
    styleFlags_ = sfCopyToPreview;
    font_.OnChange = [this] { FontChanged(); };
    if (parent) {
        owner_ = parent->Report();
        SetParent(parent);
    }
    SetParentFont(true);
}

TqbxComponent::~TqbxComponent()
{
    if (TqbxComponent* report = parent_ ? parent_->Report() : nullptr)
        report->RemovedNotification(this);
    Detach();
    Clear();
    font_.OnChange = nullptr;
}

void TqbxComponent::Detach()
{
    if (!parent_)
        return;
    std::vector<TqbxComponent*>& siblings = parent_->objects_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    parent_ = nullptr;
}

void TqbxComponent::Clear()
{
    // Children detach themselves as they are destroyed; take them from the back to keep it cheap.
    while (!objects_.empty())
        delete objects_.back();
}

void TqbxComponent::SetParent(TqbxComponent* parent)
{
    if (parent == parent_)
        return;
    for (TqbxComponent* p = parent; p; p = p->parent_)
        if (p == this)
            throw EConvertError(
                "Cannot make " + (name_.empty() ? ClassName() : name_) + " a child of its own descendant");
    Detach();
    parent_ = parent;
    if (parent_) {
        parent_->objects_.push_back(this);
        SetParentFont(parentFont_);
    }
}

void TqbxComponent::MoveChild(TqbxComponent* child, int index)
{
    auto it = std::find(objects_.begin(), objects_.end(), child);
    if (it == objects_.end())
        return;
    objects_.erase(it);
    index = std::clamp(index, 0, static_cast<int>(objects_.size()));
    objects_.insert(objects_.begin() + index, child);
}

std::vector<TqbxComponent*> TqbxComponent::AllObjects() const
{
    std::vector<TqbxComponent*> all;
    CollectDescendants(all);
    return all;
}

void TqbxComponent::CollectDescendants(std::vector<TqbxComponent*>& into) const
{
    for (TqbxComponent* child : objects_) {
        into.push_back(child);
        child->CollectDescendants(into);
    }
}

TqbxComponent* TqbxComponent::Page() const
{
    for (const TqbxComponent* c = this; c; c = c->parent_)
        if (c->IsPage())
            return const_cast<TqbxComponent*>(c);
    return nullptr;
}

TqbxReport* TqbxComponent::Report() const
{
    for (const TqbxComponent* c = this; c; c = c->parent_)
        if (c->IsReportRoot())
            return static_cast<TqbxReport*>(const_cast<TqbxComponent*>(c));
    return nullptr;
}

TqbxComponent* TqbxComponent::FindObject(const std::string& name) const
{
    for (TqbxComponent* c : AllObjects())
        if (SameText(c->name_, name))
            return c;
    return nullptr;
}

void TqbxComponent::CheckNewName(const std::string& name) const
{
    if (!name.empty() && !IsIdentifier(name))
        throw EConvertError("'" + name + "' is not a valid component name");
    TqbxReport* report = Report();
    if (name.empty() || !report)
        return;
    if (TqbxComponent* other = report->ObjectNamed(name); other && other != this)
        throw EConvertError(TqbxResources::Instance().Get("prDupl"));
    if (IsAncestor())
        throw EConvertError("Could not rename " + name_ + ", it was introduced in the ancestor report");
}

void TqbxComponent::SetName(const std::string& name)
{
    if (SameText(name, name_))
        return;
    CheckNewName(name);
    name_ = name;
}

void TqbxComponent::CreateUniqueName()
{
    const TqbxComponent* scope = Report();
    if (!scope)
        scope = parent_;
    std::set<std::string> taken;
    if (scope)
        for (TqbxComponent* c : scope->AllObjects())
            taken.insert(AsciiUpper(c->name_));
    std::string base = BaseName();
    for (int i = 1;; ++i) {
        std::string candidate = base + std::to_string(i);
        if (taken.count(AsciiUpper(candidate)) == 0) {
            SetName(candidate);
            return;
        }
    }
}

void TqbxComponent::StoreUnlessRestricted(long double& field, long double value, TqbxRestriction guard)
{
    // Restrictions bind only in design; runs and scripts move and size objects freely.
    if (!(designing_ && (restrictions_ & guard)))
        field = value;
}

void TqbxComponent::SetLeft(long double value)
{
    StoreUnlessRestricted(left_, value, rfDontMove);
}

void TqbxComponent::SetTop(long double value)
{
    StoreUnlessRestricted(top_, value, rfDontMove);
}

void TqbxComponent::SetWidth(long double value)
{
    StoreUnlessRestricted(width_, value, rfDontSize);
}

void TqbxComponent::SetHeight(long double value)
{
    StoreUnlessRestricted(height_, value, rfDontSize);
}

void TqbxComponent::SetBounds(long double left, long double top, long double width, long double height)
{
    SetLeft(left);
    SetTop(top);
    SetWidth(width);
    SetHeight(height);
}

long double TqbxComponent::AbsLeft() const
{
    return parent_ && !parent_->IsDialogPage() ? left_ + parent_->AbsLeft() : left_;
}

long double TqbxComponent::AbsTop() const
{
    return parent_ && !parent_->IsDialogPage() ? top_ + parent_->AbsTop() : top_;
}

void TqbxComponent::SetFont(const TqbxFont& font)
{
    font_.Assign(font); // FontChanged clears ParentFont
}

void TqbxComponent::SetParentFont(bool value)
{
    if (value && parent_)
        SetFont(parent_->font_);
    parentFont_ = value;
}

void TqbxComponent::FontChanged()
{
    parentFont_ = false;
    for (TqbxComponent* child : objects_)
        if (child->parentFont_)
            child->SetParentFont(true);
}

std::string TqbxComponent::Diff(const TqbxComponent& reference) const
{
    std::string out;
    if (Differ(left_, reference.left_, kDiffTolerance))
        out += XmlAttribute("l", FloatToText(left_));
    if (IsBand() || Differ(top_, reference.top_, kDiffTolerance))
        out += XmlAttribute("t", FloatToText(top_));
    if (!HasAutoWidth() && Differ(width_, reference.width_, kDiffTolerance))
        out += XmlAttribute("w", FloatToText(width_));
    if (Differ(height_, reference.height_, kDiffTolerance))
        out += XmlAttribute("h", FloatToText(height_));
    if (visible_ != reference.visible_)
        out += XmlAttribute("Visible", visible_ ? "1" : "0");
    if (!parentFont_) {
        const TqbxFont& mine = font_;
        const TqbxFont& theirs = reference.font_;
        if (mine.Name() != theirs.Name())
            out += XmlAttribute("Font.Name", XmlEscape(mine.Name()));
        if (mine.Size() != theirs.Size())
            out += XmlAttribute("Font.Size", std::to_string(mine.Size()));
        if (mine.Color() != theirs.Color())
            out += XmlAttribute("Font.Color", std::to_string(mine.Color()));
        if (mine.Style() != theirs.Style())
            out += XmlAttribute("Font.Style", std::to_string(mine.Style()));
        if (mine.Charset() != theirs.Charset())
            out += XmlAttribute("Font.Charset", std::to_string(mine.Charset()));
    }
    if (parentFont_ != reference.parentFont_)
        out += XmlAttribute("ParentFont", parentFont_ ? "1" : "0");
    if (tag_ != reference.tag_)
        out += XmlAttribute("Tag", std::to_string(tag_));
    return out;
}

} // namespace qbx
