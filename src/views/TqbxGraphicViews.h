// Lines, shapes and pictures: their data models. Drawing arrives with the view drawing sequence.
#pragma once

#include "views/TqbxView.h"

#include <string>

namespace qbx {

class TqbxCustomLineView : public TqbxStretcheable
{
public:
    explicit TqbxCustomLineView(TqbxComponent* parent = nullptr);
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    void Draw(Canvas&, long double, long double, long double, long double) override { ContentNotAvailable(); }
};

class TqbxLineView : public TqbxCustomLineView
{
public:
    using TqbxCustomLineView::TqbxCustomLineView;
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    bool ArrowEnd = false, ArrowSolid = false, ArrowStart = false, Diagonal = false;
    int ArrowLength = 20, ArrowWidth = 5;
};

enum TqbxShapeKind { skRectangle, skRoundRectangle, skEllipse, skTriangle, skDiamond, skDiagonal1, skDiagonal2 };

class TqbxShapeView : public TqbxView
{
public:
    explicit TqbxShapeView(TqbxComponent* parent = nullptr);
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    void Draw(Canvas&, long double, long double, long double, long double) override { ContentNotAvailable(); }

    TqbxShapeKind Shape = skRectangle;
    int Curve = 0; // corner size of skRoundRectangle
};

class TqbxPictureView : public TqbxView
{
public:
    explicit TqbxPictureView(TqbxComponent* parent = nullptr);
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    void Draw(Canvas&, long double, long double, long double, long double) override { ContentNotAvailable(); }

    // The picture's file bytes (a bitmap or a JPEG image); empty when it holds none.
    const std::string& Picture() const { return picture_; }
    void SetPicture(const std::string& bytes);
    bool PictureChanged = false; // since it was last stored in prepared pages

    bool AutoSize = false, Center = false, Stretched = true, KeepAspectRatio = true;
    std::string FileLink;
    int ImageIndex = -1; // the picture's index in the prepared pages' picture cache

private:
    std::string picture_;
};

} // namespace qbx
