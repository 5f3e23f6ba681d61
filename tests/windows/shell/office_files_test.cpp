#include <QCoreApplication>
#include <optional>

#include "program_folder_fixture.h"
#include "office_files.h"

namespace zorvik {
namespace {

using OfficeFilesTest = testing::ProgramFolderTest;

const QByteArray kTwoOffices =
    "[North]\nN Co\nN1\nN2\nN3\nN4\nTel: N\nFax: N\n"
    "[South]\nS Co\nS1\nS2\nS3\n\nTel: S\nFax: S\n";

// Which office is chosen at start: the stored index file first, then the
// "[IDX" line of the office file (0 without one), else office 1.
TEST_F(OfficeFilesTest, PrecedenceOfTheOfficeAtStart) {
    struct Case {
        const char* what;
        std::optional<QByteArray> officesFile;
        std::optional<QByteArray> indexFile;
        int expected;
    };
    const Case cases[] = {
        {"no files", std::nullopt, std::nullopt, 1},
        {"office file without [IDX", kTwoOffices, std::nullopt, 0},
        {"office file with [IDX2]", "[IDX2]\n" + kTwoOffices, std::nullopt, 1},
        {"stored index wins over [IDX", "[IDX2]\n" + kTwoOffices, QByteArray("\x05\x00\x00\x00", 4), 5},
        {"stored index alone", std::nullopt, QByteArray("\x07\x00\x00\x00", 4), 7},
        {"short index file is no file", "[IDX2]\n" + kTwoOffices, QByteArray("\x05\x00", 2), 1},
        {"short index file, no office file", std::nullopt, QByteArray("\x05\x00\x00", 3), 1},
        {"[IDX0] gives -1, which becomes 1", "[IDX0]\n" + kTwoOffices, std::nullopt, 1},
        {"a stored negative index is kept", std::nullopt, QByteArray("\xFE\xFF\xFF\xFF", 4), -2},
    };
    for (const Case& c : cases) {
        QFile::remove(PathOf(QStringLiteral("ZorvikAmplifierAddresses.txt")));
        QFile::remove(PathOf(QStringLiteral("ZCompanyIdx03.dat")));
        if (c.officesFile) WriteOfficesFile(*c.officesFile);
        if (c.indexFile) WriteOfficeIndex(*c.indexFile);
        session_ = Session();
        LoadOfficesFile(session_, testing::TestNotices());
        ReadOfficeIndexFile(session_);
        EXPECT_EQ(session_.OfficeIndex, c.expected) << c.what;
    }
}

// The address file is looked for in the user's configuration folder, then
// in the system's, then beside the program; the first found is read alone,
// never merged with another.
TEST_F(OfficeFilesTest, TheFirstAddressFileFoundIsReadAlone) {
    const QString name = QStringLiteral("ZorvikAmplifierAddresses.txt");
    const QString user = UserPathOf(name);
    const QString system = QDir(home_.SystemConfigFolder(QCoreApplication::applicationName())).filePath(name);
    const QString beside = PathOf(name);
    struct Case {
        bool inUser, inSystem, besideProgram;
        std::string first;   // company of office 0
        std::string second;  // company of office 1: only the file beside the program has one
    };
    const std::string builtIn[] = {session_.Offices[0].Field[1], session_.Offices[1].Field[1]};
    const Case cases[] = {
        {true, true, true, "User Co", ""},
        {false, true, true, "System Co", ""},
        {false, false, true, "Beside Co", "More Co"},
        {true, false, true, "User Co", ""},
        {false, true, false, "System Co", ""},
        {false, false, false, builtIn[0], builtIn[1]},
    };
    for (const Case& c : cases) {
        for (const QString& path : {user, system, beside}) QFile::remove(path);
        if (c.inUser) testing::WriteFile(user, "[User]\nUser Co\n");
        if (c.inSystem) testing::WriteFile(system, "[System]\nSystem Co\n");
        if (c.besideProgram) testing::WriteFile(beside, "[Beside]\nBeside Co\n[More]\nMore Co\n");
        session_ = Session();
        LoadOfficesFile(session_, testing::TestNotices());
        EXPECT_EQ(session_.Offices[0].Field[1], c.first) << c.first;
        EXPECT_EQ(session_.Offices[1].Field[1], c.second) << c.first;
    }
}

// The index file of the user wins; the one beside the program is read only
// while the user has none, and a save never touches it.
TEST_F(OfficeFilesTest, TheUsersIndexFileFirstTheProgramsWhileThereIsNone) {
    WriteIndexBesideProgram(QByteArray("\x04\x00\x00\x00", 4));
    ReadOfficeIndexFile(session_);
    EXPECT_EQ(session_.OfficeIndex, 4);
    session_.OfficeIndex = 7;
    ASSERT_TRUE(SaveOfficeIndexFile(session_));
    session_.OfficeIndex = 1;
    ReadOfficeIndexFile(session_);
    EXPECT_EQ(session_.OfficeIndex, 7);
    EXPECT_EQ(Read(QStringLiteral("ZCompanyIdx03.dat")), QByteArray("\x04\x00\x00\x00", 4));
    EXPECT_EQ(OfficeIndexSavePath(), UserPathOf(QStringLiteral("ZCompanyIdx03.dat")));
    EXPECT_TRUE(OfficeIndexSavePath().startsWith(home_.Path(QStringLiteral("home/.config/"))));
}

TEST_F(OfficeFilesTest, OfficeFileReplacesTheWholeTable) {
    WriteOfficesFile(kTwoOffices);
    LoadOfficesFile(session_, testing::TestNotices());
    EXPECT_EQ(session_.Offices[0].Field[0], "North");
    EXPECT_EQ(session_.Offices[1].Field[7], "Fax: S");
    for (int i = 2; i < OfficeCount; ++i) EXPECT_EQ(session_.Offices[i].Field[0], "") << i;
}

TEST_F(OfficeFilesTest, AnIndexOutsideTheTableNeverReachesAReport) {
    for (const QByteArray& stored :
         {QByteArray("\x0C\x00\x00\x00", 4), QByteArray("\xFF\xFF\xFF\x7F", 4), QByteArray("\xFE\xFF\xFF\xFF", 4)}) {
        WriteOfficeIndex(stored);
        ReadOfficeIndexFile(session_);
        EXPECT_EQ(&session_.Office(), &session_.Offices[0]) << session_.OfficeIndex;
    }
}

TEST_F(OfficeFilesTest, BadIndexLineIsReportedAndWhatWasReadStays) {
    WriteOfficesFile("[A]\nA Co\n[IDX1x]\n[B]\nB Co\n");
    notices_.Expect(testing::NoticeKind::Error, "'1x' is not a valid integer value");
    LoadOfficesFile(session_, testing::TestNotices());
    EXPECT_EQ(session_.Offices[0].Field[1], "A Co");
    EXPECT_EQ(session_.Offices[1].Field[0], "");
    EXPECT_EQ(session_.OfficeIndex, 0);
}

TEST_F(OfficeFilesTest, EightBitTextIsReadAsLatin1) {
    WriteOfficesFile(
        "[Espa\xF1"
        "a]\nZorvik Neum\xE1tica S.L.\n");
    LoadOfficesFile(session_, testing::TestNotices());
    EXPECT_EQ(session_.Offices[0].Field[0],
              "Espa\xC3\xB1"
              "a");
    EXPECT_EQ(session_.Offices[0].Field[1], "Zorvik Neum\xC3\xA1tica S.L.");
}

TEST_F(OfficeFilesTest, SavedIndexIsFourLittleEndianBytesAndNothingElseIsLeft) {
    WriteOfficeIndex(QByteArray("\x01\x00\x00\x00\x09\x09", 6));
    session_.OfficeIndex = 0x0203;
    ASSERT_TRUE(SaveOfficeIndexFile(session_));
    EXPECT_EQ(StoredOfficeIndex(), QByteArray("\x03\x02\x00\x00", 4));
    EXPECT_EQ(QDir(UserConfigFolder()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("ZCompanyIdx03.dat")});
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

// Something in the way of the file (here a folder of that name) makes the
// save fail; it reports so and leaves no half-written file behind.
TEST_F(OfficeFilesTest, FailedSaveLeavesNothingBehind) {
    ASSERT_TRUE(QDir().mkpath(UserPathOf(QStringLiteral("ZCompanyIdx03.dat/keep"))));
    session_.OfficeIndex = 8;
    EXPECT_FALSE(SaveOfficeIndexFile(session_));
    EXPECT_EQ(QDir(UserConfigFolder()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

}  // namespace
}  // namespace zorvik
