#pragma once
// The ".B3" data file: the configuration record, the 65 station records and the
// dimmer table, little-endian, in storage order, strings as a 16-bit length and the
// bytes. There is no header and no checksum, so the reader can only tell a damaged
// file by running out of bytes; it fills a scratch copy and takes it over only when
// every field was there.

#include <string>
#include <string_view>

struct DataFileResult {
    bool ok = true;
    std::string message;   // what to tell the user when !ok
    explicit operator bool() const { return ok; }
};

// The current configuration as the bytes of a data file. Fails (and leaves `bytes`
// empty) when a string is too long for its 16-bit length field.
DataFileResult EncodeDataFile(std::string& bytes);
// Replaces tConfig, tStation and iDimmerData with the file's content when it is
// complete; otherwise changes nothing. Bytes after the dimmer table are ignored.
DataFileResult DecodeDataFile(std::string_view bytes);

// Writes a temporary file beside `path` and renames it over `path`, so a failed save
// leaves the previous file as it was. Changes no variable.
DataFileResult WriteDataFile(const std::string& path);
// Reads `path` whole; on success the configuration is replaced and
// AfterSettingsLoaded has run. Changes no other variable (bChanged, sFileName).
DataFileResult ReadDataFile(const std::string& path);
