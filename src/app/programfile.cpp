#include "app/programfile.h"

#include "link/textfile.h"
#include "platform/files.h"

namespace qorix {

std::vector<std::string> readProgramFile(const std::string& path) {
    platform::SmallFile file;
    if (int error = platform::readSmallFile(path, kProgramFileBytes, file); error != 0)
        throw FileError(path, error, true);
    if (file.kind == platform::SmallFile::notRegular)
        throw FileError(path, "nem közönséges fájl, hanem mappa, csővezeték vagy eszköz", true);
    if (file.kind == platform::SmallFile::tooLarge)
        throw FileError(path, "nagyobb, mint " + std::to_string(kProgramFileBytes >> 20) + " MiB",
                        true);
    return textfile::splitLines(file.bytes);
}

}  // namespace qorix
