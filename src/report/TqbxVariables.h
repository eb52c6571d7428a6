// Report variables (the report's Variables and the process-wide qbxGlobalVariables) and named styles.
#pragma once

#include "report/TqbxCollection.h"
#include "report/TqbxFont.h"
#include "views/TqbxFrame.h"

#include <string>

namespace qbx {

class TqbxVariable : public TqbxCollectionItem
{
public:
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    const qbx::Variant& Value() const { return value_; }
    void SetValue(const qbx::Variant& value) { value_ = value; }

private:
    std::string name_;
    qbx::Variant value_ = qbx::Variant::Null();
};

class TqbxVariables : public TqbxCollection
{
public:
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    TqbxVariable* Item(int index) const { return static_cast<TqbxVariable*>(Items(index)); }
    int IndexOf(const std::string& name) const; // without regard to case; -1 when absent
    // The value of the variable with that name, Null when there is none.
    Variant Get(const std::string& name) const;
    // Sets the value, appending a variable of that name when there is none.
    void Set(const std::string& name, const Variant& value);

protected:
    std::unique_ptr<TqbxCollectionItem> CreateItem() override;
};

// Variables looked up by a value whose text is the name, for scripts.
class TqbxArray : public TqbxVariables
{
public:
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    Variant Get(const Variant& key) const { return TqbxVariables::Get(key.ToText()); }
    void Set(const Variant& key, const Variant& value) { TqbxVariables::Set(key.ToText(), value); }
};

// The process-wide variables scripts know as qbxGlobalVariables.
TqbxVariables& qbxGlobalVariables();

class TqbxStyleItem : public TqbxCollectionItem
{
public:
    TqbxStyleItem();
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    const std::string& Name() const { return name_; }
    // Raises "Duplicate name" when another style of the collection bears the name (without regard to case).
    void SetName(const std::string& name);
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }
    TqbxFont& Font() { return font_; }
    const TqbxFont& Font() const { return font_; }
    TqbxFrame& Frame() { return frame_; }
    const TqbxFrame& Frame() const { return frame_; }

private:
    std::string name_;
    TColor color_ = clNone;
    TqbxFont font_;
    TqbxFrame frame_;
};

class TqbxStyles : public TqbxCollection
{
public:
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    TqbxStyleItem* Item(int index) const { return static_cast<TqbxStyleItem*>(Items(index)); }
    TqbxStyleItem* Find(const std::string& name) const;

protected:
    std::unique_ptr<TqbxCollectionItem> CreateItem() override;
};

} // namespace qbx
