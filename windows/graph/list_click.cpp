#include "list_click.h"

#include <QEvent>
#include <QListWidget>

namespace zorvik {
namespace {

// A mouse press that moves to another row reports through currentRowChanged
// at once and through itemClicked again on release; a press on the row that
// is already current reports only on release.
class ListClickWatcher final : public QObject {
public:
    ListClickWatcher(QListWidget* list, std::function<void()> handler) : QObject(list), handler_(std::move(handler)) {
        list->viewport()->installEventFilter(this);
        connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
            if (row < 0) return;
            rowChangedSincePress_ = true;
            handler_();
        });
        connect(list, &QListWidget::itemClicked, this, [this] {
            if (!rowChangedSincePress_) handler_();
            rowChangedSincePress_ = false;
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) rowChangedSincePress_ = false;
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> handler_;
    bool rowChangedSincePress_ = false;
};

}  // namespace

void ConnectListClick(QListWidget* list, std::function<void()> handler) {
    new ListClickWatcher(list, std::move(handler));
}

}  // namespace zorvik
