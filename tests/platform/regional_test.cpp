// The decimal separator of the regional settings. On Linux it comes from the locale
// variables as the desktop's toolkit reads them (compared with the toolkit itself for every
// locale it knows in tests/desktop/regional_test.cpp); on Windows from the user's settings.
#include "platform/regional.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace qorix::test {
namespace {

using platform::decimalSeparatorOfLocale;

TEST(Regional, LocaleNamesGiveTheirLanguagesOrTerritoriesSeparator) {
    for (const char* comma :
         {"hu_HU.UTF-8", "hu", "hu_HU", "hu_US", "de_DE@euro", "de-AT", "es", "en_DK.UTF-8",
          "en_ZA", "no_NO", "sr_Latn_RS", "hun_HU", "fr_CA.ISO-8859-1", "pt_BR"})
        EXPECT_EQ(decimalSeparatorOfLocale(comma), ',') << comma;
    for (const char* point :
         {"en_US.UTF-8", "en_GB", "en_HU", "C", "C.UTF-8", "POSIX", "", "de_CH.UTF-8", "it_CH",
          "es_MX", "es_419", "ja_JP", "ar_EG", "zh_CN.GB18030", "xx_YY"})
        EXPECT_EQ(decimalSeparatorOfLocale(point), '.') << point;
}

#ifndef _WIN32
// Sets the locale variables for the scope; nullopt unsets one.
class Variables {
public:
    Variables(std::optional<std::string> all, std::optional<std::string> numeric,
              std::optional<std::string> lang) {
        set("LC_ALL", all);
        set("LC_NUMERIC", numeric);
        set("LANG", lang);
    }
    ~Variables() {
        for (auto& [name, value] : saved_) set(name, value, false);
    }

private:
    void set(const char* name, const std::optional<std::string>& value, bool save = true) {
        if (save) {
            const char* old = std::getenv(name);
            saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        }
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST(Regional, LcAllThenLcNumericThenLangDecide) {
    {
        Variables v("hu_HU.UTF-8", "en_US.UTF-8", "en_US.UTF-8");
        EXPECT_EQ(platform::decimalSeparator(), ',');
    }
    {
        Variables v(std::nullopt, "de_DE.UTF-8", "en_US.UTF-8");
        EXPECT_EQ(platform::decimalSeparator(), ',');
    }
    {
        Variables v("", "", "hu_HU.UTF-8");
        EXPECT_EQ(platform::decimalSeparator(), ',');
    }
    {
        Variables v(std::nullopt, "C", "hu_HU.UTF-8");
        EXPECT_EQ(platform::decimalSeparator(), '.');
    }
    {
        Variables v(std::nullopt, std::nullopt, std::nullopt);
        EXPECT_EQ(platform::decimalSeparator(), '.');
    }
}
#endif

}  // namespace
}  // namespace qorix::test
