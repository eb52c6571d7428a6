// Decompression of the gzip-wrapped image resources through zlib.
#include "formats/ImageResource.h"

#include "base/Exceptions.h"

#include <zlib.h>

namespace qbx {
namespace {

constexpr std::size_t kMaxImageBytes = 64u << 20;

[[noreturn]] void Bad(const std::string& what)
{
    throw EConvertError("Invalid image resource: " + what);
}

std::string Inflate(const std::string& stream)
{
    z_stream z {};
    if (inflateInit(&z) != Z_OK)
        Bad("zlib could not start");
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(stream.data()));
    z.avail_in = static_cast<uInt>(stream.size());
    std::string out;
    char buffer[16384];
    int status = Z_OK;
    while (status == Z_OK) {
        z.next_out = reinterpret_cast<Bytef*>(buffer);
        z.avail_out = sizeof buffer;
        status = inflate(&z, Z_NO_FLUSH);
        out.append(buffer, sizeof buffer - z.avail_out);
        if (out.size() > kMaxImageBytes) {
            inflateEnd(&z);
            Bad("it inflates to more than 64 MiB");
        }
    }
    inflateEnd(&z);
    if (status != Z_STREAM_END)
        Bad(status == Z_DATA_ERROR ? "the data or its checksum is corrupt" : "the data ends early");
    return out;
}

} // namespace

std::string DecompressImageResource(std::string_view r)
{
    if (r.size() < 10 || static_cast<unsigned char>(r[0]) != 0x1F || static_cast<unsigned char>(r[1]) != 0x8B
        || r[2] != 8)
        Bad("no gzip header");
    unsigned flags = static_cast<unsigned char>(r[3]);
    std::string adler(r.substr(4, 4));
    std::size_t at = 10; // 4 bytes read, 4 kept, 2 skipped
    if (flags & 8) {
        std::size_t end = r.find('\0', at);
        if (end == std::string_view::npos)
            Bad("the file name is not terminated");
        at = end + 1;
    }
    if (r.size() < at + 8)
        Bad("the data ends early");
    std::string stream = "\x78\xDA";
    stream.append(r.substr(at, r.size() - at - 8));
    stream += adler;
    return Inflate(stream);
}

std::string CompressImageResource(std::string_view data)
{
    z_stream z {};
    if (deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK)
        throw EConvertError("zlib could not start compressing");
    std::string raw(deflateBound(&z, static_cast<uLong>(data.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = reinterpret_cast<Bytef*>(raw.data());
    z.avail_out = static_cast<uInt>(raw.size());
    int status = deflate(&z, Z_FINISH);
    raw.resize(z.total_out);
    deflateEnd(&z);
    if (status != Z_STREAM_END)
        throw EConvertError("zlib could not compress the image resource");
    uLong adler
        = adler32(adler32(0, nullptr, 0), reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size()));
    uLong crc
        = crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size()));
    std::string out = "\x1F\x8B\x08";
    out += '\0';
    for (int shift = 24; shift >= 0; shift -= 8) // kept as the zlib trailer, so most significant first
        out += static_cast<char>((adler >> shift) & 0xFF);
    out += "\x02\x03"; // extra flags: best compression; operating system: Unix
    out += raw;
    for (uLong v : { crc, static_cast<uLong>(data.size()) })
        for (int shift = 0; shift < 32; shift += 8)
            out += static_cast<char>((v >> shift) & 0xFF);
    return out;
}

std::vector<ButtonImage> CutIntoCells(const RasterImage& bitmap, int size)
{
    std::vector<ButtonImage> cells;
    for (int top = 0; top + size <= bitmap.Height(); top += size) {
        for (int left = 0; left + size <= bitmap.Width(); left += size) {
            ButtonImage cell { RasterImage(size, size), bitmap.PixelColor(left, top + size - 1) };
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x)
                    cell.Image.SetPixel(x, y, bitmap.Pixel(left + x, top + y));
            cells.push_back(std::move(cell));
        }
    }
    return cells;
}

} // namespace qbx
