#pragma once
// The panel memory image `iImage`: the configuration packed as the panel stores it,
// moved by the download and the upload in 640 blocks of 64 bytes.

#include <array>
#include <cstdint>
#include <string_view>

#include "core/modB3Glimwarden.h"

inline constexpr int kImageBlockSize = 64;
inline constexpr int kImageBlockCount = kImageSize / kImageBlockSize;
// Entries 0x0000 to 0x7FFF, set to zero at the start of every pack.
inline constexpr int kImageZeroedEntries = 0x8000;

using PanelImageArray = std::array<int16_t, kImageSize>;
using PasswordDigits = std::array<int16_t, 6>;

// The digit a password box holds: the number its text starts with, 0 when empty.
int16_t PasswordDigit(std::string_view boxText);

// Fills `iImage` from `tConfig`, stations 1 to 64, the dimmer table and the password.
// Every entry written is a byte 0..255, so the image checksum covers exactly the bytes
// that go out. Entries below 0x8000 start from zero; the gaps above keep what the
// last upload left there.
void PackPanelImage(const PasswordDigits& password);

// Fills the configuration from `iImage`: the relay, group, input, timer, preset and
// station names only while `bUnpackNames` is set, the panel name always. The dimmer
// words are taken whole; `bChanged` is left to the caller.
void UnpackPanelImage();

// One step of the image checksum: add the byte, keep 16 bits, rotate left by one.
int32_t ImageChecksumStep(int32_t sum, int16_t entry);
// The checksum of all 40,960 entries, as the panel computes it over its memory.
int32_t ImageChecksum(const PanelImageArray& image = iImage);
