#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "TestSupport.h"
#include "install/InstallLog.h"

TEST(WriteInstallLog, AppendsDatedLatin1EntriesWithCrLf)
{
    ScratchFolder scratch;
    WriteInstallLog(L"Warnung: Pictomaze läuft!\nBeenden Sie bitte Pictomaze");
    WriteInstallLog(L"C:\\Bilder\\\u65E5\u672C: Fehler");  // no single-byte form: "?"

    std::string log = ReadFileBytes(scratch.file(L"Pictomaze_Install.log"));
    const std::string sep = "------------------------------------------------\r\n";
    std::regex entry("[^\r\n]+ - [0-9]{2}:[0-9]{2}:[0-9]{2}: ");
    size_t first = log.find(": Warnung: Pictomaze l\xE4uft!\r\nBeenden Sie bitte Pictomaze\r\n" + sep);
    size_t second = log.find(": C:\\Bilder\\??: Fehler\r\n" + sep);
    ASSERT_NE(first, std::string::npos) << log;
    ASSERT_NE(second, std::string::npos) << log;
    EXPECT_LT(first, second);
    EXPECT_TRUE(std::regex_search(log.substr(0, first + 2), entry)) << log;
    EXPECT_EQ(log.find('\n'), log.find("\r\n") + 1);  // no bare line feeds
    size_t lf = 0;
    for (size_t i = 0; i < log.size(); ++i) {
        if (log[i] == '\n') {
            EXPECT_EQ(log[i - 1], '\r');
            ++lf;
        }
    }
    EXPECT_EQ(lf, 5u);
}

TEST(WriteInstallLog, UnwritableLogIsSkipped)
{
    ScratchFolder scratch;
    CreateDirectoryW(L"Pictomaze_Install.log", nullptr);  // a folder in the way
    WriteInstallLog(L"nothing to see");
    EXPECT_NE(GetFileAttributesW(L"Pictomaze_Install.log") & FILE_ATTRIBUTE_DIRECTORY, 0u);
}
