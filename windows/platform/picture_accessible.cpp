#include "picture_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QWidget>

namespace zorvik {
namespace {

// The picture classes; a class derived from one is found through it.
const char* const kPictureClasses[] = {"zorvik::PictureBox", "zorvik::ComparisonChartView"};

QAccessibleInterface* PictureInterface(const QString& key, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) return nullptr;
    for (const char* name : kPictureClasses)
        if (key == QLatin1String(name))
            return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    return nullptr;
}

}  // namespace

void RegisterPictureAccessibility() {
    static const bool registered = [] {
        QAccessible::installFactory(PictureInterface);
        return true;
    }();
    (void)registered;
}

bool IsActivationKey(const QKeyEvent& event) {
    const int key = event.key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

}  // namespace zorvik
