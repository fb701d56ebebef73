#include "zfp4res/src/Codabar.h"

#include <zint.h>

#include <cmath>
#include <memory>

namespace codabar {

std::optional<Symbol> encode(QByteArrayView data) {
    const std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> symbol(ZBarcode_Create(), &ZBarcode_Delete);
    if (!symbol || data.isEmpty()) return std::nullopt;
    symbol->symbology = BARCODE_CODABAR;
    symbol->show_hrt = 0;  // the layout prints its own texts
    const int status = ZBarcode_Encode_and_Buffer_Vector(
        symbol.get(), reinterpret_cast<const unsigned char*>(data.data()), static_cast<int>(data.size()), 0);
    if (status >= ZINT_ERROR || !symbol->vector || symbol->width <= 0) return std::nullopt;
    // The vector output scales modules by a factor of its own; its total
    // width tells which.
    const float unit = symbol->vector->width / static_cast<float>(symbol->width);
    if (!(unit > 0)) return std::nullopt;
    Symbol result;
    result.modules = symbol->width;
    for (const zint_vector_rect* rect = symbol->vector->rectangles; rect; rect = rect->next)
        result.bars.push_back({static_cast<int>(std::lround(rect->x / unit)), static_cast<int>(std::lround(rect->width / unit))});
    return result;
}

}  // namespace codabar
