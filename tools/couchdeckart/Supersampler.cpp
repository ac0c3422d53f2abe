#include "Supersampler.h"

namespace kova::couchdeckart {

void Reduce(const art::ArtCanvas& large, art::ArtCanvas& out, std::optional<COLORREF> key)
{
    constexpr int area = kSamples * kSamples;
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) {
            int keyed = 0;
            int r = 0, g = 0, b = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx) {
                    const COLORREF c = large.Pixel(x * kSamples + sx, y * kSamples + sy);
                    if (key && c == *key) {
                        ++keyed;
                        continue;
                    }
                    r += GetRValue(c);
                    g += GetGValue(c);
                    b += GetBValue(c);
                }
            if (keyed * 2 > area) {
                out.SetPixel(x, y, *key);
                continue;
            }
            const int n = area - keyed;
            COLORREF c = RGB(r / n, g / n, b / n);
            if (key && c == *key)   // never see-through by accident
                c = RGB(GetRValue(c), GetGValue(c), GetBValue(c) - 1);
            out.SetPixel(x, y, c);
        }
}

} // namespace kova::couchdeckart
