#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

// Searches for the few characters that give a list text its structure, sixteen bytes at a time
// where the processor has SSE2: the readers look for the next of two or three characters many
// times over short distances, where a call of memchr per character costs more than the search.
namespace bw::Serialize::ByteSearch {

#if defined(__SSE2__) || defined(_M_X64)
inline constexpr bool SixteenAtOnce = true;

// One bit for each of the 16 bytes at `at` that is one of `wanted`, the first byte in bit 0.
template <char... Wanted> unsigned Matches(const char* at) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    __m128i any = _mm_setzero_si128();
    ((any = _mm_or_si128(any, _mm_cmpeq_epi8(bytes, _mm_set1_epi8(Wanted)))), ...);
    return static_cast<unsigned>(_mm_movemask_epi8(any));
}
#else
inline constexpr bool SixteenAtOnce = false;
template <char... Wanted> unsigned Matches(const char*) {
    return 0;
}
#endif

// Position of the first of `wanted` at or after `from`, or npos.
template <char... Wanted> size_t FindFirstOf(std::string_view text, size_t from) {
    if constexpr (SixteenAtOnce) {
        for (; from + 16 <= text.size(); from += 16)
            if (const unsigned found = Matches<Wanted...>(text.data() + from))
                return from + static_cast<size_t>(std::countr_zero(found));
    }
    for (; from < text.size(); ++from)
        if (((text[from] == Wanted) || ...))
            return from;
    return std::string_view::npos;
}

// The number of `counted` in `text`, or nothing when it holds any of `refused`: one pass for both.
template <char Counted, char... Refused>
std::optional<size_t> CountUnlessAny(std::string_view text) {
    size_t count = 0;
    bool refused = false;
    size_t i = 0;
#if defined(__SSE2__) || defined(_M_X64)
    // Each byte of `perByte` counts the matches at its place, for at most 255 blocks, before
    // the bytes are added up.
    const __m128i zero = _mm_setzero_si128();
    __m128i sums = zero;
    __m128i anyRefused = zero;
    while (i + 16 <= text.size()) {
        __m128i perByte = zero;
        for (int blocks = 0; blocks < 255 && i + 16 <= text.size(); ++blocks, i += 16) {
            const __m128i bytes =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
            perByte = _mm_sub_epi8(perByte, _mm_cmpeq_epi8(bytes, _mm_set1_epi8(Counted)));
            ((anyRefused = _mm_or_si128(anyRefused, _mm_cmpeq_epi8(bytes, _mm_set1_epi8(Refused)))),
             ...);
        }
        sums = _mm_add_epi64(sums, _mm_sad_epu8(perByte, zero));
    }
    std::uint64_t halves[2];
    _mm_storeu_si128(reinterpret_cast<__m128i*>(halves), sums);
    count = static_cast<size_t>(halves[0] + halves[1]);
    refused = _mm_movemask_epi8(anyRefused) != 0;
#endif
    for (; i < text.size(); ++i) {
        count += text[i] == Counted;
        refused |= ((text[i] == Refused) || ...);
    }
    if (refused)
        return std::nullopt;
    return count;
}

} // namespace bw::Serialize::ByteSearch
