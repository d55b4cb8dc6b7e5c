// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the number text: reading any text never fails badly, and every text the
// formatter writes reads back to a number that is written as the same text; a 17-digit short
// text reads back to the same double.
#include "solutions/numbertext.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{

void checkRoundTrip(const std::string &text)
{
    const auto back = kel::solutions::toNumber(text);
    if (!back || kel::solutions::toText(*back) != text)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    if (const auto value = kel::solutions::toNumber(text)) {
        if (!std::isfinite(*value))
            std::abort();
        checkRoundTrip(kel::solutions::toText(*value));
    }
    if (size >= sizeof(double)) {
        double d;
        std::memcpy(&d, data, sizeof d);
        if (std::isfinite(d)) {
            checkRoundTrip(kel::solutions::toText(d));
            // Seventeen digits, as in CSV files, give back the very same double.
            const auto exact = kel::solutions::toNumber(kel::solutions::shortText(d, 17));
            if (!exact || (*exact != d && !(d == 0 && *exact == 0)))
                std::abort();
        }
        float f;
        std::memcpy(&f, data, sizeof f);
        if (std::isfinite(f)) {
            const std::string text32 = kel::solutions::toText(f);
            const auto back = kel::solutions::toNumber(text32);
            if (!back || kel::solutions::toText(static_cast<float>(*back)) != text32)
                std::abort();
        }
    }
    return 0;
}
