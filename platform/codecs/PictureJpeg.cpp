// JPEG through libjpeg(-turbo), reading from memory. A file that ends early shows grey where
// its data stops, as libjpeg fills it; messages are dropped. A progressive file may repeat
// scans without end, each a full pass over the picture, so their number is limited.
#include "platform/core/Pictures.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace win32 {

namespace {

// Far more than any encoder writes (ten or so), few enough to keep the work near one decode.
constexpr int kMaxScans = 100;

// libjpeg's working memory (the whole picture's coefficients, for a progressive file).
constexpr long kMaxWorkingBytes = static_cast<long>(kMaxPictureBytes) * 4;

struct Errors {
    jpeg_error_mgr manager;
    std::jmp_buf escape;
};

[[noreturn]] void Escape(j_common_ptr info) {
    std::longjmp(reinterpret_cast<Errors*>(info->err)->escape, 1);
}

void Quiet(j_common_ptr) {}

void LimitScans(j_common_ptr info) {
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxScans)
        Escape(info);
}

// Adobe's CMYK files hold the inks inverted; others hold them as they are.
void CmykToRgb(RgbaPicture& picture, bool inverted) {
    for (int y = 0; y < picture.height; ++y) {
        std::uint8_t* p = picture.Row(y);
        for (int x = 0; x < picture.width; ++x, p += 4) {
            const int k = inverted ? p[3] : 255 - p[3];
            for (int c = 0; c < 3; ++c)
                p[c] = static_cast<std::uint8_t>(((inverted ? p[c] : 255 - p[c]) * k + 127) / 255);
            p[3] = 255;
        }
    }
}

} // namespace

std::unique_ptr<RgbaPicture> DecodeJpeg(const std::uint8_t* data, size_t size) {
    jpeg_decompress_struct info{};
    Errors errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = Escape;
    errors.manager.output_message = Quiet;
    jpeg_progress_mgr progress{};
    progress.progress_monitor = LimitScans;
    // Of the locals changed after setjmp, only `picture` is needed after a longjmp back, hence
    // volatile, and a plain pointer, since a longjmp runs no destructors; `info` is only handed
    // to libjpeg, which keeps its state there.
    RgbaPicture* volatile picture = nullptr;
    if (setjmp(errors.escape)) {
        jpeg_destroy_decompress(&info);
        delete picture;
        return nullptr;
    }
    jpeg_create_decompress(&info);
    info.mem->max_memory_to_use = kMaxWorkingBytes;
    info.progress = &progress;
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    const bool cmyk = info.num_components == 4;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_RGBA;
    picture = NewRgbaPicture(info.image_width, info.image_height).release();
    if (!picture)
        Escape(reinterpret_cast<j_common_ptr>(&info));
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = picture->Row(info.output_scanline);
        if (jpeg_read_scanlines(&info, &row, 1) != 1)
            Escape(reinterpret_cast<j_common_ptr>(&info));
    }
    if (cmyk)
        CmykToRgb(*picture, info.saw_Adobe_marker);
    // What follows the last row cannot change the picture, so it is not read.
    jpeg_destroy_decompress(&info);
    return std::unique_ptr<RgbaPicture>(picture);
}

} // namespace win32
