#include "product_show.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "catalogue.h"
#include "artwork.h"
#include "system_message.h"

namespace zorvik {
namespace {

constexpr int kFrameMs = 40;
constexpr qint64 kSlideMs = 8000;
constexpr qint64 kFadeMs = 1200;
constexpr int kMouseSlack = 10;  // pixels of jitter that do not end the show
constexpr double kPsiPerBar = 14.5038;

const QColor kGroundTop(10, 24, 48);
const QColor kGroundBottom(22, 52, 92);
const QColor kAccent(120, 180, 235);

struct Family {
    const char* series;
    const char* picture;
    int pictureWidth;
    int pictureHeight;
    const char* title;
    const char* action;
};

constexpr Family kFamilies[] = {
    {"CRB19", "crb_single_stage", 140, 189, QT_TRANSLATE_NOOP("ProductShow", "CRB19 Air Pressure Amplifiers"),
     QT_TRANSLATE_NOOP("ProductShow", "Single acting, single stage, compact")},
    {"RB", "rb_single_acting", 227, 228, QT_TRANSLATE_NOOP("ProductShow", "RB Air Pressure Amplifiers"),
     QT_TRANSLATE_NOOP("ProductShow", "Single acting, single stage")},
    {"RBW", "rbw_double_acting", 227, 228, QT_TRANSLATE_NOOP("ProductShow", "RBW Air Pressure Amplifiers"),
     QT_TRANSLATE_NOOP("ProductShow", "Double acting, single stage")},
    {"4RBW", "rbw_double_acting", 227, 228, QT_TRANSLATE_NOOP("ProductShow", "4RBW Air Pressure Amplifier"),
     QT_TRANSLATE_NOOP("ProductShow", "Double acting, single stage, high flow")},
    {"RBZ", "rbz_two_stage", 284, 231, QT_TRANSLATE_NOOP("ProductShow", "RBZ Two-Stage Air Pressure Amplifiers"),
     QT_TRANSLATE_NOOP("ProductShow", "Two stages for the highest pressures")},
    {"8RBW", "eight_rbw_double_acting", 274, 160, QT_TRANSLATE_NOOP("ProductShow", "8RBW Air Pressure Amplifier"),
     QT_TRANSLATE_NOOP("ProductShow", "Double acting, 203 mm (8\") air drive")},
};

QString ShowText(const char* text) { return QCoreApplication::translate("ProductShow", text); }

int Margin(const QSize& screen) { return screen.height() / 24; }

QFont BrandFont(const QSize& screen) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(16, screen.height() / 28));
    font.setBold(true);
    font.setLetterSpacing(QFont::PercentageSpacing, 130);
    return font;
}

QFont NoteFont(const QSize& screen) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(11, screen.height() / 60));
    return font;
}

QString ModelsOf(const std::string& series, double& maxOutletPsi) {
    QStringList names;
    maxOutletPsi = 0;
    for (int n = 1; n <= PumpCount; ++n) {
        const TPumpRecord& pump = CatalogueRow(n);
        if (pump.Series != series) continue;
        names << QString::fromStdString(pump.Series + pump.RatioText).trimmed();
        maxOutletPsi = std::max(maxOutletPsi, pump.MaxOutletPsi);
    }
    return names.join(QStringLiteral(",  "));
}

}  // namespace

std::vector<ShowSlide> ProductShowSlides() {
    std::vector<ShowSlide> slides;
    for (const Family& family : kFamilies) {
        double maxOutletPsi = 0;
        const QString models = ModelsOf(family.series, maxOutletPsi);
        slides.push_back({QString::fromLatin1(family.picture),
                          QSize(family.pictureWidth, family.pictureHeight),
                          ShowText(family.title),
                          {ShowText(family.action),
                           QCoreApplication::translate("ProductShow", "Outlet pressure up to %1 psi (%2 bar)")
                               .arg(maxOutletPsi, 0, 'f', 0)
                               .arg(std::round(maxOutletPsi / kPsiPerBar), 0, 'f', 0),
                           models}});
    }
    slides.push_back({QStringLiteral("high_pressure_gauges"),
                      QSize(285, 271),
                      QCoreApplication::translate("ProductShow", "High Pressure Gauges"),
                      {QCoreApplication::translate("ProductShow", "Matched to every amplifier in the range"),
                       QCoreApplication::translate("ProductShow", "Glycerine-filled, stainless steel cases"),
                       QCoreApplication::translate("ProductShow", "Dual scales in psi and bar")}});
    return slides;
}

ProductShow::ProductShow(const QString& messageName, QWidget* parent)
    : QWidget(parent), messageName_(messageName), slides_(ProductShowSlides()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::BlankCursor);
    setFocusPolicy(Qt::StrongFocus);
    connect(&frameTimer_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    frameTimer_.start(kFrameMs);
    clock_.start();
}

void ProductShow::Finish() {
    if (finished_) return;
    finished_ = true;
    frameTimer_.stop();
    SendNamedSystemMessage(messageName_);
    emit finished();
}

void ProductShow::keyPressEvent(QKeyEvent*) { Finish(); }

void ProductShow::mousePressEvent(QMouseEvent*) { Finish(); }

// The window appears under a pointer that has not moved; only a movement
// beyond a few pixels from where the pointer was first seen counts.
void ProductShow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->globalPosition().toPoint();
    if (!mouseSeen_) {
        mouseSeen_ = true;
        firstMousePos_ = pos;
    } else if ((pos - firstMousePos_).manhattanLength() > kMouseSlack) {
        Finish();
    }
}

void ProductShow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ground(0, 0, 0, height());
    ground.setColorAt(0, kGroundTop);
    ground.setColorAt(1, kGroundBottom);
    painter.fillRect(rect(), ground);

    const qint64 ms = clock_.elapsed();
    const qint64 inSlide = ms % kSlideMs;
    const ShowSlide& slide = slides_[static_cast<std::size_t>(ms / kSlideMs) % slides_.size()];
    const qreal fadeIn = std::min<qreal>(1.0, qreal(inSlide) / kFadeMs);
    const qreal fadeOut = std::min<qreal>(1.0, qreal(kSlideMs - inSlide) / kFadeMs);
    PaintSlide(painter, slide, std::min(fadeIn, fadeOut), ms);
    painter.setOpacity(1.0);
    PaintFrame(painter);
}

void ProductShow::PaintFrame(QPainter& painter) {
    const QRect inside = rect().adjusted(Margin(size()), Margin(size()), -Margin(size()), -Margin(size()));
    painter.setPen(kAccent);
    painter.setFont(BrandFont(size()));
    painter.drawText(inside, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("ZORVIK"));
    painter.setFont(NoteFont(size()));
    painter.setPen(QColor(150, 170, 200));
    painter.drawText(inside, Qt::AlignRight | Qt::AlignBottom,
                     QCoreApplication::translate(
                         "ProductShow", "Air Pressure Amplifiers   -   move the mouse or press a key to return"));
}

QRect SlideLayout::Bounds() const {
    QRect all = Picture | Title | Rule;
    for (const QRect& fact : Facts) all |= fact;
    return all;
}

QRect SlideStage(const QSize& screen) {
    const int margin = Margin(screen);
    const int top = margin + 2 * QFontMetrics(BrandFont(screen)).height();
    const int bottom = margin + 2 * QFontMetrics(NoteFont(screen)).height();
    return QRect(QPoint(0, 0), screen).adjusted(margin, top, -margin, -bottom);
}

// The text column is laid out first at its widest; the slide is then as
// wide and as tall as its picture and text need, and drifts on a slow
// ellipse over what the stage leaves free.
SlideLayout LayOutSlide(const ShowSlide& slide, const QSize& screen, qint64 ms) {
    const QRect stage = SlideStage(screen);
    const int unit = std::min(stage.width(), stage.height() * 4 / 3);
    const QSize pictureArea(unit * 2 / 5, unit * 2 / 5 * 3 / 4);
    const int gap = unit / 20;
    const int textWidth = std::min(unit * 9 / 10, stage.width()) - pictureArea.width() - gap;

    SlideLayout layout;
    layout.TitleFont = QFont(QStringLiteral("Arial"));
    layout.TitleFont.setPixelSize(std::max(18, unit / 24));
    layout.TitleFont.setBold(true);
    layout.FactFont = QFont(QStringLiteral("Arial"));
    layout.FactFont.setPixelSize(std::max(13, unit / 40));
    const int wrap = Qt::AlignLeft | Qt::TextWordWrap;
    const QRect column(0, 0, textWidth, 100000);
    layout.Title = QFontMetrics(layout.TitleFont).boundingRect(column, wrap, slide.Title);
    int y = layout.Title.bottom() + 1 + unit / 60;
    layout.Rule = QRect(0, y, unit / 8, std::max(2, unit / 300));
    y += unit / 30;
    for (const QString& fact : slide.Facts) {
        layout.Facts.push_back(QFontMetrics(layout.FactFont).boundingRect(column, wrap, fact).translated(0, y));
        y = layout.Facts.back().bottom() + 1 + unit / 90;
    }
    const QSize card(pictureArea.width() + gap + textWidth, std::max(pictureArea.height(), y));

    const double phase = ms / 23000.0 * 2 * M_PI;
    const QPoint freedom((stage.width() - card.width()) / 2, (stage.height() - card.height()) / 2);
    const QPoint topLeft =
        stage.center() - QPoint(card.width() / 2, card.height() / 2) +
        QPoint(int(std::cos(phase) * std::max(0, freedom.x())), int(std::sin(phase * 1.3) * std::max(0, freedom.y())));

    const QSize fitted = slide.PictureSize.scaled(pictureArea, Qt::KeepAspectRatio);
    layout.Picture = QRect(
        topLeft + QPoint((pictureArea.width() - fitted.width()) / 2, (card.height() - fitted.height()) / 2), fitted);
    const QPoint textTopLeft = topLeft + QPoint(pictureArea.width() + gap, (card.height() - y) / 2);
    layout.Title.translate(textTopLeft);
    layout.Rule.translate(textTopLeft);
    for (QRect& fact : layout.Facts) fact.translate(textTopLeft);
    return layout;
}

void ProductShow::PaintSlide(QPainter& painter, const ShowSlide& slide, qreal opacity, qint64 ms) {
    const SlideLayout layout = LayOutSlide(slide, size(), ms);
    const int wrap = Qt::AlignLeft | Qt::TextWordWrap;
    painter.setOpacity(opacity);
    painter.drawImage(layout.Picture.topLeft(), Artwork(slide.Picture, layout.Picture.size()));
    painter.setFont(layout.TitleFont);
    painter.setPen(Qt::white);
    painter.drawText(layout.Title, wrap, slide.Title);
    painter.fillRect(layout.Rule, kAccent);
    painter.setFont(layout.FactFont);
    painter.setPen(QColor(205, 220, 240));
    for (qsizetype i = 0; i < slide.Facts.size(); ++i) painter.drawText(layout.Facts[i], wrap, slide.Facts[i]);
}

}  // namespace zorvik
