#include "engine/UGoldsSetupIni.h"
#include "engine/UIniText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string Section = "[\xCE\xE5\xCF\xD5\xD2\xBB\xBD\xF0]";

TGoldsSetupInfo Sample() {
    TGoldsSetupInfo info;
    info.PMin = 2000;
    info.PMax = 10000;
    info.SMin = 1500.5;
    info.SMax = 12000;
    info.PFund = 12;
    info.PMedical = 2;
    info.PPension = 8;
    info.PLostJob = 0.5;
    info.UFund = 12;
    info.UMedical = 10;
    info.UPension = 20;
    info.ULostJob = 1.5;
    info.Injury = 0.25;
    info.GiveBirth = 0.8;
    return info;
}

void ExpectSame(const TGoldsSetupInfo &a, const TGoldsSetupInfo &b) {
    for (const auto &field : GoldsSetupIni::Fields)
        EXPECT_EQ(a.*field.Member, b.*field.Member) << field.Key;
}

TEST(GoldsSetupIni, SectionNameIsGbkOfFiveInsurances) {
    EXPECT_EQ(GoldsSetupIni::SectionName, "\xCE\xE5\xCF\xD5\xD2\xBB\xBD\xF0");
}

TEST(GoldsSetupIni, NewFileHasFourteenKeysInOrderWithCrLf) {
    const std::string bytes = GoldsSetupIni::Write("", Sample());
    EXPECT_EQ(bytes, Section +
                         "\r\nPMin=2000\r\nPMax=10000\r\nSMin=1500.5\r\nSMax=12000\r\n"
                         "PFund=12\r\nPMedical=2\r\nPPension=8\r\nPLostJob=0.5\r\nUFund=12\r\n"
                         "UMedical=10\r\nUPension=20\r\nULostJob=1.5\r\nInjury=0.25\r\n"
                         "GiveBirth=0.8\r\n");
}

TEST(GoldsSetupIni, RoundTrip) {
    ExpectSame(GoldsSetupIni::Read(GoldsSetupIni::Write("", Sample())), Sample());
}

TEST(GoldsSetupIni, GeneralFormOfValues) {
    TGoldsSetupInfo info;
    info.PFund = 8.5;
    info.PMedical = 8.26;
    info.PPension = 8.00;
    info.SMax = 1e15;
    const std::string bytes = GoldsSetupIni::Write("", info);
    EXPECT_NE(bytes.find("PFund=8.5\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("PMedical=8.26\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("PPension=8\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("SMax=1E15\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("PMin=0\r\n"), std::string::npos);
}

TEST(GoldsSetupIni, EverythingElseKeptByteForByte) {
    const std::string before = "; parameters of the city\r\n"
                               "[Other]\r\nPMin=77\r\nName=x\r\n\r\n" +
                               Section +
                               "\r\n; employee\r\nPPension=7\r\n  pmedical = 3 \r\n"
                               "Extra=keep me\r\n\r\n[Tail]\r\nA=1";
    TGoldsSetupInfo info = Sample();
    const std::string after = GoldsSetupIni::Write(before, info);
    const std::string expected = "; parameters of the city\r\n"
                                 "[Other]\r\nPMin=77\r\nName=x\r\n\r\n" +
                                 Section +
                                 "\r\n; employee\r\nPPension=8\r\nPMedical=2\r\n"
                                 "Extra=keep me\r\nPMin=2000\r\nPMax=10000\r\nSMin=1500.5\r\n"
                                 "SMax=12000\r\nPFund=12\r\nPLostJob=0.5\r\nUFund=12\r\n"
                                 "UMedical=10\r\nUPension=20\r\nULostJob=1.5\r\nInjury=0.25\r\n"
                                 "GiveBirth=0.8\r\n\r\n[Tail]\r\nA=1";
    EXPECT_EQ(after, expected);
    ExpectSame(GoldsSetupIni::Read(after), info);
}

TEST(GoldsSetupIni, LfFileStaysLfAndLastLineWithoutEnding) {
    const std::string before = "[a]\nx=1\n" + Section + "\nPMin=1";
    const std::string after = GoldsSetupIni::Write(before, Sample());
    EXPECT_EQ(after.find('\r'), std::string::npos);
    const std::string head = "[a]\nx=1\n" + Section + "\n";
    EXPECT_EQ(after.substr(0, head.size()), head);
    EXPECT_EQ(after.substr(after.size() - 14), "\nGiveBirth=0.8")
        << "no ending is added at the end";
    ExpectSame(GoldsSetupIni::Read(after), Sample());
}

TEST(GoldsSetupIni, SectionAppendedAfterLastLineWithoutEnding) {
    const std::string after = GoldsSetupIni::Write("[a]\r\nx=1", TGoldsSetupInfo{});
    const std::string head = "[a]\r\nx=1\r\n" + Section + "\r\n";
    EXPECT_EQ(after.substr(0, head.size()), head);
}

struct ReadCase {
    const char *Rule;
    std::string Text;
    double PMin;
    double PMax;
};

class GoldsSetupIniRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(GoldsSetupIniRead, Values) {
    const ReadCase &c = GetParam();
    const TGoldsSetupInfo info = GoldsSetupIni::Read(c.Text);
    EXPECT_EQ(info.PMin, c.PMin) << c.Rule;
    EXPECT_EQ(info.PMax, c.PMax) << c.Rule;
    EXPECT_EQ(info.GiveBirth, 0) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, GoldsSetupIniRead,
    ::testing::Values(
        ReadCase{"empty file reads as zeros", "", 0, 0},
        ReadCase{"plain values", Section + "\r\nPMin=2000\r\nPMax=10000.5\r\n", 2000, 10000.5},
        ReadCase{"keys and section ignore ASCII case and blanks",
                 " [ \xCE\xE5\xCF\xD5\xD2\xBB\xBD\xF0 ] \npmin = 12\n\tPMAX=\"13\"\n", 12, 13},
        ReadCase{"a value that is not a number reads as 0", Section + "\nPMin=abc\nPMax=1,5\n", 0,
                 0},
        ReadCase{"inline comment makes the value unreadable", Section + "\nPMin=5 ;x\n", 0, 0},
        ReadCase{"keys of other sections are ignored", "[x]\nPMin=9\n" + Section + "\nPMax=3\n", 0,
                 3},
        ReadCase{"a section of another name ends ours", Section + "\nPMin=1\n[y]\nPMax=3\n", 1, 0},
        ReadCase{"the first key of a name wins", Section + "\nPMin=1\nPMin=2\n", 1, 0},
        ReadCase{"the first section of the name wins",
                 Section + "\nPMin=1\n[y]\n" + Section + "\nPMin=2\nPMax=5\n", 1, 0},
        ReadCase{"commented key is no key", Section + "\n;PMin=4\nPMax=6\n", 0, 6},
        ReadCase{"UTF-8 section name is another section", "[五险一金]\nPMin=4\n", 0, 0},
        ReadCase{"overflowing value reads as 0", Section + "\nPMin=1e999\nPMax=7\n", 0, 7},
        ReadCase{"a limit the pages would refuse reads as 0",
                 Section + "\nPMin=1E13\nPMax=9999999999999.99\n", 0, 9999999999999.99},
        ReadCase{"a huge limit reads as 0", Section + "\nPMin=1E308\nPMax=1.7E308\n", 0, 0},
        ReadCase{"exponent form is a number", Section + "\nPMin=1.5E3\n", 1500, 0},
        ReadCase{"binary garbage and NUL bytes around a good key",
                 std::string("\x00\xFF\x01[\n\r\r=\n", 9) + Section +
                     std::string("\n\x00=\x00\n", 5) + "PMax=8\n\xFE\xFF",
                 0, 8},
        ReadCase{"lone carriage returns do not end lines", Section + "\rPMin=3\r\nPMax=4\n", 0,
                 4}));

TEST(GoldsSetupIni, RateOverOneHundredReadsAsZero) {
    const TGoldsSetupInfo info = GoldsSetupIni::Read(
        Section + "\nUPension=100\nUMedical=100.01\nPPension=1E308\nInjury=99.99\n");
    EXPECT_EQ(info.UPension, 100);
    EXPECT_EQ(info.UMedical, 0);
    EXPECT_EQ(info.PPension, 0);
    EXPECT_EQ(info.Injury, 99.99);
}

TEST(IniText, WriteReplacesOnlyTheFirstKeyOfTheFirstSection) {
    const std::string before = "[s]\nk=1\nk=2\n[s]\nk=3\n";
    const IniText::TEntry entry{"K", "9"};
    EXPECT_EQ(IniText::WriteSection(before, "S", {&entry, 1}), "[s]\nK=9\nk=2\n[s]\nk=3\n");
}

TEST(IniText, NewKeyGoesBeforeBlankLinesThatSeparateSections) {
    const IniText::TEntry entry{"n", "1"};
    EXPECT_EQ(IniText::WriteSection("[s]\r\na=1\r\n\r\n[t]\r\n", "s", {&entry, 1}),
              "[s]\r\na=1\r\nn=1\r\n\r\n[t]\r\n");
    EXPECT_EQ(IniText::WriteSection("[s]\r\n\r\n", "s", {&entry, 1}), "[s]\r\nn=1\r\n\r\n");
}

// A text whose last line ends with a lone carriage return: when a line is written after it, the
// return stays in that line (CRLF follows it), so the line reads as it did before.
struct LastCrCase {
    const char *Rule;
    std::string Before;
    std::string After;
};

class IniTextLastCr : public ::testing::TestWithParam<LastCrCase> {};

TEST_P(IniTextLastCr, CarriageReturnStaysInTheLine) {
    const LastCrCase &c = GetParam();
    const IniText::TEntry entry{"n", "1"};
    EXPECT_EQ(IniText::WriteSection(c.Before, "s", {&entry, 1}), c.After) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(Rules, IniTextLastCr,
                         ::testing::Values(LastCrCase{"quoted value in an LF text keeps its return",
                                                      "[s]\nq=\"5\"\r", "[s]\nq=\"5\"\r\r\nn=1"},
                                           LastCrCase{"CRLF text gains the usual ending",
                                                      "[s]\r\nq=5\r", "[s]\r\nq=5\r\r\nn=1"},
                                           LastCrCase{"unclosed header before an appended section",
                                                      "a=1\n[s\r", "a=1\n[s\r\r\n[s]\nn=1\n"},
                                           LastCrCase{
                                               "LF text without a return is unchanged in form",
                                               "[s]\nq=5", "[s]\nq=5\nn=1"}));

TEST(GoldsSetupIni, UnclosedHeaderWithReturnAtTheEndDoesNotHideTheWrittenSection) {
    // "[五险一金\r" names another section ("五险一金\r"); after writing, the values must be
    // found in the section written, not behind a header that the new ending completed.
    const std::string before = "a=1\n[\xCE\xE5\xCF\xD5\xD2\xBB\xBD\xF0\r";
    const std::string after = GoldsSetupIni::Write(before, Sample());
    EXPECT_EQ(after.substr(0, before.size()), before);
    ExpectSame(GoldsSetupIni::Read(after), Sample());
}

TEST(IniText, LongLineIsKept) {
    const std::string longLine(200000, 'x');
    const std::string before = longLine + "\n[s]\n";
    const IniText::TEntry entry{"a", "1"};
    EXPECT_EQ(IniText::WriteSection(before, "s", {&entry, 1}), longLine + "\n[s]\na=1\n");
}

} // namespace
