#include "data_sheet.h"

#include "performance_chart.h"
#include "language.h"
#include "text_fit.h"

namespace zorvik {
namespace {

constexpr double LeftMarginInches = 0.5;
constexpr double RightMarginInches = 0.5;
constexpr double TopMarginInches = 0.5;
constexpr int FontPoints = 12;

// The picture, whole, stretched into the rectangle from (left, top) to
// (right, bottom); right - left and bottom - top are its printed size.
void PrintPicture(Canvas& page, int left, int top, int right, int bottom, const PictureDrawing& picture) {
    page.DrawPicture(QRectF(left, top, right - left, bottom - top), QSize(ChartPictureWidth, ChartPictureHeight),
                     picture);
}

}  // namespace

void DrawDataSheet(Canvas& c, const PictureDrawing& picture, const TAddressData& office) {
    const int width = c.Width();
    const int height = c.Height();
    const int ppi = c.Dpi();
    const int printX = static_cast<int>(ppi * LeftMarginInches);
    int printY = static_cast<int>(ppi * TopMarginInches);
    const QString company = QString::fromStdString(office.Field[1]);
    const int lineWidth = static_cast<int>(width - ppi * LeftMarginInches - ppi * RightMarginInches);

    c.SetFont(QStringLiteral("Arial"), FontPoints, true, false, true);
    const int line = c.TextHeight(QStringLiteral("ABCD")) + 2;
    TextOutFitted(c, printX, printY, lineWidth, {}, company);

    printY += (height / 320) * 2 + line;
    c.TextOut(printX, printY, c.Say(Tr("Pages", "Data sheet")));
    c.SetFont(QStringLiteral("Arial"), FontPoints);
    c.TextOut((width / 6) * 5, printY, texts::ShortDate(c.Language()));

    printY += 3 * line;
    const int pictureWidth = static_cast<int>(width - ppi * LeftMarginInches - ppi * RightMarginInches);
    const int pictureHeight = pictureWidth * DataSheetPictureHeight / DataSheetPictureWidth;
    PrintPicture(c, printX, printY, printX + pictureWidth - 1, printY + pictureHeight - 1, picture);

    c.SetFont(QStringLiteral("arial"), FontPoints, true);
    printY += pictureHeight + line + (height / 320) * 5;
    TextOutContact(c, printX, printY, lineWidth, company);
    printY += line;
    TextOutFitted(c, printX, printY, lineWidth, {}, QString::fromStdString(TelFaxLine(office)));
}

PrintResult PrintDataSheet(PrintPage& sheet, const PictureDrawing& picture, const TAddressData& office) {
    if (!sheet.IsOpen()) return PrintResult::NotStarted;
    DrawDataSheet(sheet.Page(), picture, office);
    return sheet.End();
}

}  // namespace zorvik
