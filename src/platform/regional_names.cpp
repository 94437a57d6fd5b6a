// Which locales write a decimal comma: the languages whose numbers do, the territories that
// differ from their language, and the older and three-letter names of those languages.
#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "platform/regional.h"

namespace qorix::platform {

namespace {

constexpr std::array<std::string_view, 99> kCommaLanguages = {
    "af",  "agq", "ast", "az",  "bas", "be",  "bg",  "br",  "bs",  "ca",  "cs", "da",  "de",
    "dsb", "dua", "dyo", "el",  "eo",  "es",  "et",  "eu",  "ewo", "ff",  "fi", "fo",  "fr",
    "fur", "fy",  "gl",  "hr",  "hsb", "hu",  "hy",  "ia",  "id",  "is",  "it", "jgo", "jv",
    "ka",  "kab", "kea", "kgp", "kk",  "kkj", "kl",  "km",  "ksf", "ksh", "ku", "ky",  "lb",
    "ln",  "lo",  "lt",  "lu",  "lv",  "mgh", "mk",  "mua", "nb",  "nds", "nl", "nmg", "nn",
    "nnh", "os",  "pl",  "pt",  "rn",  "ro",  "ru",  "rw",  "sah", "sc",  "se", "seh", "sg",
    "shi", "sk",  "sl",  "smn", "sq",  "sr",  "su",  "sv",  "tg",  "tk",  "tr", "tt",  "tzm",
    "uk",  "uz",  "vi",  "wae", "wo",  "yav", "yrl", "zgh"};

// Territories whose separator is not their language's.
constexpr std::array<std::string_view, 36> kTerritoryExceptions = {
    "ar_DZ", "ar_LY", "ar_MA", "ar_TN", "az_IR", "de_CH", "de_LI", "en_AT",  "en_BE",
    "en_DE", "en_DK", "en_FI", "en_NL", "en_SE", "en_SI", "en_ZA", "es_419", "es_BR",
    "es_BZ", "es_CU", "es_DO", "es_GT", "es_HN", "es_MX", "es_NI", "es_PA",  "es_PE",
    "es_PR", "es_SV", "es_US", "it_CH", "ms_BN", "ms_ID", "qu_BO", "sw_CD",  "uz_AF"};

using Alias = std::pair<std::string_view, std::string_view>;
constexpr std::array<Alias, 92> kAliases = {{
    {"afr", "af"}, {"alb", "sq"}, {"ara", "ar"}, {"arm", "hy"}, {"aze", "az"}, {"baq", "eu"},
    {"bel", "be"}, {"bos", "bs"}, {"bre", "br"}, {"bul", "bg"}, {"cat", "ca"}, {"ces", "cs"},
    {"cze", "cs"}, {"dan", "da"}, {"deu", "de"}, {"dut", "nl"}, {"ell", "el"}, {"eng", "en"},
    {"epo", "eo"}, {"est", "et"}, {"eus", "eu"}, {"fao", "fo"}, {"fin", "fi"}, {"fra", "fr"},
    {"fre", "fr"}, {"fry", "fy"}, {"ful", "ff"}, {"geo", "ka"}, {"ger", "de"}, {"glg", "gl"},
    {"gre", "el"}, {"hrv", "hr"}, {"hun", "hu"}, {"hye", "hy"}, {"ice", "is"}, {"in", "id"},
    {"ina", "ia"}, {"ind", "id"}, {"isl", "is"}, {"ita", "it"}, {"jav", "jv"}, {"kal", "kl"},
    {"kat", "ka"}, {"kaz", "kk"}, {"khm", "km"}, {"kin", "rw"}, {"kir", "ky"}, {"kur", "ku"},
    {"lao", "lo"}, {"lav", "lv"}, {"lin", "ln"}, {"lit", "lt"}, {"ltz", "lb"}, {"lub", "lu"},
    {"mac", "mk"}, {"may", "ms"}, {"mkd", "mk"}, {"mo", "ro"},  {"msa", "ms"}, {"nld", "nl"},
    {"nno", "nn"}, {"no", "nb"},  {"nob", "nb"}, {"oss", "os"}, {"pol", "pl"}, {"por", "pt"},
    {"que", "qu"}, {"ron", "ro"}, {"rum", "ro"}, {"run", "rn"}, {"rus", "ru"}, {"sag", "sg"},
    {"sh", "sr"},  {"slk", "sk"}, {"slo", "sk"}, {"slv", "sl"}, {"sme", "se"}, {"spa", "es"},
    {"sqi", "sq"}, {"srd", "sc"}, {"srp", "sr"}, {"sun", "su"}, {"swa", "sw"}, {"swe", "sv"},
    {"tat", "tt"}, {"tgk", "tg"}, {"tuk", "tk"}, {"tur", "tr"}, {"ukr", "uk"}, {"uzb", "uz"},
    {"vie", "vi"}, {"wol", "wo"},
}};

template <std::size_t N>
bool listed(const std::array<std::string_view, N>& sorted, std::string_view key) {
    return std::binary_search(sorted.begin(), sorted.end(), key);
}

std::string_view canonicalLanguage(std::string_view language) {
    auto it = std::lower_bound(kAliases.begin(), kAliases.end(), Alias{language, {}},
                               [](const Alias& a, const Alias& b) { return a.first < b.first; });
    return it != kAliases.end() && it->first == language ? it->second : language;
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

}  // namespace

char decimalSeparatorOfLocale(std::string_view name) {
    name = name.substr(0, name.find_first_of(".@"));
    auto cut = name.find_first_of("_-");
    std::string_view language = canonicalLanguage(name.substr(0, cut));
    std::string_view rest = cut == std::string_view::npos ? "" : name.substr(cut + 1);
    // a script ("sr_Latn_RS") does not change the separator
    if (rest.size() > 4 && (rest[4] == '_' || rest[4] == '-') && isLetter(rest[0]))
        rest.remove_prefix(5);
    bool comma = listed(kCommaLanguages, language);
    if (!rest.empty() &&
        listed(kTerritoryExceptions, std::string(language) + "_" + std::string(rest)))
        comma = !comma;
    return comma ? ',' : '.';
}

}  // namespace qorix::platform
