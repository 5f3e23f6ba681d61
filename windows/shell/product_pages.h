#pragma once
// The rotating product display of the main window: six pages, each one
// product picture, a heading on a coloured band and nine text lines.

#include <QString>
#include <array>

#include "product_images_form.h"

namespace zorvik {

class Canvas;

inline constexpr int ProductPageCount = 6;
inline constexpr int ProductPageLines = 9;

struct ProductPage {
    TzampImagesForm::PictureName Picture;  // which picture of the picture store
    int PictureX;
    int PictureY;
    // Trailing blanks are part of the heading: they stretch its band.
    const char* Heading;
    // A line starting with "X" gets a bullet in front, the "X" not shown;
    // lines without it continue the bullet above at the same indent.
    std::array<const char*, ProductPageLines> Lines;
};

extern const std::array<ProductPage, ProductPageCount> ProductPages;

// The page in words, for assistive technology: the heading, then the
// lines, each bullet a sentence of its own.
QString ProductPageText(const ProductPage& page);

// Draws a page on the whole of the canvas: white ground, the picture, the
// heading band at y 240, then the lines from y 265 down, each bullet a red
// ball. At any scale every picture is drawn afresh from its drawing.
void DrawProductPage(Canvas& canvas, const ProductPage& page);

}  // namespace zorvik
