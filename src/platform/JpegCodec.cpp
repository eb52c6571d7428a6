// JPEG decoding and encoding through libjpeg.
#include "base/Exceptions.h"
#include "platform/Pictures.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

namespace qbx {
namespace {

// libjpeg reports errors through a callback that must not return; it jumps back with the message kept.
struct JpegError
{
    jpeg_error_mgr Manager;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

void OnJpegError(j_common_ptr info)
{
    JpegError* error = reinterpret_cast<JpegError*>(info->err);
    (*info->err->format_message)(info, error->Message);
    std::longjmp(error->Jump, 1);
}

} // namespace

RasterImage DecodeJpeg(std::string_view bytes)
{
    jpeg_decompress_struct info {};
    JpegError error {};
    info.err = jpeg_std_error(&error.Manager);
    error.Manager.error_exit = OnJpegError;
    // Nothing with a destructor lives between setjmp and a possible longjmp.
    RasterImage* volatile image = nullptr;
    JSAMPLE* volatile row = nullptr;
    if (setjmp(error.Jump)) {
        jpeg_destroy_decompress(&info);
        delete image;
        std::free(row);
        throw EConvertError(std::string("Invalid JPEG image: ") + error.Message);
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (static_cast<unsigned long long>(info.output_width) * info.output_height > (1ULL << 28))
        ERREXIT(&info, JERR_IMAGE_TOO_BIG);
    image = new RasterImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    row = static_cast<JSAMPLE*>(std::malloc(info.output_width * 3));
    while (info.output_scanline < info.output_height) {
        int y = static_cast<int>(info.output_scanline);
        JSAMPROW rows[1] = { row };
        RasterImage& target = *image;
        jpeg_read_scanlines(&info, rows, 1);
        for (int x = 0; x < target.Width(); ++x)
            target.SetPixel(x, y, 0xFF000000u | row[3 * x] << 16 | row[3 * x + 1] << 8 | row[3 * x + 2]);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::free(row);
    RasterImage result = std::move(*image);
    delete image;
    return result;
}

std::string EncodeJpeg(const RasterImage& image, int quality)
{
    if (image.IsEmpty())
        throw EConvertError("Cannot encode an empty image as JPEG");
    jpeg_compress_struct info {};
    JpegError error {};
    info.err = jpeg_std_error(&error.Manager);
    error.Manager.error_exit = OnJpegError;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    JSAMPLE* row = static_cast<JSAMPLE*>(std::malloc(static_cast<std::size_t>(image.Width()) * 3));
    if (setjmp(error.Jump)) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        std::free(row);
        throw EConvertError(std::string("Cannot encode JPEG image: ") + error.Message);
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(image.Width());
    info.image_height = static_cast<JDIMENSION>(image.Height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        int y = static_cast<int>(info.next_scanline);
        for (int x = 0; x < image.Width(); ++x) {
            std::uint32_t p = image.Pixel(x, y);
            row[3 * x] = static_cast<JSAMPLE>((p >> 16) & 0xFF);
            row[3 * x + 1] = static_cast<JSAMPLE>((p >> 8) & 0xFF);
            row[3 * x + 2] = static_cast<JSAMPLE>(p & 0xFF);
        }
        JSAMPROW rows[1] = { row };
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    std::string out(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    std::free(row);
    return out;
}

} // namespace qbx
