#pragma once
// Fonts and pictures need a GUI application, but no display. Only the
// commands that draw make one, offscreen unless QT_QPA_PLATFORM says
// otherwise, so the other commands run anywhere, servers included.

#include <QGuiApplication>
#include <QTemporaryDir>
#include <optional>

namespace zorvik::cli {

class OffscreenApplication {
public:
    OffscreenApplication() {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        // Qt warns on stderr when a session has no runtime folder (a script,
        // a service); a successful command writes nothing there, so it gets
        // a private one of its own for the run.
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            runtimeDir_.emplace();
            if (runtimeDir_->isValid()) qputenv("XDG_RUNTIME_DIR", runtimeDir_->path().toLocal8Bit());
        }
        if (QCoreApplication::instance() == nullptr) app_.emplace(argc_, argv_);
    }

private:
    int argc_ = 1;
    char name_[14] = "zorvik-select";
    char* argv_[2] = {name_, nullptr};
    std::optional<QTemporaryDir> runtimeDir_;
    std::optional<QGuiApplication> app_;
};

}  // namespace zorvik::cli
