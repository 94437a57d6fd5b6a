#include "desktop/jpeg.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <csetjmp>
#include <cstdio>
#include <memory>

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

#include "platform/files.h"

namespace ui::qt {

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}

void quiet(j_common_ptr, int) {}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// Kept apart from decodeJpeg so that no object with a destructor lives across setjmp.
bool decodeInto(std::FILE* file, QImage& image, ErrorManager& err) {
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = onError;
    err.pub.emit_message = quiet;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB888);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

QImage decodeJpeg(const std::string& path, std::string* error) {
    std::unique_ptr<std::FILE, FileCloser> file(qorix::platform::openForReading(path));
    if (!file) {
        if (error) *error = "cannot open " + path;
        return {};
    }
    QImage image;
    ErrorManager err{};
    if (!decodeInto(file.get(), image, err)) {
        if (error) *error = path + ": " + err.message;
        return {};
    }
    return image;
}

std::string assetPath(const std::string& picture) {
    QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : ".";
    const QString candidates[] = {dir + "/assets/", dir + "/../share/qorix-wizards/assets/",
                                  QStringLiteral(QORIX_SOURCE_ASSETS_DIR "/")};
    QString name = QString::fromStdString(picture);
    for (const QString& c : candidates)
        if (QFileInfo::exists(c + name)) return (c + name).toStdString();
    return (candidates[2] + name).toStdString();
}

}  // namespace ui::qt
