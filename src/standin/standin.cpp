#include "standin/standin.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "link/exchange.h"
#include "link/textfile.h"
#include "platform/files.h"
#include "wizards/common/numbertext.h"

namespace qorix::standin {

namespace {

std::string join(const std::string& folder, const char* name) {
    return folder + kPathSeparator + name;
}

std::string readAll(const std::string& path) {
    std::ifstream in(platform::pathOf(path), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
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
        } else if (a.rfind("--poll=", 0) == 0) {
            std::int32_t ms = 0;
            try {
                ms = NumberText('.').toInt(a.substr(7));
            } catch (const Error&) {
            }
            if (ms < 1 || ms > 1000) return "a várakozás 1 és 1000 ezredmásodperc közé essen: " + a;
            options.pollMs = ms;
        } else if (a == "--verify") {
            options.verify = true;
        } else if (a == "--moving") {
            options.moving = true;
        } else if (a.rfind("--", 0) == 0 || !options.installFolder.empty()) {
            return "ismeretlen argumentum: " + a;
        } else {
            options.installFolder = a;
        }
    }
    if (options.installFolder.empty()) return "hiányzik a telepítési mappa";
    return {};
}

std::string loadProblem(const std::string& fileTxt) {
    // "file.txt" is one line and its line end: anything else is a half-written path
    if (!endsWith(fileTxt, "\r\n") || fileTxt.find_first_of("\r\n") != fileTxt.size() - 2)
        return "a file.txt nem egy teljes sor";
    const std::string path = textfile::fromCp1250(fileTxt.substr(0, fileTxt.size() - 2));
    std::error_code error;
    if (!std::filesystem::is_regular_file(platform::pathOf(path), error))
        return "nincs ilyen program: " + path;
    const std::string program = readAll(path);
    if (program != "M30\r\n" && !endsWith(program, "\r\nM30\r\n"))
        return "a program nem a záró M30 sorral végződik: " + path;
    return {};
}

Position movingPosition(std::uint64_t n) {
    const std::string whole = NumberText::whole(static_cast<std::int64_t>(n));
    return {whole + ".25", "-" + whole + ".5", whole + ".75"};
}

StandIn::StandIn(Options options, std::ostream& log)
    : options_(std::move(options)),
      log_(log),
      folder_(exchange::exchangeFolder(options_.installFolder)) {
    std::filesystem::create_directories(platform::pathOf(folder_));
    codes_ = std::make_unique<textfile::ExchangeWatch>(join(folder_, exchange::kDataFile));
    // a code left from an earlier run is not a request
    try {
        codes_->next();
    } catch (const Error&) {
    }
}

StandIn::~StandIn() = default;

void StandIn::log(const std::string& line) { log_ << line << std::endl; }

std::string StandIn::firstLine(const std::string& path) const {
    try {
        auto lines = textfile::readLines(path);
        return lines.empty() ? std::string() : lines.front();
    } catch (const Error& e) {
        return std::string("(") + e.what() + ")";
    }
}

void StandIn::writePosition(const Position& p) {
    textfile::writeLines(join(folder_, exchange::kPositionFile), {p.x, p.y, p.z});
}

void StandIn::load() {
    const std::string fileTxt = join(folder_, exchange::kFileFile);
    log("L " + firstLine(fileTxt));
    if (!options_.verify) return;
    std::string problem;
    try {
        problem = loadProblem(textfile::readExchangeFile(fileTxt).bytes);
    } catch (const Error& e) {
        problem = e.what();
    }
    if (problem.empty()) {
        ++loadsWhole_;
    } else {
        ++loadsFaulty_;
        log("! " + problem);
    }
}

void StandIn::answerPosition() {
    ++positionRequests_;
    Position p{options_.x, options_.y, options_.z};
    if (options_.moving) p = movingPosition(++step_);
    writePosition(p);
    log("G " + p.x + " " + p.y + " " + p.z);
}

void StandIn::handle(const std::string& bytes) {
    switch (codeOf(bytes)) {
        case 'L':
            load();
            break;
        case 'C':
            log("C " + firstLine(join(folder_, exchange::kCommandFile)));
            break;
        case 'G':
            answerPosition();
            break;
        case 'E':
            if (options_.verify)
                log("betöltések: " + NumberText::whole(static_cast<std::int64_t>(loadsWhole_)) +
                    " rendben, " + NumberText::whole(static_cast<std::int64_t>(loadsFaulty_)) +
                    " hibás; pozíciókérések: " +
                    NumberText::whole(static_cast<std::int64_t>(positionRequests_)));
            log("E");
            break;
        default:
            log("? " + bytes);
            break;
    }
}

bool StandIn::poll() {
    if (options_.moving) writePosition(movingPosition(++step_));
    std::string bytes;
    try {
        std::optional<textfile::ExchangeFile> code = codes_->next();
        if (!code) return true;
        bytes = std::move(code->bytes);
    } catch (const Error& e) {
        log(std::string("! ") + e.what());  // once for each new file in its place
        return true;
    }
    handle(bytes);
    return codeOf(bytes) != 'E';
}

int StandIn::run() {
    log("qorix-standin: " + folder_);
    while (poll()) std::this_thread::sleep_for(std::chrono::milliseconds(options_.pollMs));
    return 0;
}

}  // namespace qorix::standin
