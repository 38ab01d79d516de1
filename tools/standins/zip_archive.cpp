#include "zip_archive.h"

#include <windows.h>
#include <zlib.h>

#include <cstdio>
#include <cstring>

namespace standin {

namespace {

uint16_t get16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t get32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}
void put16(std::vector<unsigned char>& v, uint32_t x) {
    v.push_back(static_cast<unsigned char>(x));
    v.push_back(static_cast<unsigned char>(x >> 8));
}
void put32(std::vector<unsigned char>& v, uint32_t x) {
    put16(v, x & 0xFFFF);
    put16(v, x >> 16);
}

bool readWhole(const std::string& path, std::vector<unsigned char>& bytes) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::fseek(f, 0, SEEK_END);
    const long size = std::ftell(f);
    std::fseek(f, 0, SEEK_SET);
    bool ok = size >= 0;
    if (ok) {
        bytes.resize(static_cast<size_t>(size));
        ok = size == 0 || std::fread(bytes.data(), 1, bytes.size(), f) == bytes.size();
    }
    std::fclose(f);
    return ok;
}

}  // namespace

bool readZip(const std::string& path, std::vector<ZipEntry>& entries) {
    entries.clear();
    std::vector<unsigned char> file;
    if (!readWhole(path, file) || file.size() < 22) return false;
    size_t end = file.size() - 22;
    const size_t lowest = file.size() > 65557 ? file.size() - 65557 : 0;
    while (get32(&file[end]) != 0x06054b50) {
        if (end == lowest) return false;
        --end;
    }
    const uint16_t count = get16(&file[end + 10]);
    const uint32_t dirSize = get32(&file[end + 12]);
    size_t at = get32(&file[end + 16]);
    if (at + dirSize > end) return false;
    for (uint16_t i = 0; i < count; ++i) {
        if (at + 46 > end || get32(&file[at]) != 0x02014b50) return false;
        ZipEntry e;
        e.method = get16(&file[at + 10]);
        e.dosTime = get16(&file[at + 12]);
        e.dosDate = get16(&file[at + 14]);
        e.crc = get32(&file[at + 16]);
        e.compressedSize = get32(&file[at + 20]);
        e.size = get32(&file[at + 24]);
        const uint16_t nameLength = get16(&file[at + 28]);
        const uint16_t extra = get16(&file[at + 30]);
        const uint16_t comment = get16(&file[at + 32]);
        const size_t local = get32(&file[at + 42]);
        if (at + 46 + nameLength > end) return false;
        e.name.assign(reinterpret_cast<const char*>(&file[at + 46]), nameLength);
        if (e.method != 0 && e.method != 8) return false;
        if (local + 30 > file.size() || get32(&file[local]) != 0x04034b50) return false;
        const size_t data = local + 30 + get16(&file[local + 26]) + get16(&file[local + 28]);
        if (data + e.compressedSize > file.size()) return false;
        e.data.assign(file.begin() + static_cast<long>(data), file.begin() + static_cast<long>(data + e.compressedSize));
        entries.push_back(std::move(e));
        at += 46 + nameLength + extra + comment;
    }
    return true;
}

bool unpackEntry(const ZipEntry& entry, std::vector<unsigned char>& out) {
    out.assign(entry.size, 0);
    if (entry.method == 0) {
        if (entry.data.size() != entry.size) return false;
        out = entry.data;
    } else {
        z_stream z{};
        if (inflateInit2(&z, -MAX_WBITS) != Z_OK) return false;
        z.next_in = const_cast<unsigned char*>(entry.data.data());
        z.avail_in = static_cast<uInt>(entry.data.size());
        z.next_out = out.data();
        z.avail_out = static_cast<uInt>(out.size());
        const int r = inflate(&z, Z_FINISH);
        const bool ok = r == Z_STREAM_END && z.total_out == entry.size;
        inflateEnd(&z);
        if (!ok) return false;
    }
    return crc32(0, out.data(), static_cast<uInt>(out.size())) == entry.crc;
}

ZipEntry packEntry(const std::string& name, const std::vector<unsigned char>& bytes, int level, uint16_t dosTime,
                   uint16_t dosDate) {
    ZipEntry e;
    e.name = name;
    e.dosTime = dosTime;
    e.dosDate = dosDate;
    e.size = static_cast<uint32_t>(bytes.size());
    e.crc = crc32(0, bytes.data(), static_cast<uInt>(bytes.size()));
    if (level > 0 && !bytes.empty()) {
        z_stream z{};
        deflateInit2(&z, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
        std::vector<unsigned char> packed(deflateBound(&z, static_cast<uLong>(bytes.size())));
        z.next_in = const_cast<unsigned char*>(bytes.data());
        z.avail_in = static_cast<uInt>(bytes.size());
        z.next_out = packed.data();
        z.avail_out = static_cast<uInt>(packed.size());
        const int r = deflate(&z, Z_FINISH);
        packed.resize(z.total_out);
        deflateEnd(&z);
        if (r == Z_STREAM_END && packed.size() < bytes.size()) {
            e.method = 8;
            e.data = std::move(packed);
        }
    }
    if (e.method == 0) e.data = bytes;
    e.compressedSize = static_cast<uint32_t>(e.data.size());
    return e;
}

bool writeZip(const std::string& path, const std::vector<ZipEntry>& entries) {
    const std::string temp = path + ".standin-tmp";
    FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return false;
    bool ok = true;
    uint32_t offset = 0;
    std::vector<unsigned char> directory;
    for (const ZipEntry& e : entries) {
        std::vector<unsigned char> h;
        put32(h, 0x04034b50);
        put16(h, 20);
        put16(h, 0);
        put16(h, e.method);
        put16(h, e.dosTime);
        put16(h, e.dosDate);
        put32(h, e.crc);
        put32(h, e.compressedSize);
        put32(h, e.size);
        put16(h, static_cast<uint32_t>(e.name.size()));
        put16(h, 0);
        h.insert(h.end(), e.name.begin(), e.name.end());
        ok = ok && std::fwrite(h.data(), 1, h.size(), f) == h.size();
        ok = ok && (e.data.empty() || std::fwrite(e.data.data(), 1, e.data.size(), f) == e.data.size());
        const bool folder = !e.name.empty() && e.name.back() == '/';
        put32(directory, 0x02014b50);
        put16(directory, 20);
        put16(directory, 20);
        put16(directory, 0);
        put16(directory, e.method);
        put16(directory, e.dosTime);
        put16(directory, e.dosDate);
        put32(directory, e.crc);
        put32(directory, e.compressedSize);
        put32(directory, e.size);
        put16(directory, static_cast<uint32_t>(e.name.size()));
        put16(directory, 0);
        put16(directory, 0);
        put16(directory, 0);
        put16(directory, 0);
        put32(directory, folder ? 0x10 : 0x20);
        put32(directory, offset);
        directory.insert(directory.end(), e.name.begin(), e.name.end());
        offset += static_cast<uint32_t>(h.size() + e.data.size());
    }
    std::vector<unsigned char> tail;
    put32(tail, 0x06054b50);
    put16(tail, 0);
    put16(tail, 0);
    put16(tail, static_cast<uint32_t>(entries.size()));
    put16(tail, static_cast<uint32_t>(entries.size()));
    put32(tail, static_cast<uint32_t>(directory.size()));
    put32(tail, offset);
    put16(tail, 0);
    ok = ok && (directory.empty() || std::fwrite(directory.data(), 1, directory.size(), f) == directory.size());
    ok = ok && std::fwrite(tail.data(), 1, tail.size(), f) == tail.size();
    ok = std::fclose(f) == 0 && ok;
    if (ok) ok = MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    if (!ok) DeleteFileA(temp.c_str());
    return ok;
}

}  // namespace standin
