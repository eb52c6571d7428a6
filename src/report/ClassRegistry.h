// The process-wide registries: class names to classes (for loading templates), and the object kinds
// offered to design tools, each of which also enters its class.
#pragma once

#include "report/PropertyRegistry.h"

#include <string>
#include <vector>

namespace qbx {

class ClassRegistry
{
public:
    static ClassRegistry& Instance();

    void Register(const ClassInfo& info); // registering a class again is ignored
    const ClassInfo* Find(const std::string& className) const; // exact name
    // Creates an object by class name; raises EConvertError "Cannot find class NAME" when unregistered.
    TqbxComponent* Create(const std::string& className, TqbxComponent* parent) const;
    std::vector<std::string> ClassNames() const;

private:
    std::vector<const ClassInfo*> classes_;
};

struct ObjectKind
{
    const ClassInfo* Class = nullptr;
    std::string ButtonBitmap;
    int ImageIndex = -1;
    std::string Hint;
    std::string Category;
    int Flags = 0;
};

class ObjectRegistry
{
public:
    static ObjectRegistry& Instance();
    // Enters the kind and its class; the same class with the same flags a second time is ignored.
    void Register(const ObjectKind& kind);
    const std::vector<ObjectKind>& Kinds() const { return kinds_; }
    int ImageIndexOf(const ClassInfo& info) const; // -1 when the class is not a registered kind

private:
    std::vector<ObjectKind> kinds_;
};

// Registers every class templates can name: the report core's, the barcode view and the dot-matrix
// classes; safe to call more than once.
void RegisterStandardClasses();

} // namespace qbx
