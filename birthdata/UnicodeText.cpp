#include "birthdata/UnicodeText.h"

#include <unicode/unorm2.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <vector>

namespace zodiora {

namespace {

using Utf16 = std::vector<UChar>;

bool ToUtf16(std::string_view text, Utf16& out)
{
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    u_strFromUTF8(nullptr, 0, &length, text.data(), static_cast<int32_t>(text.size()), &status);
    if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status)) return false;
    out.assign(static_cast<std::size_t>(length) + 1, 0);
    status = U_ZERO_ERROR;
    u_strFromUTF8(out.data(), static_cast<int32_t>(out.size()), &length, text.data(),
                  static_cast<int32_t>(text.size()), &status);
    out.resize(static_cast<std::size_t>(length));
    return U_SUCCESS(status);
}

std::string ToUtf8(const Utf16& text)
{
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    u_strToUTF8(nullptr, 0, &length, text.data(), static_cast<int32_t>(text.size()), &status);
    std::string out(static_cast<std::size_t>(length) + 1, '\0');
    status = U_ZERO_ERROR;
    u_strToUTF8(out.data(), static_cast<int32_t>(out.size()), &length, text.data(),
                static_cast<int32_t>(text.size()), &status);
    out.resize(U_SUCCESS(status) ? static_cast<std::size_t>(length) : 0);
    return out;
}

// Either ICU call below, which answers the length it needs when `capacity` is short.
template <typename Call>
bool Transformed(const Utf16& in, Utf16& out, Call call)
{
    out.assign(in.size() * 3 + 8, 0);
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = call(in, out, status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        out.assign(static_cast<std::size_t>(length), 0);
        status = U_ZERO_ERROR;
        length = call(in, out, status);
    }
    if (U_FAILURE(status)) return false;
    out.resize(static_cast<std::size_t>(length));
    return true;
}

bool Composed(const Utf16& in, Utf16& out)
{
    UErrorCode status = U_ZERO_ERROR;
    const UNormalizer2* nfc = unorm2_getNFCInstance(&status);
    if (U_FAILURE(status)) return false;
    return Transformed(in, out, [nfc](const Utf16& from, Utf16& to, UErrorCode& error) {
        return unorm2_normalize(nfc, from.data(), static_cast<int32_t>(from.size()), to.data(),
                                static_cast<int32_t>(to.size()), &error);
    });
}

bool IsAscii(std::string_view text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

}  // namespace

std::string ComposedText(std::string_view text)
{
    if (IsAscii(text)) return std::string(text);  // already composed: the common case, without ICU
    Utf16 wide;
    Utf16 composed;
    if (!ToUtf16(text, wide) || !Composed(wide, composed)) return std::string(text);
    return ToUtf8(composed);
}

std::string FoldedText(std::string_view text)
{
    if (IsAscii(text)) {
        std::string folded(text);
        for (char& c : folded) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        return folded;
    }
    Utf16 wide;
    Utf16 composed;
    Utf16 folded;
    if (!ToUtf16(text, wide) || !Composed(wide, composed)) return std::string(text);
    const bool done = Transformed(composed, folded, [](const Utf16& from, Utf16& to, UErrorCode& error) {
        return u_strFoldCase(to.data(), static_cast<int32_t>(to.size()), from.data(), static_cast<int32_t>(from.size()),
                             U_FOLD_CASE_DEFAULT, &error);
    });
    // Folding can decompose ("ǰ" folds to j and a combining caron): compose again.
    if (!done || !Composed(folded, composed)) return std::string(text);
    return ToUtf8(composed);
}

bool ContainsFolded(std::string_view text, std::string_view search)
{
    if (search.empty()) return true;
    if (IsAscii(text) && IsAscii(search)) {
        // Most rows and searches: ASCII folding is its lower case, compared in place.
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        const auto same = [&](char a, char b) { return lower(a) == lower(b); };
        return std::search(text.begin(), text.end(), search.begin(), search.end(), same) != text.end();
    }
    return FoldedText(text).find(FoldedText(search)) != std::string::npos;
}

}  // namespace zodiora
