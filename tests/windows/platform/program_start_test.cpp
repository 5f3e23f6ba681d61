#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "process_start.h"
#include "program_folder.h"

namespace zorvik {
namespace {

// A small program that writes its name as a line of `log`, so the test can
// see which ran.
QString WriteMarkerProgram(const QDir& folder, const QString& name, const QString& log) {
    const QString path = folder.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("#!/bin/sh\necho '%1' >>'%2'\n").arg(name, log).toUtf8());
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

#ifdef Q_OS_UNIX
TEST(StartProgramTest, StartsOnlyTheFileNamedByAnAbsolutePath) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const QString log = folder.filePath(QStringLiteral("ran"));
    WriteMarkerProgram(folder, QStringLiteral("screen-test"), log);
    const QString program = WriteMarkerProgram(folder, QStringLiteral("named-test"), log);

    // Even with the program's folder on the search path, a bare name is refused.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", dir.path().toUtf8() + ":" + path);
    EXPECT_FALSE(StartProgram(QStringLiteral("screen-test")));
    qputenv("PATH", path);

    // Had the bare name been started, its program would have been running
    // before this one and written its line first.
    EXPECT_TRUE(StartProgram(program));
    EXPECT_TRUE(QTest::qWaitFor([&] { return ReadAll(log).endsWith('\n'); }));
    EXPECT_EQ(ReadAll(log), QByteArray("named-test\n"));
}

TEST(StartProgramTest, MissingOrNotExecutableFilesAreNotStarted) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    EXPECT_FALSE(StartProgram(folder.filePath(QStringLiteral("absent"))));
    EXPECT_FALSE(StartProgram(dir.path()));
    const QString plain = folder.filePath(QStringLiteral("plain"));
    QFile file(plain);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_FALSE(StartProgram(plain));
}
#endif

TEST(ProgramFolderTest, TestsCanMoveIt) {
    EXPECT_EQ(ProgramFolder(), QCoreApplication::applicationDirPath());
    QTemporaryDir dir;
    SetProgramFolder(dir.path());
    EXPECT_EQ(ProgramFolder(), dir.path());
    EXPECT_EQ(ProgramFile(QStringLiteral("ZCompanyIdx03.dat")), dir.path() + QStringLiteral("/ZCompanyIdx03.dat"));
    SetProgramFolder({});
    EXPECT_EQ(ProgramFolder(), QCoreApplication::applicationDirPath());
}

}  // namespace
}  // namespace zorvik
