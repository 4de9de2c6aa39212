#pragma once

#include <string_view>
#include <vector>

#include "ui/image/byte_reader.h"
#include "ui/image/read_result.h"

// RIFF files are a tree of chunks: a four-character id, a length and a body,
// padded to an even length. A LIST chunk's body is a four-character list type
// followed by more chunks.

namespace ui::image {

struct Chunk {
    std::string_view id;
    std::string_view listType;  // for LIST and RIFF chunks, else empty
    Bytes body;                 // for lists, the chunks after the list type
    std::size_t offset = 0;     // where the chunk's id lies in the file
};

// Splits bytes [begin, end) of a file into the chunks that fill them. Fails on a
// chunk whose length runs past the end of its parent.
ReadResult<std::vector<Chunk>> readChunks(Bytes file, std::size_t begin, std::size_t end);

// The chunks inside a list chunk.
ReadResult<std::vector<Chunk>> readChildren(Bytes file, const Chunk& list);

}  // namespace ui::image
