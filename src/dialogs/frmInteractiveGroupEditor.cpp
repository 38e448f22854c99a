#include "dialogs/frmInteractiveGroupEditor.h"

#include "dialogs/ShowEditorHost.h"
#include "dialogs/frmTriggeredSequenceEditor.h"
#include "document/QtText.h"
#include "model/TriggerFunctions.h"
#include "widgets/FormControls.h"
#include "widgets/ListKeyCommands.h"
#include "widgets/UserPrompts.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>

#include <algorithm>
#include <exception>
#include <memory>

namespace bw {

namespace {

QString Text(const std::string& text) {
    return QtText::FromBytes(text);
}

// The group type texts break their paragraphs with CR LF; a label wants a plain line feed.
QString LabelText(const std::string& text) {
    return Text(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QRect NameLabelPlace() {
    return TwipRect(120, 180, 1935, 255);
}

QRect NameBoxPlace() {
    return TwipRect(2160, 135, 5415, 315);
}

} // namespace

frmInteractiveGroupEditor::frmInteractiveGroupEditor(ShowEditorHost& host, QWidget* parent)
    : QDialog(parent), host_(host), IG_(std::make_shared<InteractiveGroup>()),
      OldIG_(std::make_shared<InteractiveGroup>()) {
    UseFormLook(*this);
    CreateControls();
    SetTabOrder();
    setFixedSize(TwipsToPixels(7740), TwipsToPixels(6195));
    new ListKeyCommands(*lbTrigger_, {btRemove_, btEdit_, nullptr, nullptr});

    connect(lbTrigger_, &QListWidget::itemSelectionChanged, this,
            &frmInteractiveGroupEditor::lbTrigger_Click);
    connect(txtName_, &QLineEdit::textChanged, this, &frmInteractiveGroupEditor::txtName_Change);
    connect(btAdd_, &QPushButton::clicked, this, &frmInteractiveGroupEditor::btAdd_Click);
    connect(btEdit_, &QPushButton::clicked, this, &frmInteractiveGroupEditor::btEdit_Click);
    connect(btRemove_, &QPushButton::clicked, this, &frmInteractiveGroupEditor::btRemove_Click);
    connect(btOK_, &QPushButton::clicked, this, &frmInteractiveGroupEditor::btOK_Click);
    connect(btCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void frmInteractiveGroupEditor::CreateControls() {
    Frame2_ = AddControl<QFrame>(this, "Frame2", TwipRect(0, 0, 7740, 600));
    lblName_ = AddControl<QLabel>(Frame2_, "lblName", NameLabelPlace());
    txtName_ = AddControl<QLineEdit>(Frame2_, "txtName", NameBoxPlace());
    lblName_->setBuddy(txtName_);

    lbTrigger_ = AddControl<QListWidget>(this, "lbTrigger", TwipRect(120, 720, 3255, 4815));
    lbTrigger_->setSelectionMode(QAbstractItemView::SingleSelection);

    frameListEditor_ = AddControl<QFrame>(this, "frameListEditor", TwipRect(3480, 720, 855, 2535));
    btAdd_ = AddPictureButton(frameListEditor_, "btAdd", TwipRect(120, 0, 615, 495),
                              QStringLiteral("Add"), QStringLiteral("Add a sequence"));
    btRemove_ = AddPictureButton(frameListEditor_, "btRemove", TwipRect(120, 640, 615, 495),
                                 QStringLiteral("Remove"), QStringLiteral("Remove a sequence"));
    btUp_ = AddPictureButton(frameListEditor_, "btUp", TwipRect(120, 1280, 615, 495),
                             QStringLiteral("Up"), QStringLiteral("Move sequence up"));
    btEdit_ = AddControl<QPushButton>(frameListEditor_, "btEdit", TwipRect(120, 1280, 615, 495));
    btEdit_->setText(QStringLiteral("&Edit"));
    btDown_ = AddPictureButton(frameListEditor_, "btDown", TwipRect(120, 1920, 615, 495),
                               QStringLiteral("Down"), QStringLiteral("Move sequence down"));

    frameInstructions_ =
        AddControl<QFrame>(this, "frameInstructions", TwipRect(4440, 720, 3180, 4815));
    lblTabDescription_ =
        AddControl<QLabel>(frameInstructions_, "lblTabDescription", TwipRect(0, 0, 3180, 255));
    QFont bold = lblTabDescription_->font();
    bold.setBold(true);
    lblTabDescription_->setFont(bold);
    lblTabInstructions_ =
        AddControl<QLabel>(frameInstructions_, "lblTabInstructions", TwipRect(0, 360, 3180, 4455));
    lblTabInstructions_->setWordWrap(true);
    lblTabInstructions_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    btOK_ = AddControl<QPushButton>(this, "btOK", TwipRect(5280, 5700, 1095, 375));
    btOK_->setText(QStringLiteral("OK"));
    btOK_->setDefault(true);
    btCancel_ = AddControl<QPushButton>(this, "btCancel", TwipRect(6480, 5700, 1095, 375));
    btCancel_->setText(QStringLiteral("Cancel"));
}

void frmInteractiveGroupEditor::SetTabOrder() {
    SetTabChain({txtName_, lbTrigger_, btAdd_, btRemove_, btEdit_, btOK_, btCancel_});
}

// Each opening loads once; the show events of a restored window do not count.
void frmInteractiveGroupEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous() || loaded_)
        return;
    loaded_ = true;
    Form_Load();
    Form_Activate();
}

void frmInteractiveGroupEditor::done(int result) {
    loaded_ = false;
    QDialog::done(result);
}

// An existing group is edited as a copy of its own, so that Cancel leaves the show's group as
// it was, whatever happened inside.
void frmInteractiveGroupEditor::Form_Load() {
    selectedPosition_ = -1;
    if (EditMode_) {
        IG_ = std::make_shared<InteractiveGroup>();
        IG_->Copy(*OldIG_);
    }
}

// Also runs when the triggered sequence editor has closed and this dialog is active again.
void frmInteractiveGroupEditor::Form_Activate() {
    PopulateListboxes();
    SetButtons();
    const QString typeName = Text(IG_->TypeName());
    setWindowTitle(QStringLiteral("Interactive Group - ") + typeName);
    lblTabDescription_->setText(typeName);
    lblTabInstructions_->setText(LabelText(IG_->TypeDesc()));
    lblName_->setText(typeName + QStringLiteral(" &Name"));
    FitNameLabel();
    txtName_->setText(Text(IG_->Name()));
}

// The name label keeps its place for the short type names; a longer one widens it, and the text
// box beside it gives up the room, so that the caption is never cut off.
void frmInteractiveGroupEditor::FitNameLabel() {
    const QRect labelPlace = NameLabelPlace();
    const QRect boxPlace = NameBoxPlace();
    lblName_->setGeometry(labelPlace);
    FitLabelWidth(*lblName_);
    const int gap = boxPlace.left() - labelPlace.right();
    const int left = std::max(boxPlace.left(), lblName_->geometry().right() + gap);
    txtName_->setGeometry(left, boxPlace.top(), boxPlace.right() + 1 - left, boxPlace.height());
}

void frmInteractiveGroupEditor::PopulateListboxes() {
    const QSignalBlocker blocker(lbTrigger_);
    QStringList names;
    names.reserve(IG_->Count());
    for (int position = 0; position < IG_->Count(); ++position) {
        const TriggerPtr& trigger = IG_->GetTriggeredSequences(position)->Trig();
        names << (trigger ? Text(trigger->Name()) : QString());
    }
    lbTrigger_->clear();
    lbTrigger_->addItems(names);
    if (selectedPosition_ >= 0 && selectedPosition_ < lbTrigger_->count())
        lbTrigger_->setCurrentRow(selectedPosition_, QItemSelectionModel::ClearAndSelect);
    else
        lbTrigger_->clearSelection();
}

// Moving entries is not offered in a group: their order means nothing when the group plays.
void frmInteractiveGroupEditor::SetButtons() {
    btUp_->setEnabled(false);
    btUp_->setVisible(false);
    btDown_->setEnabled(false);
    btDown_->setVisible(false);
    btAdd_->setEnabled(true);
    const bool selected = selectedPosition_ >= 0;
    btRemove_->setEnabled(selected);
    btEdit_->setEnabled(selected);
}

void frmInteractiveGroupEditor::lbTrigger_Click() {
    const QList<QListWidgetItem*> selected = lbTrigger_->selectedItems();
    selectedPosition_ = selected.isEmpty() ? -1 : lbTrigger_->row(selected.constFirst());
    SetButtons();
}

void frmInteractiveGroupEditor::txtName_Change() {
    IG_->SetName(QtText::ToBytes(txtName_->text()));
}

void frmInteractiveGroupEditor::btAdd_Click() {
    auto trigger = std::make_shared<Trigger>();
    trigger->SetNetwork(0);
    trigger->SetInputNumber(1);
    trigger->SetUnitId(1);
    trigger->SetName(TriggerFunctions::TriggerDisplayName(0, 1, 1));
    auto triggeredSequences = std::make_shared<TriggeredSequences>();
    triggeredSequences->SetTrig(std::move(trigger));

    frmTriggeredSequenceEditor editor(host_, this);
    editor.SetIG(IG_);
    editor.SetTS(std::move(triggeredSequences));
    editor.SetEditMode(false);
    editor.exec();
    Form_Activate();
}

void frmInteractiveGroupEditor::btEdit_Click() {
    if (selectedPosition_ < 0 || selectedPosition_ >= IG_->Count())
        return;
    frmTriggeredSequenceEditor editor(host_, this);
    editor.SetIG(IG_);
    editor.SetTS(IG_->GetTriggeredSequences(selectedPosition_));
    editor.SetEditMode(true);
    editor.exec();
    Form_Activate();
}

void frmInteractiveGroupEditor::btRemove_Click() {
    try {
        const QString question = QStringLiteral("Remove this triggered sequence from the ") +
                                 Text(IG_->TypeName()) + QStringLiteral("?");
        if (host_.Prompts().Question(this, question, QStringLiteral("Remove triggered sequence"))) {
            if (selectedPosition_ >= 0 && selectedPosition_ < IG_->Count())
                IG_->DeleteTriggeredSequence(selectedPosition_);
            selectedPosition_ = -1;
        }
        PopulateListboxes();
        SetButtons();
    } catch (const std::exception&) {
        // Removing ends silently when anything goes wrong; the list shows what was done.
    }
}

QString frmInteractiveGroupEditor::ValidationMessage() const {
    const QString typeName = Text(IG_->TypeName());
    if (IG_->Name().empty())
        return QStringLiteral("You must supply a name for this ") + typeName;
    if (IG_->Count() < 1)
        return QStringLiteral("You must put at least one trigger into this group.");

    for (int i = 0; i + 1 < IG_->Count(); ++i) {
        const TriggerPtr& first = IG_->GetTriggeredSequences(i)->Trig();
        for (int j = i + 1; j < IG_->Count() && first; ++j) {
            const TriggerPtr& second = IG_->GetTriggeredSequences(j)->Trig();
            if (!first->Equals(second))
                continue;
            const QString firstName = Text(first->Name());
            const QString secondName = Text(second->Name());
            const QString which =
                firstName != secondName
                    ? QStringLiteral("Triggers '%1' and '%2' are identical. ")
                          .arg(firstName, secondName)
                    : QStringLiteral("Trigger '%1' appears more than once. ").arg(firstName);
            return which + QStringLiteral("Triggers may only appear once each in a ") + typeName +
                   QStringLiteral(".");
        }
    }
    return {};
}

void frmInteractiveGroupEditor::btOK_Click() {
    const QString message = ValidationMessage();
    if (!message.isEmpty()) {
        host_.Prompts().Message(this, message, QStringLiteral("Triggered Sequence Not Valid"),
                                UserPrompts::Icon::None);
        return;
    }

    if (EditMode_) {
        OldIG_->Copy(*IG_);
    } else if (const ShowPtr show = host_.MyShow()) {
        show->InteractiveGroups()->push_back(IG_);
    }
    host_.SetUnsavedInfo();
    host_.PopulateListboxWithInteractive();
    accept();
}

} // namespace bw
