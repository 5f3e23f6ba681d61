#pragma once
// Runs a test against a temporary program folder and a temporary home (the
// user's configuration and runtime folders, and the system's configuration
// folders), on a session in the start-up state, with the notices recorder
// standing in for message boxes.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "program_folder.h"
#include "session.h"
#include "user_files.h"
#include "support/notice_recorder.h"
#include "support/temporary_home.h"

namespace zorvik::testing {

class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        SetProgramFolder(folder_.path());
    }
    void TearDown() override { SetProgramFolder({}); }

    QString PathOf(const QString& name) const { return QDir(folder_.path()).filePath(name); }
    QString UserPathOf(const QString& name) const { return UserConfigFile(name); }
    bool Exists(const QString& name) const { return QFile::exists(PathOf(name)); }

    void Write(const QString& name, const QByteArray& bytes) { WriteFile(PathOf(name), bytes); }
    QByteArray Read(const QString& name) const { return ReadFile(PathOf(name)); }

    // The index file of the user, and the one an older installation left
    // beside the program.
    void WriteOfficeIndex(const QByteArray& bytes) {
        WriteFile(UserPathOf(QStringLiteral("ZCompanyIdx03.dat")), bytes);
    }
    void WriteIndexBesideProgram(const QByteArray& bytes) { Write(QStringLiteral("ZCompanyIdx03.dat"), bytes); }
    QByteArray StoredOfficeIndex() const { return ReadFile(UserPathOf(QStringLiteral("ZCompanyIdx03.dat"))); }
    void WriteOfficesFile(const QByteArray& text) { Write(QStringLiteral("ZorvikAmplifierAddresses.txt"), text); }

    TemporaryHome home_;
    QTemporaryDir folder_;
    NoticeRecorder notices_;
    Session session_;
};

}  // namespace zorvik::testing
