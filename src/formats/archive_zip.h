#pragma once

#include "fichiers/fichiers.h"

#include <cstdint>
#include <string>
#include <vector>

namespace bilobe {

// Files in one .zip, stored as they are (no compression: the same bytes on
// every computer, and every unzip reads them), names in UTF-8, in the order
// given. `date` is the wall-clock time the entries carry, in seconds since
// 1970 (the zip format keeps local time, to two seconds, from 1980 to 2107;
// outside that it is clamped). More than 65,535 files or 4 GiB are an
// overflow error: the archive would need zip64.
std::string archive_zip(const std::vector<FichierPrepare>& fichiers, std::int64_t date);

// The CRC-32 of the zip format (and of PNG, gzip…).
std::uint32_t crc32(const std::string& octets);

} // namespace bilobe
