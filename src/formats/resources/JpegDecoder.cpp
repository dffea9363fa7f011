#include "formats/resources/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace formats::resources {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return.
struct ErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
};

void OnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->Jump, 1);
}

void OnMessage(j_common_ptr) {}

// Runs the decompression; false on any error. Kept free of objects with destructors, since a
// libjpeg error jumps out of it.
bool Decode(jpeg_decompress_struct& info, ErrorManager& errors, std::string_view bytes, RgbImage& image)
{
    if (setjmp(errors.Jump) != 0)
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK)
        return false;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3)
        return false;
    image.Width = static_cast<int>(info.output_width);
    image.Height = static_cast<int>(info.output_height);
    image.Rgb.resize(static_cast<size_t>(image.Width) * static_cast<size_t>(image.Height) * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.Rgb.data() + static_cast<size_t>(info.output_scanline) * image.Width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

std::optional<RgbImage> DecodeJpeg(std::string_view bytes)
{
    if (bytes.empty())
        return std::nullopt;
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = OnError;
    errors.Base.output_message = OnMessage;
    RgbImage image;
    const bool decoded = Decode(info, errors, bytes, image);
    jpeg_destroy_decompress(&info);
    if (!decoded)
        return std::nullopt;
    return image;
}

} // namespace formats::resources
