#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/dataFile.h"
#include "core/modB3Dimmers.h"
#include "core/modB3Glimwarden.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kDefaultFileSize = 177010;
constexpr std::size_t kDefaultRecordSize = 39508;
constexpr std::size_t kDefaultStationSize = 1926;
constexpr std::size_t kDimmerBytes = 12312;
// Offset of the first field after the 245 names, for default names.
constexpr std::size_t kNamesSize = 2458;

int16_t wordAt(const std::string& bytes, std::size_t offset)
{
    return static_cast<int16_t>(static_cast<unsigned char>(bytes.at(offset)) |
                                (static_cast<unsigned char>(bytes.at(offset + 1)) << 8));
}

int32_t longAt(const std::string& bytes, std::size_t offset)
{
    uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<unsigned char>(bytes.at(offset + i))) << (8 * i);
    return static_cast<int32_t>(v);
}

std::string encoded()
{
    std::string bytes;
    EXPECT_TRUE(EncodeDataFile(bytes));
    return bytes;
}

struct Snapshot {
    PanelConfig config = tConfig;
    std::array<StationRecord, kStationCount> stations = tStation;
    std::array<int16_t, kDimmerWords> dimmers = iDimmerData;

    void expectCurrent() const
    {
        EXPECT_TRUE(config == tConfig);
        EXPECT_TRUE(stations == tStation);
        EXPECT_TRUE(dimmers == iDimmerData);
    }
};

// The message of a save over a file on a read-only file system, mounted in a private
// namespace of a child process; empty where the machine allows no such namespace.
std::string saveOnReadOnlyFileSystem(const fs::path& mountPoint)
{
    fs::create_directories(mountPoint);
    int channel[2];
    if (::pipe(channel) != 0) return {};
    const pid_t child = ::fork();
    if (child == 0) {
        const std::string file = (mountPoint / "panel.B3").string();
        if (::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
            ::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, nullptr) == 0 && WriteDataFile(file) &&
            ::mount(nullptr, mountPoint.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0) {
            const std::string message = WriteDataFile(file).message;
            [[maybe_unused]] const ssize_t written = ::write(channel[1], message.data(), message.size());
        }
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string message;
    char buffer[512];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;) message.append(buffer, static_cast<std::size_t>(n));
    ::close(channel[0]);
    ::waitpid(child, nullptr, 0);
    return message;
}

class DataFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDefaultSettings();
        folder = fs::temp_directory_path() / ("b3-datafile-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                              "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    static std::string readFile(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void writeFile(const fs::path& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    fs::path folder;
};

TEST_F(DataFileTest, DefaultConfigurationLaysEveryFieldWhereItBelongs)
{
    tConfig.iInputToRelayControl(1, 0) = 0x1234;
    tConfig.iInputToGroupControl(0, 1) = 7;
    tConfig.iPresetRelayState(48, 48) = -2;
    const std::string bytes = encoded();
    ASSERT_EQ(bytes.size(), kDefaultFileSize);

    const std::size_t P = 2;
    EXPECT_EQ(wordAt(bytes, 0), 0);                                   // empty panel name: 00 00
    EXPECT_EQ(wordAt(bytes, P + 2), 0x1234);                          // (1, 0): first index fastest
    EXPECT_EQ(wordAt(bytes, P + 4802 + 2 * 49), 7);                   // (0, 1)
    EXPECT_EQ(longAt(bytes, P + 10192), 10);                          // lInputTimedOnMinutes(0)
    EXPECT_EQ(wordAt(bytes, P + 15190 + 2 * 5), 5);                   // iInputPilot(5)
    EXPECT_EQ(wordAt(bytes, P + 15288 + 3 * 4802 + 4800), -2);        // iPresetRelayState(48, 48)
    EXPECT_EQ(wordAt(bytes, P + 34496), 32);                          // iOpenTime(0)
    EXPECT_EQ(wordAt(bytes, P + 34496 + 16), 84);                     // iCloseTime(0)
    EXPECT_EQ(wordAt(bytes, P + 34528), 100);                         // iDateOpenTime(0, 0)
    EXPECT_EQ(wordAt(bytes, P + 36192), 8);                           // "RELAY 01"
    EXPECT_EQ(bytes.substr(P + 36194, 8), "RELAY 01");

    const std::size_t Q = P + 36192 + kNamesSize;
    EXPECT_EQ(wordAt(bytes, Q + 4 * 98), 1);                          // iTimerHolidayDate(0)
    EXPECT_EQ(wordAt(bytes, Q + 490), 10);                            // iBlinkAlertMinutes
    EXPECT_EQ(wordAt(bytes, Q + 492), 120);                           // iOverrideMinutes
    EXPECT_EQ(wordAt(bytes, Q + 696), -1);                            // bDSTEnabled
    EXPECT_EQ(wordAt(bytes, Q + 696 + 2 * 5), 45);                    // iLatitude
    EXPECT_EQ(wordAt(bytes, Q + 718), 1);                             // iNodeIO(0)
    EXPECT_EQ(wordAt(bytes, Q + 744), 1);                             // iComPort
    EXPECT_EQ(wordAt(bytes, Q + 844), 90);                            // iDMXOnLevel
    EXPECT_EQ(wordAt(bytes, Q + 846), 10);                            // iDMXOffLevel
    EXPECT_EQ(Q + 856, kDefaultRecordSize);

    const std::size_t station10 = kDefaultRecordSize + 10 * kDefaultStationSize;
    EXPECT_EQ(wordAt(bytes, station10 + 2), 8);
    EXPECT_EQ(bytes.substr(station10 + 4, 8), "TLINK 0A");
    EXPECT_EQ(longAt(bytes, station10 + 22 + 8), 10);                 // lTimedOnMinutes(0)

    const std::size_t dimmers = kDefaultFileSize - kDimmerBytes;
    EXPECT_EQ(dimmers, kDefaultRecordSize + 65 * kDefaultStationSize);
    EXPECT_EQ(wordAt(bytes, dimmers + 2 * 1), 255);                   // power-on level of device 0, output 0
    EXPECT_EQ(wordAt(bytes, dimmers + 2 * (512 + 128 + 9)), 128);     // point B input of device 1, output 1
}

TEST_F(DataFileTest, StationFieldsFollowTheNameAndLongNamesCarryTheirLength)
{
    tConfig.sPanelName = std::string(300, 'N');
    tStation[0].sName = "S";
    tStation[0].iRelayAction(2, 1) = 9;
    tStation[0].iPresetNumber[0] = 17;
    const std::string bytes = encoded();

    EXPECT_EQ(bytes.substr(0, 2), "\x2C\x01");
    const std::size_t station0 = kDefaultRecordSize + 300, L = 1;
    EXPECT_EQ(wordAt(bytes, station0 + 136 + L + 2 * (2 + 9 * 1)), 9);   // iRelayAction(2, 1)
    EXPECT_EQ(wordAt(bytes, station0 + 1900 + L), 17);                  // iPresetNumber(0)
    EXPECT_EQ(wordAt(bytes, station0 + 1918 + L + 2), 8);               // next station's name length
}

TEST_F(DataFileTest, RoundTripKeepsSpareElementsLinkSettingsAndEightBitNames)
{
    tConfig.sPanelName = "Caf\xE9 panel";
    tConfig.iInputPreset[48] = 11;
    tConfig.lInputTimedOnMinutes[48] = 123456;
    tConfig.iOpenTime[7] = 5;
    tConfig.iDateCloseTime(12, 31) = 42;
    tConfig.iNodeIO = {8, 4, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3};
    tConfig.sRelayName[47] = std::string(300, 'R');
    sPhoneNumber = "555-0199";
    sTCPAddress = "10.0.0.7";
    iConnectionType = kConnectionTcpIp;
    tConfig.iComPort = 16;
    tConfig.iModBusParity = 2;
    tStation[64].iDeviceType = 9;
    tStation[64].lTimedOnMinutes[8] = -1;
    tStation[0].reserved[11] = 77;
    tStation[33].iGroupAction(8, 48) = 4;
    iDimmerData[6155] = 1;
    iDimmerData[0] = -300;
    const Snapshot written;
    const std::string bytes = encoded();

    SetDefaultSettings();
    bChanged = VbFalse;
    ASSERT_TRUE(DecodeDataFile(bytes + "trailing bytes are ignored"));
    written.expectCurrent();
    EXPECT_EQ(sPhoneNumber, "555-0199");
    EXPECT_EQ(sTCPAddress, "10.0.0.7");
    EXPECT_EQ(iConnectionType, kConnectionTcpIp);
    EXPECT_EQ(bChanged, VbFalse);   // reading marks nothing as changed
}

TEST_F(DataFileTest, DamagedDataLeavesTheConfigurationUntouched)
{
    tConfig.sPanelName = "kept";
    const std::string good = encoded();
    tConfig.sPanelName = "current";
    tConfig.iNodeIO[0] = 2;
    const Snapshot before;

    for (std::size_t cut : {std::size_t{0}, std::size_t{1}, std::size_t{5}, std::size_t{7000},
                            kDefaultRecordSize + 2, good.size() - kDimmerBytes, good.size() - 1}) {
        const DataFileResult result = DecodeDataFile(std::string_view(good).substr(0, cut));
        EXPECT_FALSE(result) << cut;
        before.expectCurrent();
    }
    EXPECT_EQ(DecodeDataFile(good.substr(0, 1)).message, "it ends before the configuration is complete");

    std::string runaway = good;
    runaway[0] = '\xFF';
    runaway[1] = '\xFF';
    runaway.resize(1000);
    const DataFileResult result = DecodeDataFile(runaway);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.message, "a text in it runs past the end of the file");
    before.expectCurrent();
}

TEST_F(DataFileTest, FilesOnDiskAreReplacedWholeAndFailuresLeaveThemAlone)
{
    const fs::path path = folder / "panel.B3";
    writeFile(path, std::string(500000, 'x'));
    ASSERT_TRUE(WriteDataFile(path.string()));
    EXPECT_EQ(fs::file_size(path), kDefaultFileSize);   // the longer old file is gone
    const std::string saved = readFile(path);

    tConfig.iLatitude = 20;
    tConfig.sPanelName = std::string(65535, 'A');       // the longest text that fits
    ASSERT_TRUE(WriteDataFile((folder / "long.B3").string()));
    fs::remove(folder / "long.B3");
    tStation[3].sName = std::string(65536, 'B');        // too long for its length field
    const Snapshot before;
    const DataFileResult tooLong = WriteDataFile(path.string());
    EXPECT_FALSE(tooLong);
    EXPECT_NE(tooLong.message.find("65,535"), std::string::npos);
    EXPECT_EQ(readFile(path), saved);
    EXPECT_FALSE(WriteDataFile((folder / "no such folder" / "x.B3").string()));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    const DataFileResult missing = ReadDataFile((folder / "missing.B3").string());
    EXPECT_FALSE(missing);
    EXPECT_NE(missing.message.find("missing.B3"), std::string::npos);
    EXPECT_FALSE(ReadDataFile(folder.string()));
    before.expectCurrent();

    ASSERT_TRUE(ReadDataFile(path.string()));
    EXPECT_EQ(tConfig.iLatitude, 45);

    // A read-only file is not replaced behind the user's back; a writable one keeps its mode.
    tConfig.iLatitude = 60;
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(WriteDataFile(path.string()));
    EXPECT_EQ(readFile(path), saved);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(WriteDataFile(path.string()));
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_NE(readFile(path), saved);

    // Saved through a link, the linked file is replaced and the link stays.
    const fs::path link = folder / "link.B3";
    fs::create_symlink(path, link);
    tConfig.iLatitude = 61;
    ASSERT_TRUE(WriteDataFile(link.string()));
    EXPECT_TRUE(fs::is_symlink(link));
    tConfig.iLatitude = 0;
    ASSERT_TRUE(ReadDataFile(path.string()));
    EXPECT_EQ(tConfig.iLatitude, 61);
}

TEST_F(DataFileTest, PipesReadOnlyFileSystemsAndLeftoverTemporariesAreHandledWithCare)
{
    const Snapshot before;
    const fs::path pipe = folder / "pipe.B3";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const DataFileResult fromPipe = ReadDataFile(pipe.string());   // returns at once, no writer needed
    EXPECT_NE(fromPipe.message.find("not a regular file"), std::string::npos) << fromPipe.message;
    before.expectCurrent();

    // Killed saves of panel.B3 (this process, and one long gone) leave their files; a
    // save still running elsewhere, other files' and other names are not touched.
    const std::string self = std::to_string(::getpid());
    const std::vector<std::string> abandoned{"panel.B3.saving-" + self + "-3", "panel.B3.saving-" + std::to_string(INT_MAX) + "-0"};
    const std::vector<std::string> kept{"panel.B3.saving-1-0", "panel.B3.saving-notes", "other.B3.saving-" + self + "-0"};
    for (const auto& name : abandoned) writeFile(folder / name, "partial");
    for (const auto& name : kept) writeFile(folder / name, "partial");
    ASSERT_TRUE(WriteDataFile((folder / "panel.B3").string()));
    for (const auto& name : abandoned) EXPECT_FALSE(fs::exists(folder / name)) << name;
    for (const auto& name : kept) EXPECT_TRUE(fs::exists(folder / name)) << name;

    const std::string readOnly = saveOnReadOnlyFileSystem(folder / "mounted");
    if (readOnly.empty()) GTEST_SKIP() << "no private mount namespace here";
    EXPECT_NE(readOnly.find(std::strerror(EROFS)), std::string::npos) << readOnly;
}

} // namespace
