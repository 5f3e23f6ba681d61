#pragma once
// Runs a test against a temporary program folder, from a fresh shared state,
// with the notices recorder standing in for message boxes.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/shared_state.h"
#include "platform/program_folder.h"
#include "support/notice_recorder.h"

namespace zorvik::testing {

class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        SetProgramFolder(folder_.path());
        InitialiseSharedState();
    }
    void TearDown() override { SetProgramFolder({}); }

    QString PathOf(const QString& name) const { return QDir(folder_.path()).filePath(name); }
    bool Exists(const QString& name) const { return QFile::exists(PathOf(name)); }

    void Write(const QString& name, const QByteArray& bytes) {
        QFile file(PathOf(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray Read(const QString& name) const {
        QFile file(PathOf(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void WriteOfficeIndex(const QByteArray& bytes) { Write(QStringLiteral("ZCompanyIdx03.dat"), bytes); }
    QByteArray StoredOfficeIndex() const { return Read(QStringLiteral("ZCompanyIdx03.dat")); }
    void WriteOfficesFile(const QByteArray& text) { Write(QStringLiteral("ZorvikAmplifierAddresses.txt"), text); }

    QTemporaryDir folder_;
    NoticeRecorder notices_;
};

}  // namespace zorvik::testing
