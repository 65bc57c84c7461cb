#include "ui/JpegImage.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

struct ErrorExit
{
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void leaveDecoder(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorExit *>(info->err)->jump, 1);
}

void ignoreMessage(j_common_ptr) {}

} // namespace

QImage decodeJpeg(const QByteArray &data, QSize atLeast)
{
    if (data.isEmpty())
        return {};
    jpeg_decompress_struct info{};
    ErrorExit error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = leaveDecoder;
    error.manager.output_message = ignoreMessage;
    // Nothing with a destructor lives between setjmp and the decoder's last call.
    QImage *volatile image = nullptr;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        delete image;
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    for (const unsigned denominator : {8u, 4u, 2u}) {
        const auto covers = [&](unsigned full, int wanted) {
            return wanted > 0 && (full + denominator - 1) / denominator >= unsigned(wanted);
        };
        if (covers(info.image_width, atLeast.width()) && covers(info.image_height, atLeast.height())) {
            info.scale_num = 1;
            info.scale_denom = denominator;
            break;
        }
    }
    // Straight into the layout a pixmap keeps (0xffRRGGBB in native order): nothing to convert later.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    info.out_color_space = JCS_EXT_BGRA;
#else
    info.out_color_space = JCS_EXT_ARGB;
#endif
    jpeg_start_decompress(&info);
    image = new QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    QImage result = std::move(*image);
    delete image;
    return result;
}

QImage jpegResource(const QString &path, QSize atLeast)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodeJpeg(file.readAll(), atLeast);
}
