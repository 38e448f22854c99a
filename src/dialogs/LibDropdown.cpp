#include "dialogs/LibDropdown.h"

#include "model/SequenceUtils.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QStringListModel>

namespace bw::LibDropdown {

namespace {

QStringList MakeUnitIdTexts() {
    QStringList texts;
    texts.reserve(UnitIdCount);
    for (int unitId = 1; unitId <= UnitIdCount; ++unitId)
        texts << QString::fromStdString(
            SequenceUtils::UnitIdText(1, true, static_cast<std::uint8_t>(unitId)));
    return texts;
}

QStringList MakeInputNumberTexts() {
    QStringList texts;
    texts.reserve(InputNumberCount);
    for (int inputNumber = 1; inputNumber <= InputNumberCount; ++inputNumber)
        texts << QString::number(inputNumber);
    return texts;
}

QStringList MakeNetworkTexts() {
    QStringList texts;
    for (int network = 0; network < NetworkCount; ++network)
        texts << QString::fromStdString(SequenceUtils::NetworkName(network));
    return texts;
}

// A combo box selects its first entry by itself when entries arrive in an empty list; the
// trigger lists start without a selection, and filling is no change of selection.
void AppendWithoutSelecting(QComboBox& list, const QStringList& texts) {
    const QSignalBlocker blocker(list);
    const int selected = list.currentIndex();
    list.addItems(texts);
    list.setCurrentIndex(selected);
}

} // namespace

void AddDropdownItem(QComboBox& list, const QString& text) {
    AppendWithoutSelecting(list, QStringList{text});
}

void AddDropdownItems(QComboBox& list, const QStringList& texts) {
    AppendWithoutSelecting(list, texts);
}

const QStringList& NetworkTexts() {
    static const QStringList texts = MakeNetworkTexts();
    return texts;
}

const QStringList& UnitIdTexts() {
    static const QStringList texts = MakeUnitIdTexts();
    return texts;
}

const QStringList& InputNumberTexts() {
    static const QStringList texts = MakeInputNumberTexts();
    return texts;
}

// Each list takes all its texts in one step, as a model over the prepared text list: no entry
// becomes an object of its own, so a fill costs next to nothing however long the list is.
void FillUnitAndInputLists(QComboBox& unitList, QComboBox& inputList) {
    SetDropdownItems(unitList, UnitIdTexts());
    SetDropdownItems(inputList, InputNumberTexts());
}

void SetDropdownItems(QComboBox& list, const QStringList& texts) {
    const QSignalBlocker blocker(list);
    list.setModel(new QStringListModel(texts, &list));
    list.setCurrentIndex(-1);
}

bool SelectPosition(QComboBox& list, int position) {
    if (position < -1 || position >= list.count())
        return false;
    list.setCurrentIndex(position);
    return true;
}

} // namespace bw::LibDropdown
