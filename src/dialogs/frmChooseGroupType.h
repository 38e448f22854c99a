#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;

namespace bw {

class ShowEditorHost;

// "Interactive Group -- Choose a type": asks for the type of a new interactive group; OK opens
// the group editor for a new group of that type over the chooser's owner.
class frmChooseGroupType : public QDialog {
    Q_OBJECT
public:
    explicit frmChooseGroupType(ShowEditorHost& host, QWidget* parent = nullptr);

    // Jukebox on, Soundboard and Magic Toy off; a new chooser starts so.
    void SelectJukebox();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void SetTypeTexts();

    void OKButton_Click();

    ShowEditorHost& host_;

    QLabel* Label4_ = nullptr;
    QPushButton* OKButton_ = nullptr;
    QPushButton* CancelButton_ = nullptr;
    QRadioButton* opNonIndependentNonInterruptible_ = nullptr;
    QLabel* lblNonIndependentNonInterruptible_ = nullptr;
    QRadioButton* opNonIndependentInterruptible_ = nullptr;
    QLabel* lblNonIndependentInterruptible_ = nullptr;
    QRadioButton* opIndependentInterruptible_ = nullptr;
    QLabel* lblIndependentInterruptible_ = nullptr;
};

} // namespace bw
