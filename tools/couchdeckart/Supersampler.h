#pragma once
// Drawing at a multiple of the final size and reducing it gives smooth lettering and curves.
// A colour-keyed picture must not blend its edge into the key colour (that would leave a pink
// fringe around the shape), so the key is treated as coverage: an output pixel is the key when
// most of its samples are, otherwise the average of its other samples.

#include "ArtCanvas.h"

#include <optional>

namespace kova::couchdeckart {

inline constexpr int kSamples = 3;

// Without a key every sample counts.
void Reduce(const art::ArtCanvas& large, art::ArtCanvas& out,
            std::optional<COLORREF> key = std::nullopt);

} // namespace kova::couchdeckart
