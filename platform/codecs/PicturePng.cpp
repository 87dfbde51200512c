// PNG through libpng, reading from memory: a read past the end of the file stops the decode
// instead of handing libpng stale bytes, and libpng says nothing on standard error.
#include "platform/core/Pictures.h"

#include <png.h>

#include <csetjmp>
#include <cstring>

namespace win32 {

namespace {

struct Source {
    const std::uint8_t* data;
    size_t size;
    size_t at;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t count) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (source->size - source->at < count)
        png_error(png, "file ends early");
    std::memcpy(out, source->data + source->at, count);
    source->at += count;
}

// libpng's own handler would print the message first.
[[noreturn]] void Stop(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

void Ignore(png_structp, png_const_charp) {}

// Every kind of PNG comes out as 8-bit RGBA; gamma and colour chunks are not applied. Of the
// locals only `picture` is needed after a longjmp back, hence volatile, and a plain pointer,
// since a longjmp runs no destructors.
std::unique_ptr<RgbaPicture> Read(png_structp png, png_infop info) {
    RgbaPicture* volatile picture = nullptr;
    if (setjmp(png_jmpbuf(png))) {
        delete picture;
        return nullptr;
    }
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    png_set_expand(png); // palette and grey of fewer bits to 8 bits, tRNS to alpha
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<size_t>(width) * 4)
        png_error(png, "unexpected row layout");
    picture = NewRgbaPicture(width, height).release();
    if (!picture)
        png_error(png, "picture too large");
    for (int pass = 0; pass < passes; ++pass)
        for (png_uint_32 y = 0; y < height; ++y)
            png_read_row(png, picture->Row(y), nullptr);
    // What follows the pixels (more chunks, IEND) is not read: it cannot change them.
    return std::unique_ptr<RgbaPicture>(picture);
}

} // namespace

std::unique_ptr<RgbaPicture> DecodePng(const std::uint8_t* data, size_t size) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Stop, Ignore);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::unique_ptr<RgbaPicture> picture;
    if (info) {
        Source source = {data, size, 0};
        png_set_read_fn(png, &source, ReadFromMemory);
        png_set_user_limits(png, kMaxPictureSide, kMaxPictureSide);
        // Chunks other than the image's own are skipped unread, so none is inflated or kept;
        // a chunk may still be as long as the largest file we open.
        png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
        png_set_chunk_malloc_max(png, kMaxPictureBytes);
        picture = Read(png, info);
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return picture;
}

} // namespace win32
