#include "tools/pictures/picture_files.h"

#include "tools/pictures/artwork.h"
#include "tools/pictures/palettes.h"

namespace pictures {

namespace {

ByteBuffer splashFile() {
    return encodeBitmapFile(splashPicture(), fullPalette());
}
ByteBuffer iconFile() {
    return encodeIconFile(iconPictures());
}
ByteBuffer clipFile() {
    return encodeClipFile(logoFrames(), fullPalette(), logoMicrosecondsPerFrame);
}

}  // namespace

const std::vector<PictureFile>& pictureFiles() {
    static const std::vector<PictureFile> files{
        {"splash.bmp", splashFile},
        {"navisift.ico", iconFile},
        {"logo.avi", clipFile},
    };
    return files;
}

}  // namespace pictures
