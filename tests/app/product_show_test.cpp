#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>

#include "system_message.h"
#include "product_show.h"

namespace zorvik {
namespace {

class ProductShowTest : public ::testing::Test {
protected:
    void Move(const QPoint& to) {
        QMouseEvent e(QEvent::MouseMove, QPointF(to), QPointF(to), QPointF(to), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(&show_, &e);
    }
    const QString name_ = QStringLiteral("zorvik-show-") + QUuid::createUuid().toString(QUuid::WithoutBraces).left(12);
    NamedSystemMessage listener_{name_};
    ProductShow show_{name_};
    QSignalSpy finished_{&show_, &ProductShow::finished};
    QSignalSpy heard_{&listener_, &NamedSystemMessage::received};
};

TEST_F(ProductShowTest, KeyEndsTheShowAndTellsTheMainProgram) {
    QTest::keyClick(&show_, Qt::Key_Left);
    EXPECT_EQ(finished_.count(), 1);
    EXPECT_TRUE(heard_.wait(3000));
    QTest::keyClick(&show_, Qt::Key_A);
    EXPECT_EQ(finished_.count(), 1);
}

TEST_F(ProductShowTest, OnlyARealMouseMovementEndsTheShow) {
    Move({400, 300});
    Move({404, 303});
    EXPECT_EQ(finished_.count(), 0);
    Move({440, 330});
    EXPECT_EQ(finished_.count(), 1);
    EXPECT_TRUE(heard_.wait(3000));
}

TEST(ProductShowSlidesTest, FactsComeFromTheCatalogue) {
    const auto slides = ProductShowSlides();
    ASSERT_EQ(slides.size(), 7u);
    EXPECT_EQ(slides[0].Facts[2], QStringLiteral("CRB19-2.5,  CRB19-3.5,  CRB19-4.5"));
    EXPECT_EQ(slides[0].Facts[1], QStringLiteral("Outlet pressure up to 600 psi (41 bar)"));
    EXPECT_EQ(slides[4].Facts[1], QStringLiteral("Outlet pressure up to 5000 psi (345 bar)"));
    EXPECT_EQ(slides[4].Facts[2], QStringLiteral("RBZ-7/30,  RBZ-15/30,  RBZ-30/50"));
    for (const auto& slide : slides) EXPECT_FALSE(slide.Picture.isEmpty());
}

// Every slide stays whole inside the stage, whatever the screen and
// wherever its drift has taken it; the stage itself keeps a margin from
// every edge.
TEST(ProductShowSlidesTest, EverySlideStaysOnEveryScreen) {
    const QSize screens[] = {{1024, 768},  {1280, 1024}, {1366, 768},  {1920, 1080},
                             {1920, 1200}, {2560, 1440}, {3840, 2160}, {1080, 1920}};
    const auto slides = ProductShowSlides();
    for (const QSize& screen : screens) {
        const QRect stage = SlideStage(screen);
        EXPECT_TRUE(QRect(QPoint(0, 0), screen).adjusted(1, 1, -1, -1).contains(stage)) << screen.width();
        for (const ShowSlide& slide : slides) {
            for (qint64 ms = 0; ms < 46000; ms += 1000) {
                const SlideLayout layout = LayOutSlide(slide, screen, ms);
                EXPECT_TRUE(stage.contains(layout.Bounds()))
                    << screen.width() << "x" << screen.height() << " " << slide.Title.toStdString() << " at " << ms;
                EXPECT_FALSE(layout.Picture.intersects(layout.Title)) << slide.Title.toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace zorvik
