#pragma once

#include "model/Show.h"

#include <QDialog>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace bw {

class ShowEditorHost;

// "Show Options": how the show starts, the trigger that starts it and when its sequences are
// loaded. The controls are the only working state; OK writes them into the show.
class frmOptions : public QDialog {
    Q_OBJECT
public:
    explicit frmOptions(ShowEditorHost& host, QWidget* parent = nullptr);
    ~frmOptions() override;

    // Stores the show and loads the controls from it; no show disables the startup choices.
    void SetShow(ShowPtr show);

private:
    void CreateControls();
    void SetTabOrder();
    void LoadFromShow();
    void UpdateEnabling();
    void WriteToShow();

    void cmdOK_Click();

    ShowEditorHost& host_;
    ShowPtr show_;

    QGroupBox* frameStartupType_ = nullptr;
    std::array<QRadioButton*, 3> optStartupType_{};
    QGroupBox* frameStartupTrigger_ = nullptr;
    QLabel* lblStartupTriggerNetwork_ = nullptr;
    QComboBox* cmbStartupTriggerNetwork_ = nullptr;
    QLabel* lblStartupTriggerUnitID_ = nullptr;
    QComboBox* cmbStartupTriggerUnitID_ = nullptr;
    QLabel* lblStartupTriggerInputNumber_ = nullptr;
    QComboBox* cmbStartupTriggerInputNumber_ = nullptr;
    QGroupBox* frameSequenceLoading_ = nullptr;
    std::array<QRadioButton*, 2> optSequenceLoading_{};
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};

} // namespace bw
