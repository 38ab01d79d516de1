#pragma once
// The little zip engine of the 7-ZIP32.DLL stand-in: reads the central
// directory, inflates members (checking their CRC), and writes archives with
// stored or deflated members. Paths are 8-bit, as the contract hands them.
#include <cstdint>
#include <string>
#include <vector>

namespace standin {

struct ZipEntry {
    std::string name;  // as stored, '/' separated; a folder ends with '/'
    uint16_t method = 0;
    uint16_t dosTime = 0;
    uint16_t dosDate = 0;
    uint32_t crc = 0;
    uint32_t compressedSize = 0;
    uint32_t size = 0;
    std::vector<unsigned char> data;  // the compressed bytes
};

// False when the file is not a readable zip (no end record, entries that
// point outside the file, unknown methods).
bool readZip(const std::string& path, std::vector<ZipEntry>& entries);

// The member's bytes; false for a damaged member (inflate error, CRC or size
// mismatch).
bool unpackEntry(const ZipEntry& entry, std::vector<unsigned char>& out);

// level 0 stores, 1..9 deflate.
ZipEntry packEntry(const std::string& name, const std::vector<unsigned char>& bytes, int level, uint16_t dosTime,
                   uint16_t dosDate);

// Written to a temporary file beside path, then swapped in.
bool writeZip(const std::string& path, const std::vector<ZipEntry>& entries);

}  // namespace standin
