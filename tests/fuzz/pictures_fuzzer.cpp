// libFuzzer target for the three picture readers: any bytes at all must be read or refused, never
// crash nor read outside the input. Built by the fuzz preset; tools/fuzz.sh runs it seeded with
// the program's own pictures in res/pictures.

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
