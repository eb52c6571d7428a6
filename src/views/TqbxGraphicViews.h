// Lines, shapes and pictures: their data models. Drawing arrives with the view drawing sequence.
#pragma once

#include "platform/Pictures.h"
#include "views/TqbxView.h"

#include <memory>
#include <string>
#include <string_view>

namespace qbx {

class TqbxCustomLineView : public TqbxStretcheable
{
public:
    explicit TqbxCustomLineView(TqbxComponent* parent = nullptr);
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    std::string GetDescription() const override; // the localized "obLine"
    // Straightens the line (vertical when not wider than high, else horizontal) and draws it as a frame line.
    void Draw(
        Canvas& canvas, long double scaleX, long double scaleY, long double offsetX, long double offsetY) override;
};

class TqbxLineView : public TqbxCustomLineView
{
public:
    using TqbxCustomLineView::TqbxCustomLineView;
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    void Draw(
        Canvas& canvas, long double scaleX, long double scaleY, long double offsetX, long double offsetY) override;

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
    std::string GetDescription() const override; // the localized "obShape"
    void Draw(
        Canvas& canvas, long double scaleX, long double scaleY, long double offsetX, long double offsetY) override;

    std::string Diff(const TqbxComponent& reference) const override; // the view's, then Shape

    TqbxShapeKind Shape = skRectangle;
    int Curve = 0; // corner size of skRoundRectangle

private:
    void DrawFigure();
};

class TqbxPictureView : public TqbxView
{
public:
    explicit TqbxPictureView(TqbxComponent* parent = nullptr);
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    std::string GetDescription() const override; // the localized "obPicture"
    void Draw(
        Canvas& canvas, long double scaleX, long double scaleY, long double offsetX, long double offsetY) override;
    // Loads by the file's extension (.bmp, .jpg, .jpeg); raises EFileError or EConvertError naming the file.
    void LoadFromFile(const std::string& fileName);
    // Loads data recognised by its content, after an optional 8-byte length header; false (and no
    // picture) for data in no known format.
    bool LoadFromData(std::string_view data);

    // The picture's file bytes (a bitmap or a JPEG image); empty when it holds none.
    const std::string& Picture() const { return picture_; }
    void SetPicture(const std::string& bytes);
    bool PictureChanged = false; // since it was last stored in prepared pages
    // The view's data; then the picture of FileLink (its [expressions] expanded; cleared when the file is
    // missing), or of a data-bound blob field, recognised by content.
    void GetData() override;
    // The view's attributes, then ImageIndex, always (the picture cache of prepared pages sets it).
    std::string Diff(const TqbxComponent& reference) const override;

    bool AutoSize = false, Center = false, Stretched = true, KeepAspectRatio = true;
    std::string FileLink;
    int ImageIndex = -1; // the picture's index in the prepared pages' picture cache

private:
    const RasterImage* Image(); // the decoded picture, kept until the picture changes; nullptr when none

    std::string picture_;
    std::shared_ptr<RasterImage> image_;
    std::string decodedFrom_;
};

} // namespace qbx
