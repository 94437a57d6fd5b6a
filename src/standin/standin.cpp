#include "standin/standin.h"

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "link/exchange.h"
#include "link/textfile.h"

namespace qorix::standin {

namespace {

std::string join(const std::string& folder, const char* name) {
    return folder + exchange::kPathSeparator + name;
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A code is a letter, alone (the load and end codes) or as a line (command and position).
char codeOf(const std::string& bytes) {
    for (char c : bytes)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return c;
    return '\0';
}

}  // namespace

std::string parseArguments(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a.rfind("--position=", 0) == 0) {
            std::string v = a.substr(11);
            auto c1 = v.find(','), c2 = c1 == std::string::npos ? c1 : v.find(',', c1 + 1);
            if (c2 == std::string::npos || v.find(',', c2 + 1) != std::string::npos)
                return "a pozíció három szám vesszővel elválasztva: " + a;
            options.x = v.substr(0, c1);
            options.y = v.substr(c1 + 1, c2 - c1 - 1);
            options.z = v.substr(c2 + 1);
            if (options.x.empty() || options.y.empty() || options.z.empty())
                return "üres koordináta: " + a;
        } else if (a.rfind("--log=", 0) == 0) {
            options.logPath = a.substr(6);
        } else if (a.rfind("--", 0) == 0 || !options.installFolder.empty()) {
            return "ismeretlen argumentum: " + a;
        } else {
            options.installFolder = a;
        }
    }
    if (options.installFolder.empty()) return "hiányzik a telepítési mappa";
    return {};
}

FileStamp stampOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    return FileStamp{true, static_cast<std::uint64_t>(st.st_ino),
                     static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                     static_cast<std::int64_t>(st.st_size)};
}

StandIn::StandIn(Options options, std::ostream& log)
    : options_(std::move(options)),
      log_(log),
      folder_(exchange::exchangeFolder(options_.installFolder)) {
    std::filesystem::create_directories(folder_);
    // a code left from an earlier run is not a request
    last_ = stampOf(join(folder_, exchange::kDataFile));
}

void StandIn::log(const std::string& line) { log_ << line << std::endl; }

std::string StandIn::firstLine(const std::string& path) const {
    try {
        auto lines = textfile::readLines(path);
        return lines.empty() ? std::string() : lines.front();
    } catch (const Error& e) {
        return std::string("(") + e.what() + ")";
    }
}

void StandIn::handle(const std::string& bytes) {
    switch (codeOf(bytes)) {
        case 'L':
            log("L " + firstLine(join(folder_, exchange::kFileFile)));
            break;
        case 'C':
            log("C " + firstLine(join(folder_, exchange::kCommandFile)));
            break;
        case 'G':
            textfile::writeLines(join(folder_, exchange::kPositionFile),
                                 {options_.x, options_.y, options_.z});
            log("G " + options_.x + " " + options_.y + " " + options_.z);
            break;
        case 'E':
            log("E");
            break;
        default:
            log("? " + bytes);
            break;
    }
}

bool StandIn::poll() {
    const std::string path = join(folder_, exchange::kDataFile);
    FileStamp now = stampOf(path);
    if (!now.exists || now == last_) return true;
    last_ = now;
    std::string bytes = readAll(path);
    handle(bytes);
    return codeOf(bytes) != 'E';
}

int StandIn::run() {
    log("qorix-standin: " + folder_);
    while (poll()) std::this_thread::sleep_for(std::chrono::milliseconds(options_.pollMs));
    return 0;
}

}  // namespace qorix::standin
