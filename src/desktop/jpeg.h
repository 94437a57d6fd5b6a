// Page pictures: baseline JPEG files decoded with libjpeg's own API.
#pragma once

#include <QImage>
#include <string>

namespace ui::qt {

// The picture as 24-bit RGB; a null image when the file is missing or no JPEG, with the
// reason in *error when given.
QImage decodeJpeg(const std::string& path, std::string* error = nullptr);

// The full path of a picture named by an Image control: the first of <program folder>/assets,
// <program folder>/../share/qorix-wizards/assets and the source tree's assets folder that
// holds it; the name under the last of these when none does.
std::string assetPath(const std::string& picture);

}  // namespace ui::qt
