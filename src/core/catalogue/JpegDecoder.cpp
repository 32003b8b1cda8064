// JPEG decoding with libjpeg. libjpeg reports fatal errors through error_exit, which must not
// return; the default one ends the process. Here it jumps back into ReadJpeg with longjmp.
// Throwing a C++ exception through libjpeg's C frames is not safe, so the jump is used, and
// the function that calls setjmp keeps no object with a destructor: the pixel buffer lives in
// the caller, which is never jumped over.

#include "catalogue/ImageDecoders.h"
#include "catalogue/TImage.h"

#include <csetjmp>
#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>
#include <new>
#include <vector>

namespace corvane {

namespace {

struct JpegErrors {
    jpeg_error_mgr pub; // first member: libjpeg sees a jpeg_error_mgr*
    std::jmp_buf jump;
    bool truncated;
};

[[noreturn]] void FailJpeg(j_common_ptr cinfo) {
    auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
    std::longjmp(errors->jump, 1);
}

// Messages are not printed. A premature end of the data is a warning to libjpeg (it pads the
// picture with grey); a cut-off file is refused all the same.
void NoteJpegMessage(j_common_ptr cinfo, int level) {
    if (level >= 0) return;
    auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
    if (cinfo->err->msg_code == JWRN_JPEG_EOF) errors->truncated = true;
    ++cinfo->err->num_warnings;
}

struct JpegShape {
    int width = 0;
    int height = 0;
    bool cmyk = false;
    bool adobeInverted = false;
};

// Decodes into `pixels` (3 bytes per pixel, or 4 for CMYK). No C++ objects with destructors
// may be created here: see the note at the top.
bool ReadJpeg(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>* pixels,
              JpegShape* shape) {
    jpeg_decompress_struct cinfo;
    JpegErrors errors;
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = FailJpeg;
    errors.pub.emit_message = NoteJpegMessage;
    errors.truncated = false;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    const std::uint64_t pixelCount =
        static_cast<std::uint64_t>(cinfo.image_width) * cinfo.image_height;
    if (pixelCount == 0 || pixelCount > TImage::kMaxPixels) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    shape->cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    shape->adobeInverted = cinfo.saw_Adobe_marker != 0;
    cinfo.out_color_space = shape->cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&cinfo);
    const int components = shape->cmyk ? 4 : 3;
    if (cinfo.output_components != components) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    shape->width = static_cast<int>(cinfo.output_width);
    shape->height = static_cast<int>(cinfo.output_height);
    const std::size_t stride = static_cast<std::size_t>(cinfo.output_width) * components;
    try {
        pixels->resize(stride * cinfo.output_height);
    } catch (const std::bad_alloc&) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = pixels->data() + stride * cinfo.output_scanline;
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1) {
            jpeg_destroy_decompress(&cinfo);
            return false;
        }
    }
    jpeg_finish_decompress(&cinfo);
    const bool complete = !errors.truncated;
    jpeg_destroy_decompress(&cinfo);
    return complete;
}

// CMYK to RGB in place, 4 bytes per pixel becoming 3. Adobe writes the inks inverted.
void CmykToRgb(std::vector<std::uint8_t>& pixels, bool inverted) {
    const std::size_t count = pixels.size() / 4;
    for (std::size_t i = 0; i < count; ++i) {
        unsigned c = pixels[4 * i], m = pixels[4 * i + 1], y = pixels[4 * i + 2];
        unsigned k = pixels[4 * i + 3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        pixels[3 * i] = static_cast<std::uint8_t>((c * k + 127) / 255);
        pixels[3 * i + 1] = static_cast<std::uint8_t>((m * k + 127) / 255);
        pixels[3 * i + 2] = static_cast<std::uint8_t>((y * k + 127) / 255);
    }
    pixels.resize(count * 3);
}

} // namespace

bool DecodeJpeg(const std::uint8_t* data, std::size_t size, TImage& image) {
    if (data == nullptr || size == 0) return false;
    std::vector<std::uint8_t> pixels;
    JpegShape shape;
    if (!ReadJpeg(data, size, &pixels, &shape)) return false;
    if (shape.cmyk) CmykToRgb(pixels, shape.adobeInverted);
    image.Assign(shape.width, shape.height, 3, std::move(pixels));
    return true;
}

} // namespace corvane
