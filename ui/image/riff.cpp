#include "ui/image/riff.h"

#include <string>

namespace ui::image {

namespace {

// A chunk id fit for a message: bytes that are no printable letters show as '?'.
std::string printable(std::string_view id) {
    std::string shown(id);
    for (char& c : shown) {
        if (c < 0x20 || c > 0x7E)
            c = '?';
    }
    return shown;
}

bool isList(std::string_view id) {
    return id == "LIST" || id == "RIFF";
}

}  // namespace

ReadResult<std::vector<Chunk>> readChunks(Bytes file, std::size_t begin, std::size_t end) {
    if (begin > end || end > file.size())
        return fail("chunk area outside the file");
    ByteReader reader(file.first(end));
    reader.seek(begin);
    std::vector<Chunk> chunks;
    while (!reader.atEnd()) {
        Chunk chunk;
        chunk.offset = reader.position();
        const auto id = reader.fourcc();
        const auto length = reader.u32();
        if (!id || !length)
            return fail("chunk header cut short at " + std::to_string(chunk.offset));
        chunk.id = *id;
        const auto body = reader.take(*length);
        if (!body) {
            return fail("chunk '" + printable(*id) + "' at " + std::to_string(chunk.offset) +
                        " claims " + std::to_string(*length) + " bytes, past its end");
        }
        chunk.body = *body;
        if (isList(chunk.id)) {
            if (body->size() < 4)
                return fail("list chunk without a type");
            chunk.listType = std::string_view(reinterpret_cast<const char*>(body->data()), 4);
            chunk.body = body->subspan(4);
        }
        // The padding byte of an odd length may be missing after the very last chunk.
        if (*length % 2 == 1 && !reader.atEnd())
            reader.skip(1);
        chunks.push_back(chunk);
    }
    return chunks;
}

ReadResult<std::vector<Chunk>> readChildren(Bytes file, const Chunk& list) {
    const auto begin = static_cast<std::size_t>(list.body.data() - file.data());
    return readChunks(file, begin, begin + list.body.size());
}

}  // namespace ui::image
