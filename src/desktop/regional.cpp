#include "app/regional.h"

#include <QLocale>

namespace qorix {

char regionalDecimalSeparator() {
    QString point = QLocale::system().decimalPoint();
    return point == QStringLiteral(",") ? ',' : '.';
}

}  // namespace qorix
