#include "product_pages.h"

#include <QCoreApplication>

#include "canvas.h"

namespace zorvik {
namespace {

const QColor kHeadingBand(32, 84, 141);
constexpr int kHeadingTop = 240;
constexpr int kFirstLineTop = 265;
constexpr int kTextLeft = 25;
const QString kBulletArt = QStringLiteral("red_ball");
constexpr QSize kBulletSize(20, 18);

QString PageText(const char* text) { return QCoreApplication::translate("ProductPages", text); }

}  // namespace

// clang-format off
const std::array<ProductPage, ProductPageCount> ProductPages = {{
    {TzampImagesForm::CRBSingleStageImage, 100, 0,
     QT_TRANSLATE_NOOP("ProductPages", "      CRB19   Air Pressure Amplifier Range                               "),
     {QT_TRANSLATE_NOOP("ProductPages", "XSingle Acting   Single Stage"),
      QT_TRANSLATE_NOOP("ProductPages", "XEconomical means of boosting pressure, where"),
      QT_TRANSLATE_NOOP("ProductPages", "volume is small."),
      QT_TRANSLATE_NOOP("ProductPages", "XCompact size"),
      QT_TRANSLATE_NOOP("ProductPages", "XMaximum outlet pressure is"),
      QT_TRANSLATE_NOOP("ProductPages", "    area ratio x drive pressure."),
      QT_TRANSLATE_NOOP("ProductPages", "XControl of maximum pressure by means of"),
      QT_TRANSLATE_NOOP("ProductPages", "inexpensive air drive pressure regulators."),
      ""}},
    {TzampImagesForm::RBSingleActingImage, 90, 0,
     QT_TRANSLATE_NOOP("ProductPages", "      RB   Air Pressure Amplifier Range                                 "),
     {QT_TRANSLATE_NOOP("ProductPages", "XSingle Acting   Single Stage"),
      QT_TRANSLATE_NOOP("ProductPages", "XPressure outputs up to 310 bar (4500 psi)"),
      QT_TRANSLATE_NOOP("ProductPages", "XMaximum outlet pressure is"),
      QT_TRANSLATE_NOOP("ProductPages", "    area ratio x drive pressure."),
      QT_TRANSLATE_NOOP("ProductPages", "XControl of maximum pressure by means of"),
      QT_TRANSLATE_NOOP("ProductPages", "inexpensive air drive pressure regulators."),
      "",
      "",
      ""}},
    {TzampImagesForm::RbwDoubleActingImage, 70, 0,
     QT_TRANSLATE_NOOP("ProductPages", "      RBW  Air Pressure Amplifier Range                                "),
     {QT_TRANSLATE_NOOP("ProductPages", "XDouble Acting   Single Stage   3 Sizes"),
      QT_TRANSLATE_NOOP("ProductPages", "XEfficient means of increasing air pressure"),
      QT_TRANSLATE_NOOP("ProductPages", "XPressure outputs up to 310 bar (4500 psi)"),
      QT_TRANSLATE_NOOP("ProductPages", "XMaximum outlet pressure is area ratio x"),
      QT_TRANSLATE_NOOP("ProductPages", "    drive pressure PLUS supply pressure."),
      QT_TRANSLATE_NOOP("ProductPages", "XPumps twice volume per cycle of RB Range."),
      QT_TRANSLATE_NOOP("ProductPages", "XRequires less air drive since the inlet air"),
      QT_TRANSLATE_NOOP("ProductPages", "pressure itself provides a substantial portion"),
      QT_TRANSLATE_NOOP("ProductPages", "of the driving force.")}},
    {TzampImagesForm::RbzTwoStageImage, 40, 0,
     QT_TRANSLATE_NOOP("ProductPages", "      RBZ   Air Pressure Amplifier Range                               "),
     {QT_TRANSLATE_NOOP("ProductPages", "XTwo Stage Air Amplifier"),
      QT_TRANSLATE_NOOP("ProductPages", "XEfficient means of providing air at"),
      QT_TRANSLATE_NOOP("ProductPages", "higher outlet pressures."),
      QT_TRANSLATE_NOOP("ProductPages", "Xcompression ratio per stage is low."),
      QT_TRANSLATE_NOOP("ProductPages", "XMaximum outlet pressure is"),
      QT_TRANSLATE_NOOP("ProductPages", "    area ratio x drive pressure PLUS"),
      QT_TRANSLATE_NOOP("ProductPages", "    air inlet pressure x area ratio of the"),
      QT_TRANSLATE_NOOP("ProductPages", "    two pistons."),
      ""}},
    {TzampImagesForm::EightRbwDoubleActingImage, 50, 50,
     QT_TRANSLATE_NOOP("ProductPages", "      8RBW  Air Pressure Amplifier                                    "),
     {QT_TRANSLATE_NOOP("ProductPages", "XDouble Acting   Single Stage"),
      QT_TRANSLATE_NOOP("ProductPages", "X203 mm (8\") drive"),
      QT_TRANSLATE_NOOP("ProductPages", "XHigh output flow Air Pressure Amplifier"),
      QT_TRANSLATE_NOOP("ProductPages", "XPressure outputs up to 20 bar (300 psi)"),
      QT_TRANSLATE_NOOP("ProductPages", "XMaximum outlet pressure is area ratio x"),
      QT_TRANSLATE_NOOP("ProductPages", "    drive pressure PLUS supply pressure."),
      QT_TRANSLATE_NOOP("ProductPages", "XRequires less air drive since the inlet air"),
      QT_TRANSLATE_NOOP("ProductPages", "pressure itself provides a substantial portion"),
      QT_TRANSLATE_NOOP("ProductPages", "of the driving force.")}},
    {TzampImagesForm::highPressureGaugesImage, 40, 70,
     "",
     {"", "", "", "", "", "",
      QT_TRANSLATE_NOOP("ProductPages", "XZorvik can provide high pressure gauges"),
      QT_TRANSLATE_NOOP("ProductPages", "to suit your application."),
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
    canvas.TextOut(0, kHeadingTop, PageText(page.Heading));

    canvas.SetFont(QStringLiteral("arial"), 12);
    canvas.SetFontColor(colors::Navy);
    canvas.SetBrushColor(colors::White);
    const int lineHeight = static_cast<int>(canvas.TextHeight(QStringLiteral("W")) * 1.25);
    for (int i = 0; i < ProductPageLines; ++i) {
        QString line = PageText(page.Lines[i]);
        const int y = kFirstLineTop + i * lineHeight;
        if (line.startsWith(QLatin1Char('X'))) {
            canvas.DrawArtwork(0, y, kBulletSize, kBulletArt, false);
            line.remove(0, 1);
        }
        canvas.TextOut(kTextLeft, y, line);
    }
}

}  // namespace zorvik
