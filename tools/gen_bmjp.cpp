// Writes the supplementary pinyin-initial table: every Chinese character of GBK
// that the built-in GB2312 level-one ranges do not answer, with the first letter
// of its Mandarin reading from ICU's Han-Latin transliterator.
//
//   g++ -std=c++20 -O2 tools/gen_bmjp.cpp $(pkg-config --cflags --libs icu-uc icu-i18n) \
//       -o /tmp/gen_bmjp && /tmp/gen_bmjp > resources/data/bm_jp.tsv
#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/unistr.h>
#include <unicode/uscript.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

// Level-one characters are answered without the table: first byte 0xB0-0xD7,
// second byte 0xA1-0xFE, and the number inside one of the letter ranges.
bool answeredByRanges(unsigned lead, unsigned trail) {
    const unsigned v = lead * 256 + trail;
    if (trail < 0xA1) {
        return false;
    }
    const bool inRanges = v >= 45217 && v <= 55289 && !(v >= 53641 && v <= 53688);
    return inRanges;
}

}  // namespace

int main() {
    UErrorCode status = U_ZERO_ERROR;
    UConverter* gbk = ucnv_open("GBK", &status);
    std::unique_ptr<icu::Transliterator> toLatin(
        icu::Transliterator::createInstance("Han-Latin; Latin-ASCII", UTRANS_FORWARD, status));
    if (U_FAILURE(status)) {
        std::fprintf(stderr, "ICU: %s\n", u_errorName(status));
        return 1;
    }
    int rows = 0;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F || answeredByRanges(lead, trail)) {
                continue;
            }
            const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            UChar out[4];
            status = U_ZERO_ERROR;
            const int32_t n = ucnv_toUChars(gbk, out, 4, bytes, 2, &status);
            if (U_FAILURE(status) || n != 1) {
                continue;
            }
            const UChar32 c = out[0];
            UErrorCode scriptStatus = U_ZERO_ERROR;
            if (uscript_getScript(c, &scriptStatus) != USCRIPT_HAN) {
                continue;
            }
            icu::UnicodeString reading(c);
            toLatin->transliterate(reading);
            std::string latin;
            reading.toUTF8String(latin);
            if (latin.empty() || latin[0] < 'a' || latin[0] > 'z') {
                continue;
            }
            std::string character;
            icu::UnicodeString(c).toUTF8String(character);
            std::printf("%s\t%c\n", character.c_str(), latin[0] - 'a' + 'A');
            ++rows;
        }
    }
    ucnv_close(gbk);
    std::fprintf(stderr, "%d characters\n", rows);
    return 0;
}
