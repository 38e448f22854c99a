#include "dialogs/frmTriggeredSequenceEditor.h"

#include "dialogs/LibDropdown.h"
#include "dialogs/SequenceFileTree.h"
#include "dialogs/ShowEditorHost.h"
#include "document/QtText.h"
#include "environment/LibFile.h"
#include "environment/PathText.h"
#include "model/TriggerFunctions.h"
#include "widgets/FormControls.h"
#include "widgets/LibListView.h"
#include "widgets/ListKeyCommands.h"
#include "widgets/MissingFileMark.h"
#include "widgets/SequenceFileFilter.h"
#include "widgets/UserPrompts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTreeWidget>

#include <exception>
#include <memory>

namespace bw {

namespace {

enum Column { FileColumn = 0, LocationColumn = 1 };

QString Text(const std::string& text) {
    return QtText::FromBytes(text);
}

QLabel* AddListLabel(QWidget* parent, const char* objectName, const QRect& place,
                     const QString& caption, QWidget* buddy) {
    auto* label = AddControl<QLabel>(parent, objectName, place);
    label->setText(caption);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setBuddy(buddy);
    FitLabelWidth(*label);
    return label;
}

// The entry's path: Location followed by File.
std::string EntryPath(const QTreeWidgetItem& entry) {
    return QtText::ToBytes(entry.text(LocationColumn) + entry.text(FileColumn));
}

} // namespace

frmTriggeredSequenceEditor::frmTriggeredSequenceEditor(ShowEditorHost& host, QWidget* parent)
    : QDialog(parent), host_(host) {
    setWindowTitle(QStringLiteral("Triggered Sequence Editor"));
    UseFormLook(*this);
    CreateControls();
    SetTabOrder();
    setFixedSize(TwipsToPixels(7935), TwipsToPixels(5535));
    Form_Load();
    SetUpKeysAndDrops();

    for (QComboBox* list : {cmbNetwork_, cmbUnit_, cmbInputNumber_})
        connect(list, &QComboBox::currentIndexChanged, this,
                [this, list] { TriggerList_Click(list); });
    connect(lvSequences_, &QTreeWidget::itemSelectionChanged, this,
            &frmTriggeredSequenceEditor::SetButtons);
    connect(btAdd_, &QPushButton::clicked, this, &frmTriggeredSequenceEditor::btAdd_Click);
    connect(btRemove_, &QPushButton::clicked, this, &frmTriggeredSequenceEditor::btRemove_Click);
    connect(btUp_, &QPushButton::clicked, this, [this] { MoveSelectedEntry(-1); });
    connect(btDown_, &QPushButton::clicked, this, [this] { MoveSelectedEntry(+1); });
    connect(btOK_, &QPushButton::clicked, this, &frmTriggeredSequenceEditor::btOK_Click);
    connect(btCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void frmTriggeredSequenceEditor::CreateControls() {
    frmTrigger_ = AddControl<CaptionFrame>(this, "frmTrigger", TwipRect(120, 120, 7695, 975));
    frmTrigger_->setTitle(QStringLiteral("Trigger"));
    cmbNetwork_ = AddControl<QComboBox>(frmTrigger_, "cmbNetwork", TwipRect(120, 480, 1095, 315));
    cmbUnit_ = AddControl<QComboBox>(frmTrigger_, "cmbUnit", TwipRect(1320, 480, 735, 315));
    cmbInputNumber_ =
        AddControl<QComboBox>(frmTrigger_, "cmbInputNumber", TwipRect(2160, 480, 975, 315));
    txtName_ = AddControl<QLineEdit>(frmTrigger_, "txtName", TwipRect(3480, 480, 4095, 315));
    lblNetwork_ = AddListLabel(frmTrigger_, "lblNetwork", TwipRect(120, 240, 1095, 240),
                               QStringLiteral("&Network"), cmbNetwork_);
    Label1_ = AddListLabel(frmTrigger_, "Label1", TwipRect(1320, 240, 735, 240),
                           QStringLiteral("&Unit ID"), cmbUnit_);
    Label2_ = AddListLabel(frmTrigger_, "Label2", TwipRect(2160, 240, 1095, 240),
                           QStringLiteral("&Input Number"), cmbInputNumber_);
    Label3_ = AddListLabel(frmTrigger_, "Label3", TwipRect(3480, 240, 2055, 240),
                           QStringLiteral("&Trigger Name"), txtName_);
    LibDropdown::AddDropdownItems(*cmbNetwork_, LibDropdown::NetworkTexts());

    frmSequence_ = AddControl<CaptionFrame>(this, "frmSequence", TwipRect(120, 1200, 7695, 3735));
    frmSequence_->setTitle(QStringLiteral("&Sequences"));
    lvSequences_ =
        AddControl<SequenceFileTree>(frmSequence_, "lvSequences", TwipRect(120, 240, 6735, 3375));
    lvSequences_->setHeaderLabels({QStringLiteral("File"), QStringLiteral("Location")});
    lvSequences_->setRootIsDecorated(false);
    lvSequences_->setUniformRowHeights(true);
    MissingFileMark::FitToLines(*lvSequences_);
    lvSequences_->setSelectionMode(QAbstractItemView::SingleSelection);
    lvSequences_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvSequences_->header()->setStretchLastSection(false);
    lvSequences_->header()->setSectionsMovable(false);
    btAdd_ = AddPictureButton(frmSequence_, "btAdd", TwipRect(6960, 240, 615, 495),
                              QStringLiteral("Add"), QStringLiteral("Add a sequence"));
    btRemove_ = AddPictureButton(frmSequence_, "btRemove", TwipRect(6960, 840, 615, 495),
                                 QStringLiteral("Remove"), QStringLiteral("Remove a sequence"));
    btUp_ = AddPictureButton(frmSequence_, "btUp", TwipRect(6960, 1440, 615, 495),
                             QStringLiteral("Up"), QStringLiteral("Move sequence up"));
    btDown_ = AddPictureButton(frmSequence_, "btDown", TwipRect(6960, 2040, 615, 495),
                               QStringLiteral("Down"), QStringLiteral("Move sequence down"));

    btOK_ = AddControl<QPushButton>(this, "btOK", TwipRect(5520, 5040, 1095, 375));
    btOK_->setText(QStringLiteral("OK"));
    btOK_->setDefault(true);
    btCancel_ = AddControl<QPushButton>(this, "btCancel", TwipRect(6720, 5040, 1095, 375));
    btCancel_->setText(QStringLiteral("Cancel"));
}

void frmTriggeredSequenceEditor::SetTabOrder() {
    SetTabChain({cmbNetwork_, cmbUnit_, cmbInputNumber_, txtName_, lvSequences_, btAdd_, btRemove_,
                 btUp_, btDown_, btOK_, btCancel_});
}

void frmTriggeredSequenceEditor::Form_Load() {
    rememberedNetwork_ = 0;
    rememberedUnitId_ = 1;
    rememberedInputNumber_ = 1;
    LibDropdown::FillUnitAndInputLists(*cmbUnit_, *cmbInputNumber_);
}

void frmTriggeredSequenceEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous() || activated_)
        return;
    activated_ = true;
    Form_Activate();
}

// A value without an entry in its list (a network above 3, a unit id above 240, an input number
// above 512, or one below the first entry) leaves that list without a selection; the list then
// stands for the trigger's own value, so that OK keeps it.
void frmTriggeredSequenceEditor::Form_Activate() {
    const TriggerPtr trigger = TS_ ? TS_->Trig() : nullptr;
    originalNetwork_ = trigger ? trigger->Network() : 0;
    originalUnitId_ = trigger ? trigger->UnitId() : 1;
    originalInputNumber_ = trigger ? trigger->InputNumber() : 1;
    {
        const QSignalBlocker networkBlocker(cmbNetwork_);
        const QSignalBlocker unitBlocker(cmbUnit_);
        const QSignalBlocker inputBlocker(cmbInputNumber_);
        LibDropdown::SelectPosition(*cmbNetwork_, originalNetwork_);
        LibDropdown::SelectPosition(*cmbUnit_, originalUnitId_ - 1);
        LibDropdown::SelectPosition(*cmbInputNumber_, originalInputNumber_ - 1);
    }
    txtName_->setText(trigger ? Text(trigger->Name()) : QString());

    lvSequences_->clear();
    if (TS_) {
        for (int index = 0; index < TS_->NumSequences(); ++index)
            AddEntry(Text(TS_->Sequence(index)));
    }
    Refresh();

    rememberedNetwork_ = NetworkValue();
    rememberedUnitId_ = UnitIdValue();
    rememberedInputNumber_ = InputNumberValue();
}

int frmTriggeredSequenceEditor::NetworkValue() const {
    const int position = cmbNetwork_->currentIndex();
    return position >= 0 ? position : originalNetwork_;
}

int frmTriggeredSequenceEditor::UnitIdValue() const {
    const int position = cmbUnit_->currentIndex();
    return position >= 0 ? position + 1 : originalUnitId_;
}

int frmTriggeredSequenceEditor::InputNumberValue() const {
    const int position = cmbInputNumber_->currentIndex();
    return position >= 0 ? position + 1 : originalInputNumber_;
}

// The name follows the lists while it still reads as the generated name of the previous choice;
// a name the user typed stays.
void frmTriggeredSequenceEditor::TriggerList_Click(QComboBox* list) {
    try {
        const QString previousName = Text(TriggerFunctions::TriggerDisplayName(
            rememberedNetwork_, rememberedUnitId_, rememberedInputNumber_));
        if (txtName_->text() == previousName)
            txtName_->setText(Text(TriggerFunctions::TriggerDisplayName(
                NetworkValue(), UnitIdValue(), InputNumberValue())));
    } catch (const std::exception&) {
        // A unit id that no unit text can show has no generated name; the name stays.
    }
    if (list == cmbNetwork_)
        rememberedNetwork_ = NetworkValue();
    else if (list == cmbUnit_)
        rememberedUnitId_ = UnitIdValue();
    else
        rememberedInputNumber_ = InputNumberValue();
}

void frmTriggeredSequenceEditor::AddEntry(const QString& fileName) {
    const std::string path = LibFile::FullSequencePath(QtText::ToBytes(fileName));
    QTreeWidgetItem* entry = lvSequences_->AddEntry();
    entry->setText(FileColumn, Text(std::string(PathText::FileNamePart(path))));
    entry->setText(LocationColumn, Text(std::string(PathText::FolderPart(path))));
    const QString fullPath = Text(path);
    const bool missing = MissingFileMark::IsMissing(path);
    if (missing)
        entry->setIcon(FileColumn, MissingFileMark::Icon());
    entry->setToolTip(FileColumn, MissingFileMark::ToolTip(fullPath, missing));
}

void frmTriggeredSequenceEditor::Refresh() {
    LibListView::AutoSizeColumns(lvSequences_);
    SetButtons();
}

int frmTriggeredSequenceEditor::SelectedPosition() const {
    const QList<QTreeWidgetItem*> selected = lvSequences_->selectedItems();
    return selected.isEmpty() ? -1 : lvSequences_->indexOfTopLevelItem(selected.constFirst());
}

void frmTriggeredSequenceEditor::SetButtons() {
    btAdd_->setEnabled(true);
    const int position = SelectedPosition();
    const int count = lvSequences_->topLevelItemCount();
    btRemove_->setEnabled(position >= 0);
    btUp_->setEnabled(position >= 1);
    btDown_->setEnabled(position >= 0 && position < count - 1);
}

void frmTriggeredSequenceEditor::MoveSelectedEntry(int offset) {
    const int position = SelectedPosition();
    const int target = position + offset;
    if (position < 0 || target < 0 || target >= lvSequences_->topLevelItemCount())
        return;
    QTreeWidgetItem* entry = lvSequences_->takeTopLevelItem(position);
    lvSequences_->insertTopLevelItem(target, entry);
    lvSequences_->setCurrentItem(entry, 0,
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    SetButtons();
    lvSequences_->setFocus();
}

void frmTriggeredSequenceEditor::btAdd_Click() {
    try {
        FileDialogRequest request;
        request.title = QStringLiteral("Select the sequence file");
        request.filter = SequenceFilter();
        request.filterIndex = 1;
        request.startFolder = host_.DefaultPath();
        request.multiple = false;
        const std::optional<QStringList> chosen = host_.Prompts().OpenFiles(this, request);
        if (!chosen || chosen->isEmpty())
            return;
        AddEntries({chosen->constFirst()});
    } catch (const std::exception&) {
        // Adding ends silently; the list keeps what was done.
    }
}

QString frmTriggeredSequenceEditor::SequenceFilter() const {
    const bool musicalAllowed = !IG_ || IG_->MusicalAllowed();
    return musicalAllowed ? QStringLiteral("All Sequences|*.kas;*.kms|Animation "
                                           "Sequences|*.kas|Musical Sequences|*.kms")
                          : QStringLiteral("Animation Sequences|*.kas");
}

// What Add does with the chosen file, for each of the files.
void frmTriggeredSequenceEditor::AddEntries(const QStringList& files) {
    for (const QString& file : files)
        AddEntry(file);
    QTreeWidgetItem* last = lvSequences_->topLevelItem(lvSequences_->topLevelItemCount() - 1);
    lvSequences_->setCurrentItem(last, 0,
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    Refresh();
    lvSequences_->setFocus();
}

void frmTriggeredSequenceEditor::SetUpKeysAndDrops() {
    new ListKeyCommands(*lvSequences_, {btRemove_, nullptr, btUp_, btDown_});
    // The same steps as Up and Down.
    connect(lvSequences_, &SequenceFileTree::entryMoveAsked, this, [this](int from, int to) {
        lvSequences_->setCurrentItem(lvSequences_->topLevelItem(from), 0,
                                     QItemSelectionModel::ClearAndSelect |
                                         QItemSelectionModel::Rows);
        for (int row = from; row != to; row += to > from ? 1 : -1)
            MoveSelectedEntry(to > from ? 1 : -1);
    });
    connect(lvSequences_, &SequenceFileTree::filesDropped, this,
            &frmTriggeredSequenceEditor::DropFiles);
}

void frmTriggeredSequenceEditor::DropFiles(const QStringList& files) {
    const QString filter = SequenceFilter();
    const SequenceFileFilter::Sorted sorted = SequenceFileFilter::SortByFilter(files, filter);
    try {
        if (!sorted.taken.isEmpty())
            AddEntries(sorted.taken);
    } catch (const std::exception&) {
        // As with Add: the list keeps what was done.
    }
    if (!sorted.refused.isEmpty())
        host_.Prompts().Message(this, SequenceFileFilter::RefusedMessage(sorted.refused, filter),
                                ProgramTitle, UserPrompts::Icon::None);
}

// The entry that moves into the removed one's place is not selected: nothing is.
void frmTriggeredSequenceEditor::btRemove_Click() {
    const int position = SelectedPosition();
    if (position < 0)
        return;
    {
        const QSignalBlocker blocker(lvSequences_);
        delete lvSequences_->takeTopLevelItem(position);
        lvSequences_->clearSelection();
    }
    Refresh();
    lvSequences_->setFocus();
}

void frmTriggeredSequenceEditor::btOK_Click() {
    if (lvSequences_->topLevelItemCount() < 1) {
        host_.Prompts().Message(this, QStringLiteral("You must include a sequence file."),
                                QStringLiteral("Triggered Sequence Not Valid"),
                                UserPrompts::Icon::None);
        return;
    }
    if (!TS_)
        return;

    TriggerPtr trigger = TS_->Trig();
    if (!trigger) {
        trigger = std::make_shared<Trigger>();
        TS_->SetTrig(trigger);
    }
    trigger->SetNetwork(NetworkValue());
    trigger->SetUnitId(UnitIdValue());
    trigger->SetInputNumber(InputNumberValue());
    trigger->SetName(QtText::ToBytes(txtName_->text()));
    TS_->ClearSequences();
    for (int position = 0; position < lvSequences_->topLevelItemCount(); ++position)
        TS_->AddSequence(EntryPath(*lvSequences_->topLevelItem(position)));

    if (!EditMode_ && IG_)
        IG_->AddTriggeredSequences(TS_);
    accept();
}

} // namespace bw
