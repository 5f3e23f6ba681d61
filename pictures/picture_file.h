#pragma once
// Writes a picture drawn on a Canvas to a file. The file name's suffix picks
// the format: .png is drawn into an image at 96 dpi times the scale, .svg and
// .pdf as vectors onto a device of the picture's size, by the same drawing
// code.

#include <QByteArray>
#include <QString>
#include <filesystem>

#include "canvas.h"

namespace zorvik {

// Output names are paths, not texts: a name on the command line that is not
// valid UTF-8 still names that file, byte for byte.
std::filesystem::path FilePath(const QString& fileName);
// The name as a message shows it.
QString ShownPath(const std::filesystem::path& file);

// True when the suffix is one of .png, .svg and .pdf (any case).
bool IsPictureFileName(const std::filesystem::path& file);

// PNG pixels per picture pixel.
inline constexpr int LowestPictureScale = 1;
inline constexpr int HighestPictureScale = 4;

// Draws a width x height picture with `draw` into the file, a PNG `scale`
// times that size. False, with a one-line reason in `error`, when the suffix
// is unknown or the file cannot be written.
bool DrawPictureFile(const std::filesystem::path& file, int width, int height, const PictureDrawing& draw,
                     QString& error, int scale = LowestPictureScale);

// Writes a document's bytes to the file the user named (job::WriteOutput):
// complete and on the disk, or not at all, with why in `error` (in the
// reader's language).
bool WriteOutputFile(const std::filesystem::path& file, const QByteArray& bytes, QString& error,
                     const Translator* reader);

// The picture as an SVG document, all vectors.
QByteArray PictureSvg(QSize size, const PictureDrawing& draw);

}  // namespace zorvik
