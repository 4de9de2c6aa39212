// A libFuzzer target for the three readers: any bytes at all must be read or
// refused, never crash nor read outside the input. Built when the compiler is
// clang; configure with CMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address,undefined so the
// readers are instrumented too, seed a corpus with the files of res/pictures and run
//     pictures_fuzzer -max_total_time=60 CORPUS_DIR

#include <cstddef>
#include <cstdint>
#include <span>

#include "ui/image/bitmap.h"
#include "ui/image/clip.h"
#include "ui/image/half_blocks.h"
#include "ui/image/icon.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(data), size);
    if (auto bitmap = ui::image::readBitmapFile(bytes)) {
        ui::image::toHalfBlocks(*bitmap, {7, 3}, {});
    }
    if (auto icon = ui::image::readIcon(bytes, {32, 8})) {
        ui::image::toHalfBlocks(*icon, {7, 3}, {});
    }
    if (auto clip = ui::image::readClip(bytes)) {
        for (int frame = 0; frame < clip->frameCount(); ++frame)
            clip->frameImage(frame);
    }
    return 0;
}
