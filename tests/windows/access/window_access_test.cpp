// Every window as a keyboard and screen reader user meets it: each control
// that takes the focus has a name and a role, each picture a name and a
// description, no two mnemonics of a window are alike, and a control shows
// that it has the focus. ZORVIK_GRAB_DIR=<folder> also grabs every window
// there for review.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>

#include "comparison_window_chart.h"
#include "picture_box.h"
#include "window_scenes.h"

namespace zorvik::testing {
namespace {

std::string NameOf(const QWidget* w) {
    return (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName())
        .toStdString();
}

bool Shown(const QWidget* w, const QWidget* window) { return w->isVisibleTo(window) && w->isVisible(); }

// The controls the Tab key can reach. A spin box's own line edit is the
// spin box to assistive technology.
std::vector<QWidget*> Focusable(QWidget* window) {
    std::vector<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (Shown(w, window) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
            qobject_cast<QAbstractSpinBox*>(w->parentWidget()) == nullptr)
            controls.push_back(w);
    return controls;
}

// The pictures of a window: drawn ones, and labels showing a picture larger
// than a bullet.
QList<QWidget*> Pictures(QWidget* window) {
    constexpr int kBullet = 32;
    QList<QWidget*> pictures;
    for (QWidget* p : window->findChildren<PictureBox*>()) pictures.append(p);
    for (QWidget* p : window->findChildren<ComparisonChartView*>()) pictures.append(p);
    for (QLabel* l : window->findChildren<QLabel*>())
        if (!l->pixmap().isNull() && l->width() > kBullet && l->height() > kBullet) pictures.append(l);
    return pictures;
}

// The letter after a single "&", lower case; nothing without one.
QChar MnemonicOf(const QString& text) {
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("(?:^|[^&])(?:&&)*&([^&])")).match(text);
    return m.hasMatch() ? m.captured(1).front().toLower() : QChar();
}

// The texts that carry a window's mnemonics, each with the control it
// names.
QList<QPair<QString, const QWidget*>> MnemonicTexts(QWidget* window) {
    QList<QPair<QString, const QWidget*>> texts;
    for (const QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (Shown(b, window)) texts.append({b->text(), b});
    for (const QLabel* l : window->findChildren<QLabel*>())
        if (Shown(l, window) && l->buddy() != nullptr) texts.append({l->text(), l});
    for (const QGroupBox* g : window->findChildren<QGroupBox*>())
        if (Shown(g, window)) texts.append({g->title(), g});
    for (const QTabBar* t : window->findChildren<QTabBar*>())
        for (int i = 0; Shown(t, window) && i < t->count(); ++i) texts.append({t->tabText(i), t});
    return texts;
}

}  // namespace

void PrintTo(const WindowScene& scene, std::ostream* out) { *out << scene.name; }

namespace {

class WindowAccessTest : public ::testing::TestWithParam<WindowScene> {};

TEST_P(WindowAccessTest, EveryFocusableControlHasANameAndARole) {
    QWidget* window = OpenScene(GetParam());
    ASSERT_NE(window, nullptr);
    const QString grabs = qEnvironmentVariable("ZORVIK_GRAB_DIR");
    if (!grabs.isEmpty())
        window->grab().save(QDir(grabs).filePath(QString::fromLatin1(GetParam().name) + QStringLiteral(".png")));
    for (QWidget* w : Focusable(window)) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(a, nullptr) << NameOf(w);
        const QString name = SpokenName(w).trimmed();
        EXPECT_FALSE(name.isEmpty()) << NameOf(w);
        EXPECT_FALSE(name.contains(QLatin1Char('&')) && !name.contains(QStringLiteral("& "))) << name.toStdString();
        EXPECT_NE(a->role(), QAccessible::NoRole) << NameOf(w);
        // A list named by its own choice says nothing of what it chooses.
        if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
            EXPECT_NE(name, combo->currentText()) << NameOf(w);
        }
        EXPECT_NE(a->role(), QAccessible::Client) << NameOf(w) << ": a role that says nothing";
    }
}

TEST_P(WindowAccessTest, EveryPictureIsNamedAndDescribed) {
    QWidget* window = OpenScene(GetParam());
    ASSERT_NE(window, nullptr);
    for (QWidget* p : Pictures(window)) {
        if (!Shown(p, window)) continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(p);
        EXPECT_EQ(a->role(), QAccessible::Graphic) << NameOf(p);
        EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << NameOf(p);
        EXPECT_FALSE(a->text(QAccessible::Description).isEmpty()) << NameOf(p);
    }
}

TEST_P(WindowAccessTest, NoTwoMnemonicsAlike) {
    QWidget* window = OpenScene(GetParam());
    ASSERT_NE(window, nullptr);
    QMap<QChar, QString> seen;
    for (const auto& [text, control] : MnemonicTexts(window)) {
        const QChar key = MnemonicOf(text);
        if (key.isNull()) continue;
        EXPECT_FALSE(seen.contains(key)) << "\"" << text.toStdString() << "\" and \"" << seen[key].toStdString()
                                         << "\" share Alt+" << QString(key).toStdString();
        seen.insert(key, text);
    }
}

// The control looks different with the focus than without: a keyboard user
// sees where the keys go.
TEST_P(WindowAccessTest, TheFocusIsAlwaysVisible) {
    QWidget* window = OpenScene(GetParam());
    ASSERT_NE(window, nullptr);
    // As after a Tab key: styles draw the focus of buttons and boxes only
    // once the keyboard has moved it.
    window->setAttribute(Qt::WA_KeyboardFocusChange);
    QWidget* elsewhere = new QWidget(window);
    elsewhere->setFocusPolicy(Qt::StrongFocus);
    elsewhere->setGeometry(0, 0, 1, 1);
    elsewhere->show();
    for (QWidget* w : Focusable(window)) {
        if (w == elsewhere) continue;
        elsewhere->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
        const QImage without = w->grab().toImage();
        w->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        if (!w->hasFocus()) continue;  // passes the focus on: never holds it
        EXPECT_NE(w->grab().toImage(), without) << NameOf(w);
    }
    delete elsewhere;
}

std::string SceneName(const ::testing::TestParamInfo<WindowScene>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Windows, WindowAccessTest, ::testing::ValuesIn(WindowScenes()), SceneName);

}  // namespace
}  // namespace zorvik::testing
