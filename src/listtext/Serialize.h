#pragma once

#include "listtext/DateTime.h"
#include "listtext/ElementArray.h"

#include <climits>
#include <concepts>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// The nested list text in which every model object is stored: "(a,b,(c,d))", with scalar
// elements escaped so that they never hold a parenthesis or a comma.
namespace bw::Serialize {

inline constexpr const char* ListErrorSource = "Serialize.ListFromText";

// Joins element texts verbatim: "(" elements separated by "," ")". No elements give "()".
std::string ListToText(std::initializer_list<std::string_view> elements);
std::string ListToText(const std::vector<std::string>& elements);

// Splits a list text into its top-level element texts, not unescaped and not trimmed, nested lists
// with their parentheses. Text before the first "(" and after the last ")" is ignored; a text with
// neither gives no elements. Raises list errors 1 to 4 (source ListErrorSource) for unbalanced
// texts. The result holds views into `text`.
//
// Readers that use only the first few elements pass `maxElements`: the whole text is still
// checked, but elements beyond that many are not kept, so that a text of millions of elements
// costs no memory for them.
ElementArray ListFromText(std::string_view text, int lowerBound, int maxElements = INT_MAX);
// The elements would point into a string that is gone by the time they are read.
template <typename Text>
requires std::same_as<std::remove_cvref_t<Text>, std::string> && std::is_rvalue_reference_v<Text&&>
    ElementArray ListFromText(Text&& text, int lowerBound, int maxElements = INT_MAX)
= delete;

// The elements of a list of escaped scalars, unescaped: the same as UnescapeText of each element of
// ListFromText(text, 1), with the same errors, without an array of views in between.
std::vector<std::string> UnescapedListFromText(std::string_view text);

std::string EscapeText(std::string_view text);
std::string UnescapeText(std::string_view text);

std::string BoolToText(bool value);
// True exactly for "T" or "t" after unescaping.
bool BoolFromText(std::string_view text);

// The padded integer form: " 5", " 0", "-12".
std::string IntToText(int value);
// Reads a decimal number with blanks around it, rounded down. Raises type mismatch for anything
// that is not a number (the empty text included) and overflow outside 32 bits.
int IntFromText(std::string_view text);

std::string DateToText(DateTime value);
// Reads "yyyy-mm-dd hh:mm:ss", "yyyy-mm-dd hh:mm" or a date alone; raises type mismatch otherwise.
DateTime DateFromText(std::string_view text);

} // namespace bw::Serialize
