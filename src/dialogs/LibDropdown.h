#pragma once

#include <QStringList>

class QComboBox;

// The three drop-down lists from which a trigger is picked: network, unit id and input number.
// A list's value is the position of its selected entry, or -1 when nothing is selected.
namespace bw::LibDropdown {

inline constexpr int NetworkCount = 4;
inline constexpr int UnitIdCount = 240;
inline constexpr int InputNumberCount = 512;

// Appends the text as the list's new last entry without selecting it.
void AddDropdownItem(QComboBox& list, const QString& text);
// Appends all texts, in order, with one call of the list; selects nothing.
void AddDropdownItems(QComboBox& list, const QStringList& texts);

// "Regular", "Aux A", "Aux B", "Aux C": position = network.
const QStringList& NetworkTexts();
// "01" to "F0": position = unit id - 1.
const QStringList& UnitIdTexts();
// "1" to "512": position = input number - 1.
const QStringList& InputNumberTexts();

// Replaces all entries of the list with the texts, in one step; selects nothing.
void SetDropdownItems(QComboBox& list, const QStringList& texts);

// Empties the unit id and input number lists and fills them afresh, each in one step; nothing is
// selected afterwards.
void FillUnitAndInputLists(QComboBox& unitList, QComboBox& inputList);

// Selects the entry at `position`, or nothing for -1. A position that the list does not have
// leaves the list as it was and returns false.
bool SelectPosition(QComboBox& list, int position);

} // namespace bw::LibDropdown
