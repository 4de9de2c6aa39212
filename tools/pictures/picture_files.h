#pragma once

#include <string_view>
#include <vector>

#include "tools/pictures/encoders.h"

// The three files the generator writes, by name, each with how it is made.

namespace pictures {

struct PictureFile {
    std::string_view name;
    ByteBuffer (*encode)();
};

const std::vector<PictureFile>& pictureFiles();

}  // namespace pictures
