#pragma once

#include "model/InteractiveGroup.h"

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace bw {

class ShowEditorHost;

// "Interactive Group - <type>": names a group and edits its triggered sequences. The dialog
// works on a group of its own and hands it to the show only on OK: a new group is appended to
// the show's groups; an existing one (edit mode) is edited as a deep copy and copied back.
class frmInteractiveGroupEditor : public QDialog {
    Q_OBJECT
public:
    explicit frmInteractiveGroupEditor(ShowEditorHost& host, QWidget* parent = nullptr);

    // The working group. A new group is given here; in edit mode the dialog makes it itself, as
    // a copy of OldIG, when it opens.
    const InteractiveGroupPtr& IG() const { return IG_; }
    void SetIG(InteractiveGroupPtr group) { IG_ = std::move(group); }
    // Edit mode: the show's group, which receives the working group's content on OK.
    const InteractiveGroupPtr& OldIG() const { return OldIG_; }
    void SetOldIG(InteractiveGroupPtr group) { OldIG_ = std::move(group); }
    bool EditMode() const { return EditMode_; }
    void SetEditMode(bool editMode) { EditMode_ = editMode; }

    // Refills the trigger list from the working group and keeps the selected position.
    void PopulateListboxes();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void CreateControls();
    void SetTabOrder();
    void Form_Load();
    void Form_Activate();
    void FitNameLabel();
    void SetButtons();
    // The message for the first check of OK that fails; empty when the group is valid.
    QString ValidationMessage() const;

    void lbTrigger_Click();
    void txtName_Change();
    void btAdd_Click();
    void btEdit_Click();
    void btRemove_Click();
    void btOK_Click();

    ShowEditorHost& host_;
    InteractiveGroupPtr IG_;
    InteractiveGroupPtr OldIG_;
    bool EditMode_ = false;
    int selectedPosition_ = -1;
    bool loaded_ = false;

    QFrame* Frame2_ = nullptr;
    QLabel* lblName_ = nullptr;
    QLineEdit* txtName_ = nullptr;
    QListWidget* lbTrigger_ = nullptr;
    QFrame* frameListEditor_ = nullptr;
    QPushButton* btAdd_ = nullptr;
    QPushButton* btRemove_ = nullptr;
    QPushButton* btEdit_ = nullptr;
    QPushButton* btUp_ = nullptr;
    QPushButton* btDown_ = nullptr;
    QFrame* frameInstructions_ = nullptr;
    QLabel* lblTabDescription_ = nullptr;
    QLabel* lblTabInstructions_ = nullptr;
    QPushButton* btOK_ = nullptr;
    QPushButton* btCancel_ = nullptr;
};

} // namespace bw
