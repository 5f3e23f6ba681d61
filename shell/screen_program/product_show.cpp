#include "shell/screen_program/product_show.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <cmath>

#include "core/catalogue.h"
#include "platform/artwork.h"
#include "platform/system_message.h"

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
    {"CRB19", "crb_single_stage", 140, 189, "CRB19 Air Pressure Amplifiers", "Single acting, single stage, compact"},
    {"RB", "rb_single_acting", 227, 228, "RB Air Pressure Amplifiers", "Single acting, single stage"},
    {"RBW", "rbw_double_acting", 227, 228, "RBW Air Pressure Amplifiers", "Double acting, single stage"},
    {"4RBW", "rbw_double_acting", 227, 228, "4RBW Air Pressure Amplifier", "Double acting, single stage, high flow"},
    {"RBZ", "rbz_two_stage", 284, 231, "RBZ Two-Stage Air Pressure Amplifiers", "Two stages for the highest pressures"},
    {"8RBW", "eight_rbw_double_acting", 274, 160, "8RBW Air Pressure Amplifier", "Double acting, 203 mm (8\") air drive"},
};

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
        slides.push_back({QString::fromLatin1(family.picture), QSize(family.pictureWidth, family.pictureHeight),
                          QString::fromLatin1(family.title),
                          {QString::fromUtf8(family.action),
                           QStringLiteral("Outlet pressure up to %1 psi (%2 bar)")
                               .arg(maxOutletPsi, 0, 'f', 0)
                               .arg(std::round(maxOutletPsi / kPsiPerBar), 0, 'f', 0),
                           models}});
    }
    slides.push_back({QStringLiteral("high_pressure_gauges"), QSize(285, 271), QStringLiteral("High Pressure Gauges"),
                      {QStringLiteral("Matched to every amplifier in the range"),
                       QStringLiteral("Glycerine-filled, stainless steel cases"),
                       QStringLiteral("Dual scales in psi and bar")}});
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
    painter.setPen(kAccent);
    QFont brand(QStringLiteral("Arial"));
    brand.setPixelSize(std::max(16, height() / 28));
    brand.setBold(true);
    brand.setLetterSpacing(QFont::PercentageSpacing, 130);
    painter.setFont(brand);
    const int margin = height() / 24;
    painter.drawText(QRect(margin, margin, width() - 2 * margin, height() - 2 * margin),
                     Qt::AlignLeft | Qt::AlignTop, QStringLiteral("ZORVIK"));
    QFont note(QStringLiteral("Arial"));
    note.setPixelSize(std::max(11, height() / 60));
    painter.setFont(note);
    painter.setPen(QColor(150, 170, 200));
    painter.drawText(QRect(margin, margin, width() - 2 * margin, height() - 2 * margin),
                     Qt::AlignRight | Qt::AlignBottom,
                     QStringLiteral("Air Pressure Amplifiers   -   move the mouse or press a key to return"));
}

// The slide drifts on a slow ellipse around the middle of the screen.
void ProductShow::PaintSlide(QPainter& painter, const ShowSlide& slide, qreal opacity, qint64 ms) {
    const int unit = std::min(width(), height() * 4 / 3);
    const QSize pictureSize(unit * 2 / 5, unit * 2 / 5 * 3 / 4);
    const QSize card(unit * 9 / 10, pictureSize.height());
    const double phase = ms / 23000.0 * 2 * M_PI;
    const QPoint centre(width() / 2 + int(std::cos(phase) * width() / 12),
                        height() / 2 + int(std::sin(phase * 1.3) * height() / 10));
    const QPoint topLeft = centre - QPoint(card.width() / 2, card.height() / 2);

    painter.setOpacity(opacity);
    const QSize fitted = slide.PictureSize.scaled(pictureSize, Qt::KeepAspectRatio);
    painter.drawImage(topLeft + QPoint((pictureSize.width() - fitted.width()) / 2,
                                       (pictureSize.height() - fitted.height()) / 2),
                      Artwork(slide.Picture, fitted));

    const int textLeft = topLeft.x() + pictureSize.width() + unit / 20;
    const int textWidth = card.width() - pictureSize.width() - unit / 20;
    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(std::max(18, unit / 24));
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    int y = topLeft.y() + card.height() / 6;
    const QRect titleArea = painter.boundingRect(QRect(textLeft, y, textWidth, card.height()),
                                                 Qt::AlignLeft | Qt::TextWordWrap, slide.Title);
    painter.drawText(titleArea, Qt::AlignLeft | Qt::TextWordWrap, slide.Title);
    y = titleArea.bottom() + unit / 60;
    painter.fillRect(QRect(textLeft, y, unit / 8, std::max(2, unit / 300)), kAccent);
    y += unit / 30;
    QFont facts(QStringLiteral("Arial"));
    facts.setPixelSize(std::max(13, unit / 40));
    painter.setFont(facts);
    painter.setPen(QColor(205, 220, 240));
    for (const QString& fact : slide.Facts) {
        painter.drawText(QRect(textLeft, y, textWidth, unit / 16), Qt::AlignLeft | Qt::TextWordWrap, fact);
        y += unit / 22;
    }
}

}  // namespace zorvik
