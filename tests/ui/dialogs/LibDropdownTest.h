#pragma once

#include <QObject>

namespace bw::test {

class LibDropdownTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void EntryTexts_StandForTheirValues_data();
    void EntryTexts_StandForTheirValues();
    void Fill_EveryTimeAllEntriesAndNoSelection();
    void AddDropdownItem_AppendsWithoutSelecting();
    void SelectPosition_RefusesPositionsTheListLacks_data();
    void SelectPosition_RefusesPositionsTheListLacks();
};

} // namespace bw::test
