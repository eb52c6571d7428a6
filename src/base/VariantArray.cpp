// Array values: bounds and element access with index checks.
#include "base/Exceptions.h"
#include "base/Variant.h"

namespace qbx {

VariantArray::VariantArray(std::vector<ArrayBound> bounds)
    : bounds_(std::move(bounds))
{
    std::size_t count = 1;
    for (const ArrayBound& b : bounds_) {
        if (b.Count() < 0)
            throw EConvertError(
                "Array bounds " + std::to_string(b.Low) + ".." + std::to_string(b.High) + " are reversed");
        count *= static_cast<std::size_t>(b.Count());
        if (count > (1u << 26))
            throw EConvertError("Array of more than 67108864 elements");
    }
    items_.resize(count);
}

Variant& VariantArray::At(const std::vector<int>& indices)
{
    if (indices.size() != bounds_.size())
        throw EListError("Array has " + std::to_string(bounds_.size()) + " dimensions, "
            + std::to_string(indices.size()) + " indices given");
    std::size_t offset = 0;
    for (std::size_t d = 0; d < bounds_.size(); ++d) {
        const ArrayBound& b = bounds_[d];
        if (indices[d] < b.Low || indices[d] > b.High)
            throw EListError("Array index " + std::to_string(indices[d]) + " is outside " + std::to_string(b.Low) + ".."
                + std::to_string(b.High));
        offset = offset * static_cast<std::size_t>(b.Count()) + static_cast<std::size_t>(indices[d] - b.Low);
    }
    return items_[offset];
}

int Variant::DimCount() const
{
    return array_ ? static_cast<int>(array_->Bounds().size()) : 0;
}

ArrayBound Variant::Bound(int dimension) const
{
    if (!array_ || dimension < 1 || dimension > DimCount())
        throw EListError("Array dimension " + std::to_string(dimension) + " does not exist");
    return array_->Bounds()[static_cast<std::size_t>(dimension - 1)];
}

const Variant& Variant::Element(const std::vector<int>& indices) const
{
    return const_cast<Variant*>(this)->Element(indices);
}

Variant& Variant::Element(const std::vector<int>& indices)
{
    if (!array_)
        FailConversion("Array");
    return array_->At(indices);
}

} // namespace qbx
