// The separator read from a locale name without Qt is the one the desktop's toolkit reads
// from the same name: for every locale the toolkit knows, each language alone and in
// territories not its own, the older and three-letter language names, and the codeset and
// modifier that the locale variables carry.
#include "platform/regional.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <set>
#include <string>

namespace qorix::test {
namespace {

char toolkitSeparator(const std::string& name) {
    return QLocale(QString::fromStdString(name)).decimalPoint() == QStringLiteral(",") ? ',' : '.';
}

std::set<std::string> namesToTry() {
    std::set<std::string> names;
    std::set<std::string> languages;
    for (const QLocale& l : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                     QLocale::AnyTerritory)) {
        const std::string name = l.name().toStdString();
        languages.insert(name.substr(0, name.find('_')));
        for (const char* tail : {"", ".UTF-8", "@euro", ".ISO-8859-2@latin"})
            names.insert(name + tail);
    }
    for (const std::string& language : languages)
        for (const char* territory : {"", "_HU", "_US", "_DE", "_CH", "_MX", "_ZA", "_AF"})
            names.insert(language + territory);
    for (char a = 'a'; a <= 'z'; ++a)
        for (char b = 'a'; b <= 'z'; ++b) {
            names.insert({a, b});
            for (char c = 'a'; c <= 'z'; ++c) names.insert({a, b, c});
        }
    for (const char* other : {"", "C", "POSIX", "C.UTF-8", "hu-HU", "sr_Latn_RS", "xx_YY"})
        names.insert(other);
    return names;
}

TEST(RegionalAgainstToolkit, EveryLocaleNameGivesTheToolkitsSeparator) {
    const std::set<std::string> names = namesToTry();
    ASSERT_GT(names.size(), 18000u);
    int differing = 0;
    for (const std::string& name : names) {
        if (platform::decimalSeparatorOfLocale(name) == toolkitSeparator(name)) continue;
        if (++differing <= 10) ADD_FAILURE() << "\"" << name << "\"";
    }
    EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace qorix::test
