#pragma once
// A pair of small up and down arrow buttons beside an entry field, which
// step the field's value. They take no focus, so the caret stays in the
// field; held down, they repeat.

#include <QWidget>

class QToolButton;

namespace zorvik {

class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent = nullptr);

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

signals:
    void upClick();
    void downClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace zorvik
