#include "product_pages.h"

#include "canvas.h"

namespace zorvik {
namespace {

const QColor kHeadingBand(32, 84, 141);
constexpr int kHeadingTop = 240;
constexpr int kFirstLineTop = 265;
constexpr int kTextLeft = 25;
const QString kBulletArt = QStringLiteral("red_ball");
constexpr QSize kBulletSize(20, 18);

}  // namespace

// clang-format off
const std::array<ProductPage, ProductPageCount> ProductPages = {{
    {TzampImagesForm::CRBSingleStageImage, 100, 0,
     "      CRB19   Air Pressure Amplifier Range                               ",
     {"XSingle Acting   Single Stage",
      "XEconomical means of boosting pressure, where",
      "volume is small.",
      "XCompact size",
      "XMaximum outlet pressure is",
      "    area ratio x drive pressure.",
      "XControl of maximum pressure by means of",
      "inexpensive air drive pressure regulators.",
      ""}},
    {TzampImagesForm::RBSingleActingImage, 90, 0,
     "      RB   Air Pressure Amplifier Range                                 ",
     {"XSingle Acting   Single Stage",
      "XPressure outputs up to 310 bar (4500 psi)",
      "XMaximum outlet pressure is",
      "    area ratio x drive pressure.",
      "XControl of maximum pressure by means of",
      "inexpensive air drive pressure regulators.",
      "",
      "",
      ""}},
    {TzampImagesForm::RbwDoubleActingImage, 70, 0,
     "      RBW  Air Pressure Amplifier Range                                ",
     {"XDouble Acting   Single Stage   3 Sizes",
      "XEfficient means of increasing air pressure",
      "XPressure outputs up to 310 bar (4500 psi)",
      "XMaximum outlet pressure is area ratio x",
      "    drive pressure PLUS supply pressure.",
      "XPumps twice volume per cycle of RB Range.",
      "XRequires less air drive since the inlet air",
      "pressure itself provides a substantial portion",
      "of the driving force."}},
    {TzampImagesForm::RbzTwoStageImage, 40, 0,
     "      RBZ   Air Pressure Amplifier Range                               ",
     {"XTwo Stage Air Amplifier",
      "XEfficient means of providing air at",
      "higher outlet pressures.",
      "Xcompression ratio per stage is low.",
      "XMaximum outlet pressure is",
      "    area ratio x drive pressure PLUS",
      "    air inlet pressure x area ratio of the",
      "    two pistons.",
      ""}},
    {TzampImagesForm::EightRbwDoubleActingImage, 50, 50,
     "      8RBW  Air Pressure Amplifier                                    ",
     {"XDouble Acting   Single Stage",
      "X203 mm (8\") drive",
      "XHigh output flow Air Pressure Amplifier",
      "XPressure outputs up to 20 bar (300 psi)",
      "XMaximum outlet pressure is area ratio x",
      "    drive pressure PLUS supply pressure.",
      "XRequires less air drive since the inlet air",
      "pressure itself provides a substantial portion",
      "of the driving force."}},
    {TzampImagesForm::highPressureGaugesImage, 40, 70,
     "",
     {"", "", "", "", "", "",
      "XZorvik can provide high pressure gauges",
      "to suit your application.",
      ""}},
}};
// clang-format on

QString ProductPageText(const ProductPage& page) {
    QStringList sentences{QString::fromUtf8(page.Heading).simplified()};
    for (const char* line : page.Lines) {
        const QString words = QString::fromUtf8(line).simplified();
        if (words.startsWith(QLatin1Char('X')))
            sentences.append(words.mid(1));
        else if (!words.isEmpty())
            sentences.last() += QLatin1Char(' ') + words;
    }
    for (QString& sentence : sentences)
        if (!sentence.endsWith(QLatin1Char('.'))) sentence += QLatin1Char('.');
    return sentences.join(QLatin1Char(' '));
}

void DrawProductPage(Canvas& canvas, const ProductPage& page) {
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColor(colors::White);
    canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
    TzampImagesForm::DrawPicture(canvas, page.PictureX, page.PictureY, page.Picture);

    canvas.SetFont(QStringLiteral("arial"), 13, true);
    canvas.SetFontColor(colors::White);
    canvas.SetBrushColor(kHeadingBand);
    canvas.TextOut(0, kHeadingTop, QString::fromUtf8(page.Heading));

    canvas.SetFont(QStringLiteral("arial"), 12);
    canvas.SetFontColor(colors::Navy);
    canvas.SetBrushColor(colors::White);
    const int lineHeight = static_cast<int>(canvas.TextHeight(QStringLiteral("W")) * 1.25);
    for (int i = 0; i < ProductPageLines; ++i) {
        QString line = QString::fromUtf8(page.Lines[i]);
        const int y = kFirstLineTop + i * lineHeight;
        if (line.startsWith(QLatin1Char('X'))) {
            canvas.DrawArtwork(0, y, kBulletSize, kBulletArt, false);
            line.remove(0, 1);
        }
        canvas.TextOut(kTextLeft, y, line);
    }
}

}  // namespace zorvik
