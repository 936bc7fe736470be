#include "core/dataFile.h"

#include <algorithm>
#include <charconv>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <limits>
#include <memory>
#include <utility>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/modB3Dimmers.h"
#include "core/modB3Glimwarden.h"

namespace {

constexpr std::size_t kMaxStringBytes = 65535;
// Larger than any file the writer can produce (246 + 65 strings of at most 65,535
// bytes plus the fixed fields); the reader never needs more than this.
constexpr std::size_t kMaxUsefulFileBytes = 32u * 1024u * 1024u;

class Writer {
public:
    explicit Writer(std::string& out) : out_(out) {}

    void field(int16_t value) { put(static_cast<uint16_t>(value), 2); }
    void field(int32_t value) { put(static_cast<uint32_t>(value), 4); }
    void field(const std::string& text)
    {
        if (text.size() > kMaxStringBytes) {
            tooLong_ = true;
            return;
        }
        put(static_cast<uint32_t>(text.size()), 2);
        out_.append(text);
    }
    template <class T, std::size_t N>
    void field(const std::array<T, N>& values)
    {
        for (const T& v : values) field(v);
    }
    template <int R, int C>
    void field(const Table16<R, C>& table) { field(table.v); }

    bool tooLong() const { return tooLong_; }

private:
    void put(uint32_t value, int bytes)
    {
        for (int i = 0; i < bytes; ++i) out_.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }

    std::string& out_;
    bool tooLong_ = false;
};

class Reader {
public:
    explicit Reader(std::string_view in) : in_(in) {}

    void field(int16_t& value) { value = static_cast<int16_t>(take(2)); }
    void field(int32_t& value) { value = static_cast<int32_t>(take(4)); }
    void field(std::string& text)
    {
        const std::size_t length = take(2);
        if (failed_) return;
        if (length > in_.size() - pos_) {
            failed_ = true;
            stringPastEnd_ = true;
            return;
        }
        text.assign(in_.substr(pos_, length));
        pos_ += length;
    }
    template <class T, std::size_t N>
    void field(std::array<T, N>& values)
    {
        for (T& v : values) field(v);
    }
    template <int R, int C>
    void field(Table16<R, C>& table) { field(table.v); }

    bool failed() const { return failed_; }
    bool stringPastEnd() const { return stringPastEnd_; }

private:
    uint32_t take(int bytes)
    {
        if (failed_ || in_.size() - pos_ < static_cast<std::size_t>(bytes)) {
            failed_ = true;
            return 0;
        }
        uint32_t value = 0;
        for (int i = 0; i < bytes; ++i)
            value |= static_cast<uint32_t>(static_cast<unsigned char>(in_[pos_ + static_cast<std::size_t>(i)])) << (8 * i);
        pos_ += static_cast<std::size_t>(bytes);
        return value;
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    bool failed_ = false;
    bool stringPastEnd_ = false;
};

// The one statement of the file layout; Writer and Reader both walk it. `Config` and
// `Station` are const for writing.
template <class Io, class Config>
void visitRecord(Io& io, Config& c)
{
    io.field(c.sPanelName);
    io.field(c.iInputToRelayControl);
    io.field(c.iInputToGroupControl);
    io.field(c.iInputPreset);
    io.field(c.iRelayTimerType);
    io.field(c.iRelayPowerOnType);
    io.field(c.iInputType);
    io.field(c.iInputEnableTime);
    io.field(c.iInputDisableTime);
    io.field(c.lInputTimedOnMinutes);
    io.field(c.bRelayInGroup);
    io.field(c.iInputPilot);
    io.field(c.iTimerToRelayControl);
    io.field(c.iTimerToGroupControl);
    io.field(c.iTimerToPresetControl);
    io.field(c.iPresetRelayState);
    io.field(c.iOpenTime);
    io.field(c.iCloseTime);
    io.field(c.iDateOpenTime);
    io.field(c.iDateCloseTime);
    io.field(c.sRelayName);
    io.field(c.sGroupName);
    io.field(c.sInputName);
    io.field(c.sTimerName);
    io.field(c.sPresetName);
    io.field(c.iTimerTime);
    io.field(c.iTimerMinute);
    io.field(c.iTimerDays);
    io.field(c.iTimerHolidayMonth);
    io.field(c.iTimerHolidayDate);
    io.field(c.iBlinkAlertMinutes);
    io.field(c.iOverrideMinutes);
    io.field(c.iAlarmSeconds);
    io.field(c.bTimedOnBeginsOnClose);
    io.field(c.iSweepInterval);
    io.field(c.bSweepRelay);
    io.field(c.bSweepGroup);
    io.field(c.bDSTEnabled);
    io.field(c.iDSTStartWeek);
    io.field(c.iDSTStartMonth);
    io.field(c.iDSTEndWeek);
    io.field(c.iDSTEndMonth);
    io.field(c.iLatitude);
    io.field(c.iLongitude);
    io.field(c.iTimeZone);
    io.field(c.iRTCSource);
    io.field(c.bPhotocellFilter2Sec);
    io.field(c.iAddOnModule);
    io.field(c.iNodeIO);
    io.field(c.iComPort);
    io.field(c.iRelayDMXChannel);
    io.field(c.iDMXOnLevel);
    io.field(c.iDMXOffLevel);
    io.field(c.iDMXFilter);
    io.field(c.iModBusMode);
    io.field(c.iModBusBaud);
    io.field(c.iModBusParity);
}

template <class Io, class Station>
void visitStation(Io& io, Station& s)
{
    io.field(s.iDeviceType);
    io.field(s.sName);
    io.field(s.iInputType);
    io.field(s.lTimedOnMinutes);
    io.field(s.iPilot);
    io.field(s.iOffLevel);
    io.field(s.iOnLevel);
    io.field(s.reserved);
    io.field(s.iRelayAction);
    io.field(s.iGroupAction);
    io.field(s.iPresetNumber);
}

template <class Io, class Config, class Stations, class Dimmers>
void visitFile(Io& io, Config& config, Stations& stations, Dimmers& dimmers)
{
    visitRecord(io, config);
    for (auto& station : stations) visitStation(io, station);
    io.field(dimmers);
}

struct Configuration {
    PanelConfig config;
    std::array<StationRecord, kStationCount> stations;
    std::array<int16_t, kDimmerWords> dimmers{};
};

DataFileResult failure(std::string message) { return {false, std::move(message)}; }

std::string systemError(int error) { return std::strerror(error); }

DataFileResult readFailure(const std::string& path, const std::string& reason)
{
    return failure("The file \"" + path + "\" could not be read: " + reason +
                   ".\nThe current configuration has been kept.");
}

DataFileResult writeFailure(const std::string& path, const std::string& reason)
{
    return failure("The configuration could not be saved to \"" + path + "\": " + reason +
                   ".\nAny previous file of that name is unchanged.");
}

bool writeAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Up to `limit` bytes; fewer when the file is shorter by now.
bool readAll(int fd, std::size_t limit, std::string& bytes)
{
    bytes.assign(limit, '\0');
    std::size_t done = 0;
    while (done < limit) {
        const ssize_t n = ::read(fd, bytes.data() + done, limit - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return true;
}

constexpr std::string_view kTemporaryMark = ".saving-";

// A new file beside `path`, created exclusively so that two saves never share it.
// Its name carries the saving process, so that a later save can tell one left behind.
int createTemporaryBeside(const std::string& path, std::string& temporaryPath)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = path + std::string(kTemporaryMark) + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// The process named by a temporary file "<file>.saving-<pid>-<attempt>" of `fileName`,
// or 0 when `name` is not one.
pid_t savingProcess(std::string_view name, std::string_view fileName)
{
    if (!name.starts_with(fileName) || !name.substr(fileName.size()).starts_with(kTemporaryMark)) return 0;
    const char* const end = name.data() + name.size();
    uint64_t pid = 0, attempt = 0;
    const auto [afterPid, pidError] = std::from_chars(name.data() + fileName.size() + kTemporaryMark.size(), end, pid);
    if (pidError != std::errc{} || afterPid == end || *afterPid != '-') return 0;
    const auto [afterAttempt, attemptError] = std::from_chars(afterPid + 1, end, attempt);
    if (attemptError != std::errc{} || afterAttempt != end) return 0;
    return pid <= static_cast<uint64_t>(std::numeric_limits<pid_t>::max()) ? static_cast<pid_t>(pid) : 0;
}

// Removes the temporary files of saves of `target` that were killed part way. A save
// still running in another process keeps its own; one of this process is never still
// running, its saves being done one at a time.
void removeAbandonedTemporaries(const std::string& target)
{
    const std::filesystem::path targetPath(target);
    const std::filesystem::path folder = targetPath.has_parent_path() ? targetPath.parent_path() : ".";
    const std::string fileName = targetPath.filename().string();
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const pid_t owner = savingProcess(entry->path().filename().string(), fileName);
        if (owner == 0) continue;
        const bool abandoned = owner == ::getpid() || (::kill(owner, 0) != 0 && errno == ESRCH);
        std::error_code typeError;
        if (abandoned && entry->is_regular_file(typeError)) ::unlink(entry->path().c_str());
    }
}

// Saving through a link replaces the file it names and keeps the link.
std::string fileBehindLinks(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) return path;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
    return error ? path : resolved.string();
}

} // namespace

DataFileResult EncodeDataFile(std::string& bytes)
{
    bytes.clear();
    Writer writer(bytes);
    visitFile(writer, std::as_const(tConfig), std::as_const(tStation), std::as_const(iDimmerData));
    if (writer.tooLong()) {
        bytes.clear();
        return failure("a name or text is longer than 65,535 characters and cannot be stored");
    }
    return {};
}

DataFileResult DecodeDataFile(std::string_view bytes)
{
    auto scratch = std::make_unique<Configuration>();
    Reader reader(bytes);
    visitFile(reader, scratch->config, scratch->stations, scratch->dimmers);
    if (reader.failed()) {
        return failure(reader.stringPastEnd() ? "a text in it runs past the end of the file"
                                              : "it ends before the configuration is complete");
    }
    tConfig = std::move(scratch->config);
    tStation = std::move(scratch->stations);
    iDimmerData = scratch->dimmers;
    return {};
}

DataFileResult WriteDataFile(const std::string& path)
{
    std::string bytes;
    if (DataFileResult encoded = EncodeDataFile(bytes); !encoded) return writeFailure(path, encoded.message);

    const std::string target = fileBehindLinks(path);
    // The rename below would replace a file the user may not write, so such a file
    // is refused as an ordinary write would be; a writable one keeps its permissions.
    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    if (replacing && S_ISREG(existing.st_mode)) {
        // The real reason first (a read-only file system says so), then the mode bits
        // that would not stop the superuser.
        if (::access(target.c_str(), W_OK) != 0) return writeFailure(path, systemError(errno));
        if ((existing.st_mode & 0222) == 0) return writeFailure(path, systemError(EACCES));
    }

    std::string temporaryPath;
    const int fd = createTemporaryBeside(target, temporaryPath);
    if (fd < 0) return writeFailure(path, systemError(errno));
    if (replacing) ::fchmod(fd, existing.st_mode & 07777);

    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    const int closeError = errno;
    if (!written || !closed) {
        ::unlink(temporaryPath.c_str());
        return writeFailure(path, systemError(written ? closeError : writeError));
    }
    if (::rename(temporaryPath.c_str(), target.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temporaryPath.c_str());
        return writeFailure(path, systemError(renameError));
    }
    removeAbandonedTemporaries(target);
    return {};
}

DataFileResult ReadDataFile(const std::string& path)
{
    // Opened without waiting, so that a named pipe or a device cannot hang the window
    // before it is recognised as no data file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return readFailure(path, "it cannot be opened (" + systemError(errno) + ")");
    struct stat info {};
    std::string bytes;
    std::string reason;
    if (::fstat(fd, &info) != 0)
        reason = "it cannot be examined (" + systemError(errno) + ")";
    else if (S_ISDIR(info.st_mode))
        reason = "it is a folder";
    else if (!S_ISREG(info.st_mode))
        reason = "it is not a regular file";
    else if (!readAll(fd, std::min(static_cast<std::size_t>(info.st_size), kMaxUsefulFileBytes), bytes))
        reason = "it cannot be read (" + systemError(errno) + ")";
    ::close(fd);
    if (!reason.empty()) return readFailure(path, reason);

    if (DataFileResult decoded = DecodeDataFile(bytes); !decoded) return readFailure(path, decoded.message);
    AfterSettingsLoaded();
    return {};
}
