#include "wizards/drilling/retractplane.h"

namespace qorix {

namespace {

constexpr const char* kRetractEmpty = "Gyors vissza (Z pozíció) értékét nem adtad meg.";
constexpr const char* kRetractNotAboveBottom =
    "Gyors vissza (Z pozíció) a fúrás mélysége fölött kell legyen.";
constexpr const char* kRetractBelowStart =
    "Gyors vissza (Z pozíció) a Z tengely kezdőpontja alatt van: a fúró gyorsmenetben megy az "
    "anyagba, és úgy mozog a furatok között is. A program tovább megy.";

}  // namespace

void readRetractPlane(const ui::Edit& field, const FieldReader& read, const CommonRecord& rec,
                      long double& retract) {
    if (field.text().empty()) {
        read.error(kRetractEmpty);
        return;
    }
    const bool comparable = !rec.error;  // before this field's own read
    retract = read.number(field);
    if (!comparable) return;
    if (retract <= rec.depth)
        read.error(kRetractNotAboveBottom);
    else if (retract < rec.z)
        read.warning(kRetractBelowStart);
}

}  // namespace qorix
