#pragma once

#include "model/InteractiveGroup.h"
#include "model/TriggeredSequences.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace bw {

class SequenceFileTree;
class ShowEditorHost;

// "Triggered Sequence Editor": one trigger, picked from the three lists and named, with the
// sequence files that it starts. OK writes into TS itself; a new TS is then appended to the
// group.
class frmTriggeredSequenceEditor : public QDialog {
    Q_OBJECT
public:
    explicit frmTriggeredSequenceEditor(ShowEditorHost& host, QWidget* parent = nullptr);

    // The triggered sequence that OK writes into; never copied.
    const TriggeredSequencesPtr& TS() const { return TS_; }
    void SetTS(TriggeredSequencesPtr triggeredSequences) { TS_ = std::move(triggeredSequences); }
    // False: TS is new, and OK appends it to the group.
    bool EditMode() const { return EditMode_; }
    void SetEditMode(bool editMode) { EditMode_ = editMode; }
    // The group being edited (the group editor's working group): it decides whether musical
    // sequences may be chosen and receives a new TS on OK.
    const InteractiveGroupPtr& IG() const { return IG_; }
    void SetIG(InteractiveGroupPtr group) { IG_ = std::move(group); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void SetTabOrder();
    void Form_Load();
    void Form_Activate();

    // The trigger values that the lists stand for; a list without a selection stands for the
    // value the trigger had when the dialog opened.
    int NetworkValue() const;
    int UnitIdValue() const;
    int InputNumberValue() const;
    void TriggerList_Click(QComboBox* list);

    void AddEntry(const QString& fileName);
    void AddEntries(const QStringList& files);
    // The open dialog's filter: the kinds of sequence that the group takes.
    QString SequenceFilter() const;
    void SetUpKeysAndDrops();
    // Appends the dropped files of the kinds the group takes; names the others in a message.
    void DropFiles(const QStringList& files);
    void Refresh();
    void SetButtons();
    int SelectedPosition() const;
    void MoveSelectedEntry(int offset);

    void btAdd_Click();
    void btRemove_Click();
    void btOK_Click();

    ShowEditorHost& host_;
    TriggeredSequencesPtr TS_;
    InteractiveGroupPtr IG_;
    bool EditMode_ = false;
    bool activated_ = false;

    int rememberedNetwork_ = 0;
    int rememberedUnitId_ = 1;
    int rememberedInputNumber_ = 1;
    int originalNetwork_ = 0;
    int originalUnitId_ = 1;
    int originalInputNumber_ = 1;

    QGroupBox* frmTrigger_ = nullptr;
    QLabel* lblNetwork_ = nullptr;
    QComboBox* cmbNetwork_ = nullptr;
    QLabel* Label1_ = nullptr;
    QComboBox* cmbUnit_ = nullptr;
    QLabel* Label2_ = nullptr;
    QComboBox* cmbInputNumber_ = nullptr;
    QLabel* Label3_ = nullptr;
    QLineEdit* txtName_ = nullptr;
    QGroupBox* frmSequence_ = nullptr;
    SequenceFileTree* lvSequences_ = nullptr;
    QPushButton* btAdd_ = nullptr;
    QPushButton* btRemove_ = nullptr;
    QPushButton* btUp_ = nullptr;
    QPushButton* btDown_ = nullptr;
    QPushButton* btOK_ = nullptr;
    QPushButton* btCancel_ = nullptr;
};

} // namespace bw
