#pragma once
// A window that is made at start but built when it is first needed.
//
// Every window of the program exists from start and keeps its state for the
// whole run, yet most runs open only a few of them. Building the controls,
// pictures and lists of all of them at start would hold up the main window
// for windows the user may never open, so a LazyDialog does its building in
// Build(), once:
//   - just before it is first shown (show(), exec(), open() all come here);
//   - when anyone reaches one of its controls through its LazyUi, as another
//     window does when it borrows this one's picture or print;
//   - when EnsureBuilt() is called: tests that read a window's controls
//     right after making it call it first.
// A window not built yet has no texts to translate: a language change
// reaches only the built ones (Retranslate()).
// Build() does what the window's creation would have done, so everything the
// window shows or hands out afterwards is the same as if it had been built at
// start.

#include <QDialog>

namespace zorvik {

class LazyDialog : public QDialog {
    Q_OBJECT
public:
    // Builds the window now unless it is built already.
    void EnsureBuilt();
    bool IsBuilt() const { return built_; }

    void setVisible(bool visible) override;

protected:
    explicit LazyDialog(QWidget* parent = nullptr);
    // Makes the controls and does the window's creation work.
    virtual void Build() = 0;
    // Writes the window's texts again in the language now in use: those of
    // its form (retranslateUi) and those it sets itself. Called on a built
    // window when the language changes; one built later is made in the new
    // language from the start.
    virtual void Retranslate() = 0;

    void changeEvent(QEvent* event) override;

private:
    bool built_ = false;
};

// The generated controls of a LazyDialog, reached as `ui->Control`. Reaching
// them builds the window first, so no caller finds a control missing.
template <class Form>
class LazyUi {
public:
    explicit LazyUi(LazyDialog* window) : window_(window) {}
    ~LazyUi() { delete form_; }
    LazyUi(const LazyUi&) = delete;
    LazyUi& operator=(const LazyUi&) = delete;

    // Makes the controls on the window: the first step of its Build().
    void SetUp() {
        form_ = new Form;
        form_->setupUi(window_);
    }

    Form* operator->() const {
        window_->EnsureBuilt();
        return form_;
    }
    Form& operator*() const { return *operator->(); }

private:
    LazyDialog* window_;
    // Owned. Not a unique_ptr: a window's header knows its form only by
    // name, and a unique_ptr would need the whole form wherever the window's
    // header is read.
    Form* form_ = nullptr;
};

}  // namespace zorvik
