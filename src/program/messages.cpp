#include "program/messages.h"

#include <cmath>

#include "wizards/common/numbertext.h"

namespace qorix::program::message {

namespace {

// Lengths in the messages: with a comma, as on the pages, to the programs' four decimals.
std::string mm(double v) {
    return NumberText(',').general(std::round(static_cast<long double>(v) * 10000) / 10000);
}
// A piece of a line as the warning quotes it: at most kQuoted characters (a word of ten
// megabytes is told by its start), never cut inside a UTF-8 character.
constexpr std::size_t kQuoted = 40;
std::string quoted(std::string_view s) {
    std::size_t end = 0, chars = 0;
    while (end < s.size() && chars < kQuoted) {
        ++end;
        while (end < s.size() && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80) ++end;
        ++chars;
    }
    return "\"" + std::string(s.substr(0, end)) + (end < s.size() ? "…\"" : "\"");
}
std::string count(std::size_t n) { return NumberText::whole(static_cast<std::int64_t>(n)); }

}  // namespace

std::string unknownWord(std::string_view word) { return "Nem értelmezett szó: " + quoted(word); }
std::string numberTooLarge(std::string_view number) {
    return "A szám nagyobb, mint amit a gép ábrázolni tud: " + quoted(number);
}
std::string divisionByZero(std::string_view piece) {
    return "Osztás nullával a kifejezésben: " + quoted(piece);
}
std::string badVariable(std::string_view piece) { return "Nem létező változó: " + quoted(piece); }
std::string unclosedComment() { return "A megjegyzés zárójele nincs lezárva"; }
std::string arcOffCircle(double deviation) {
    return "Az ív végpontja nincs rajta az ív körén (eltérés " + mm(deviation) + " mm)";
}
std::string rArcTooShort(double chord, double radius) {
    return "Az R-rel megadott ív nem zárható: a kezdő- és végpont távolsága (" + mm(chord) +
           " mm) nagyobb, mint a sugár kétszerese (" + mm(2 * radius) + " mm)";
}
std::string rArcNoChord() {
    return "Az R-rel megadott ív kezdő- és végpontja azonos: az ív nem határozható meg";
}
std::string arcFromUnknown() {
    return "Az ív kezdőpontja ismeretlen (X vagy Y még nem volt megadva): nem rajzolható";
}
std::string rapidIntoPart(double z, double top) {
    return "Gyorsmenet X/Y irányban a munkadarab teteje (Z" + mm(top) + ") alatt, Z" + mm(z) +
           " magasságban: az anyagba megy";
}
std::string belowDepth(double z, double depth) {
    return "Marás a kért mélység (Z" + mm(depth) + ") alatt: Z" + mm(z);
}
std::string missingSubprogram(double number) {
    return "Az M98 nem létező alprogramot hív: O" + mm(number);
}
std::string nestingTooDeep() { return "Az alprogramok túl mélyen hívják egymást: a hívás elmarad"; }
std::string runaway(std::size_t lines) {
    return "A program olvasása " + NumberText(',').whole(static_cast<std::int64_t>(lines)) +
           " végrehajtott sor után leállt: végtelen ciklus?";
}
std::string noProgramEnd() { return "A programból hiányzik a program vége (M30)"; }
std::string cycleWithoutDepth() {
    return "A fúróciklusnak nincs Z mélysége vagy R síkja: a furat elmarad";
}
std::string rPlaneBelowBottom(double r, double z) {
    return "A fúróciklus R síkja (R" + mm(r) + ") a furat alja (Z" + mm(z) +
           ") alatt van: a vezérlő itt megáll, a furat elmarad";
}
std::string tooManyPecks(double q, double limit) {
    return "A fúróciklus fogása (Q" + mm(q) + ") túl kicsi a furat mélységéhez: " +
           NumberText(',').whole(static_cast<std::int64_t>(limit)) +
           "-nél több fogás lenne; a furat egy fogásként szerepel";
}
std::string unknownWorkOrigin(int system) {
    return "A G" + std::to_string(54 + system) +
           " nullpontját a program nem adta meg (G10 L2): a gép nullpontjával számolva";
}

std::string expressionTooDeep(int levels) {
    return "A kifejezés túl mélyen ágyazott (" + std::to_string(levels) +
           " szintnél több): a sor kimarad";
}
std::string numberTooSmall(std::string_view number) {
    return "A szám kisebb, mint amit a gép ábrázolni tud: " + quoted(number);
}
std::string moveBudget(std::size_t moves) {
    return "A program olvasása ennél a sornál leállt: " + count(moves) +
           " mozgásnál több lenne; az addig olvasott rész látszik";
}
std::string linesAfterEnd(std::size_t lines) {
    return "A program vége (M30) után még " + count(lines) +
           " sor van: ezeket a gép nem hajtja végre";
}
std::string zeroPeck() { return "A fúróciklus fogása (Q) nulla: a furat egy fogásként szerepel"; }
std::string zeroFeed() {
    return "Előtolás nélküli marás (F0): a gép nem indul el, a futási idő nem becsülhető";
}
std::string longDwell() { return "Túl hosszú várakozás (G4 P): egy óránál több"; }
std::string notFinite() {
    return "A mozgás eredménye nem ábrázolható szám (túl nagy): a mozgás kimarad";
}
std::string readFailed(std::string_view reason) {
    if (reason.empty()) return "A program olvasása leállt: elfogyott a memória";
    return "A program olvasása leállt: " + std::string(reason);
}
std::string rapidDownIntoPart(double z, double top) {
    return "Gyorsmenet lefelé a munkadarab teteje (Z" + mm(top) + ") alá, Z" + mm(z) +
           " magasságig: az anyagba megy";
}

}  // namespace qorix::program::message
