#pragma once
// What the information windows share: read-only texts that pass the focus on,
// pictures rendered from the program's artwork at the size the window
// description gives them, and opening one window modally from another.

#include <QString>
#include <Qt>
#include <functional>
#include <initializer_list>

class QDialog;
class QObject;
class QLabel;
class QTextEdit;
class QWidget;

namespace zorvik {

// Makes the window's texts read like printed paragraphs: no inner margin
// beyond a pixel, so that lines stand where the window description puts the
// memo.
void PrepareMemos(QWidget* window);

// Spaces the lines of a memo exactly `pixels` apart, the first at its very
// top, so that bullets drawn beside it meet every line.
void SetLineHeight(QTextEdit* memo, int pixels);

// Calls `enter` whenever one of `memos` receives the input focus, by a
// click, by Tab or in any other way.
void OnMemoEnter(std::initializer_list<QTextEdit*> memos, QObject* owner,
                 std::function<void(QWidget* memo, Qt::FocusReason reason)> enter);

// Moves the focus from `memo` to the next control of the tab order that can
// take it (to the previous one when the user came back with Shift+Tab, so
// that backward tabbing is not bounced forward again), skipping other memos
// that pass the focus on.
void PassFocusOn(QWidget* memo, Qt::FocusReason reason);

// Shows the picture `artName` in `label` at the label's own size, rendered
// for the screen's pixel density. The label's pixmap is the only copy kept.
void ShowArtwork(QLabel* label, const QString& artName);

// Shows `count` red bullets in `label`, one every `pitch` pixels downwards,
// each `diameter` pixels across, the first at the label's top.
void ShowBulletColumn(QLabel* label, int count, int pitch, int diameter);

// Shows `window` modally over `opener` and, when it closes, makes `opener`
// the active window again. A window not yet wired (null) opens nothing.
void ShowModalFrom(QDialog* opener, QDialog* window);

}  // namespace zorvik
