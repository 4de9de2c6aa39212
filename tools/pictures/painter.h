#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "ui/geometry.h"
#include "ui/image/image.h"

// Drawing into palette images: rectangles, discs, polygons and block letters.
// A pixel belongs to a shape when its centre does; there is no blending, since
// each pixel holds one palette index.

namespace pictures {

struct Vec {
    double x = 0;
    double y = 0;
};

class Painter {
  public:
    explicit Painter(ui::image::IndexedImage& image) : image_(image) {}

    void fill(std::uint8_t index);
    void rect(ui::Rect area, std::uint8_t index);
    void disc(Vec centre, double radius, std::uint8_t index);
    void polygon(std::initializer_list<Vec> corners, std::uint8_t index);
    // A pointed kite from the centre: its tip lies at length along the angle
    // (radians clockwise from straight up), its sides halfWidth away at the centre.
    // The left half takes light, the right half dark, as if lit from the left.
    void point(Vec centre, double angle, double length, double halfWidth, std::uint8_t light,
               std::uint8_t dark);

    ui::image::IndexedImage& image() { return image_; }

  private:
    void set(int x, int y, std::uint8_t index);

    ui::image::IndexedImage& image_;
};

// The pixels of an image divided into the blocks a scaler of the same cells
// takes as one: block (column, row) of a grid of columns x rows. Shapes laid on
// these blocks stay sharp when the picture is shown at that size.
class BlockGrid {
  public:
    BlockGrid(ui::Size pixels, ui::Size blocks) : pixels_(pixels), blocks_(blocks) {}

    ui::Rect block(int column, int row, int width = 1, int height = 1) const;

  private:
    ui::Size pixels_;
    ui::Size blocks_;
};

// Block letters of five by seven blocks (I is three wide), for the product's name.
int letterWidth(char letter);
// Draws text with its top left block at (column, row), one block between letters;
// returns the width it took, in blocks.
int drawLetters(Painter& painter, const BlockGrid& grid, int column, int row, std::string_view text,
                std::uint8_t index);
int lettersWidth(std::string_view text);

}  // namespace pictures
