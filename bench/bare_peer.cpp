// The bare program zorvik-select's start is measured against: it links the
// same Qt libraries, does nothing and prints one line.

#include <QString>
#include <QSvgRenderer>
#include <QImage>
#include <cstdio>

int main(int argc, char**) {
    // Never true in a measurement; it keeps the libraries linked.
    if (argc > 99) {
        QSvgRenderer renderer;
        QImage image(1, 1, QImage::Format_RGB32);
        std::printf("%d\n", renderer.isValid() + image.width() + static_cast<int>(QString().size()));
    }
    std::printf("model 6\n");
    return 0;
}
