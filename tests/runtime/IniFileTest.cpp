#include "TempFolder.h"
#include "runtime/Exceptions.h"
#include "runtime/IniFile.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

void WriteRaw(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

TEST(IniFile, MissingFileKeyOrMalformedValueGiveTheDefault)
{
    TempFolder folder;
    const rt::TIniFile ini(folder.File("SYS"));
    EXPECT_EQ(ini.ReadInteger("Main", "StopLoss1", 30), 30);
    WriteRaw(folder.File("SYS"), "[Main]\r\nStopLoss1=abc\r\nTakeProfit1=\r\nDecimals=2.5\r\n");
    EXPECT_EQ(ini.ReadInteger("Main", "StopLoss1", 30), 30);
    EXPECT_EQ(ini.ReadInteger("Main", "TakeProfit1", 40), 40);
    EXPECT_EQ(ini.ReadInteger("Main", "Decimals", 4), 4);
    EXPECT_EQ(ini.ReadInteger("Other", "StopLoss1", 7), 7);
}

TEST(IniFile, SectionsAndKeysMatchWithoutRegardToCase)
{
    TempFolder folder;
    WriteRaw(folder.File("SYS"), "[MAIN]\nstoploss3 = 55\n");
    const rt::TIniFile ini(folder.File("SYS"));
    EXPECT_EQ(ini.ReadInteger("Main", "StopLoss3", 0), 55);
    ini.WriteInteger("main", "STOPLOSS3", 60);
    EXPECT_EQ(folder.Read("SYS"), "[MAIN]\nSTOPLOSS3=60\n");
}

TEST(IniFile, WriteKeepsEveryOtherLine)
{
    TempFolder folder;
    const std::string before = "; kept comment\r\n[Other]\r\nA=1\r\n\r\n[Main]\r\nStopLoss0=15\r\nCustom=x y\r\n\r\n[Tail]\r\nB=2\r\n";
    WriteRaw(folder.File("SYS"), before);
    const rt::TIniFile ini(folder.File("SYS"));
    ini.WriteStrings("Main", {{"StopLoss0", "20"}, {"Decimals", "5"}});
    EXPECT_EQ(folder.Read("SYS"),
              "; kept comment\r\n[Other]\r\nA=1\r\n\r\n[Main]\r\nStopLoss0=20\r\nCustom=x y\r\nDecimals=5\r\n\r\n[Tail]\r\nB=2\r\n");
}

TEST(IniFile, FirstWriteCreatesTheFile)
{
    TempFolder folder;
    const rt::TIniFile ini(folder.File("SYS"));
    ini.WriteInteger("Main", "StopLoss-1", 5);
    EXPECT_EQ(folder.Read("SYS"), "[Main]\r\nStopLoss-1=5\r\n");
    EXPECT_EQ(ini.ReadInteger("Main", "StopLoss-1", 0), 5);
}

TEST(IniFile, RefusedWriteRaisesAndKeepsTheOldFile)
{
    TempFolder folder;
    const std::string path = folder.File("SYS");
    WriteRaw(path, "[Main]\r\nDecimals=2\r\n");
    const rt::TIniFile ini(path);
    WithReadOnlyFolder(folder.Path(), [&] {
        try {
            ini.WriteInteger("Main", "Decimals", 5);
            ADD_FAILURE() << "write went through";
        } catch (const rt::EWriteError& e) {
            EXPECT_EQ(e.Message(), "Unable to write to " + path);
        }
    });
    EXPECT_EQ(folder.Read("SYS"), "[Main]\r\nDecimals=2\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1) << "a temporary file was left";
}

}  // namespace
