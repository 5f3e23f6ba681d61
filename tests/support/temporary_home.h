#pragma once
// A fresh home for one test: the user's configuration, state and runtime
// folders and the system's configuration folders point into a temporary
// folder while the object lives, so no test reads or writes the real ones.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <map>

namespace zorvik::testing {

class TemporaryHome {
public:
    TemporaryHome() {
        for (const char* name : kVariables) saved_[name] = qgetenv(name);
        Point("HOME", QStringLiteral("home"));
        Point("XDG_CONFIG_HOME", QStringLiteral("home/.config"));
        Point("XDG_CONFIG_DIRS", QStringLiteral("etc/xdg"));
        Point("XDG_STATE_HOME", QStringLiteral("home/.local/state"));
        Point("XDG_RUNTIME_DIR", QStringLiteral("run"));
        QFile::setPermissions(Path(QStringLiteral("run")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ~TemporaryHome() {
        for (const auto& [name, value] : saved_) {
            if (value.isNull())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
    }
    TemporaryHome(const TemporaryHome&) = delete;
    TemporaryHome& operator=(const TemporaryHome&) = delete;

    QString Path(const QString& relative) const { return QDir(root_.path()).filePath(relative); }
    // The system's configuration folder of this program (under XDG_CONFIG_DIRS).
    QString SystemConfigFolder(const QString& program) const { return Path(QStringLiteral("etc/xdg/") + program); }

private:
    static constexpr const char* kVariables[] = {"HOME", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_STATE_HOME",
                                                 "XDG_RUNTIME_DIR"};

    void Point(const char* variable, const QString& relative) {
        QDir().mkpath(Path(relative));
        qputenv(variable, Path(relative).toLocal8Bit());
    }

    QTemporaryDir root_;
    std::map<const char*, QByteArray> saved_;
};

// Writes `bytes` to `path`, making its folder first.
inline void WriteFile(const QString& path, const QByteArray& bytes) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace zorvik::testing
