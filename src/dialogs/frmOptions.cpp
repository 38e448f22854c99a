#include "dialogs/frmOptions.h"

#include "dialogs/LibDropdown.h"
#include "dialogs/ShowEditorHost.h"
#include "listtext/Error.h"
#include "widgets/FormControls.h"
#include "widgets/LibErr.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <exception>

namespace bw {

namespace {

QString ErrorTitle() {
    return QStringLiteral("Error Saving Show Options");
}

QLabel* AddListLabel(QWidget* parent, const char* objectName, const QRect& place,
                     const QString& caption, QComboBox* list) {
    auto* label = AddControl<QLabel>(parent, objectName, place);
    label->setText(caption);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setBuddy(list);
    FitLabelWidth(*label);
    return label;
}

} // namespace

frmOptions::frmOptions(ShowEditorHost& host, QWidget* parent) : QDialog(parent), host_(host) {
    setWindowTitle(QStringLiteral("Show Options"));
    UseFormLook(*this);
    CreateControls();
    SetTabOrder();
    setFixedSize(TwipsToPixels(4665), TwipsToPixels(4065));

    LibDropdown::FillUnitAndInputLists(*cmbStartupTriggerUnitID_, *cmbStartupTriggerInputNumber_);

    for (QRadioButton* option : optStartupType_)
        connect(option, &QRadioButton::toggled, this, [this] { UpdateEnabling(); });
    connect(cmdOK_, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

frmOptions::~frmOptions() = default;

void frmOptions::CreateControls() {
    frameStartupType_ =
        AddControl<CaptionFrame>(this, "frameStartupType", TwipRect(120, 120, 4455, 2535));
    frameStartupType_->setTitle(QStringLiteral("Startup Type"));
    optStartupType_[0] = AddControl<WrappingRadioButton>(frameStartupType_, "optStartupType0",
                                                         TwipRect(120, 240, 4215, 375));
    // "I" belongs to the input number list in this dialog; the caption reads the same with its
    // access key on the "m".
    optStartupType_[0]->setText(QStringLiteral("Show starts i&mmediately"));
    optStartupType_[1] = AddControl<WrappingRadioButton>(frameStartupType_, "optStartupType1",
                                                         TwipRect(120, 600, 4215, 375));
    optStartupType_[1]->setText(QStringLiteral("Show starts on a &trigger"));
    optStartupType_[2] = AddControl<WrappingRadioButton>(frameStartupType_, "optStartupType2",
                                                         TwipRect(120, 960, 4215, 375));
    optStartupType_[2]->setText(QStringLiteral(
        "&Background section starts immediately, but the rest of the show starts on a trigger"));
    optStartupType_[0]->setChecked(true);

    frameStartupTrigger_ = AddControl<CaptionFrame>(frameStartupType_, "frameStartupTrigger",
                                                    TwipRect(360, 1440, 3855, 975));
    frameStartupTrigger_->setTitle(QStringLiteral("Startup Trigger"));
    cmbStartupTriggerNetwork_ = AddControl<QComboBox>(
        frameStartupTrigger_, "cmbStartupTriggerNetwork", TwipRect(360, 480, 1095, 315));
    cmbStartupTriggerUnitID_ = AddControl<QComboBox>(
        frameStartupTrigger_, "cmbStartupTriggerUnitID", TwipRect(1560, 480, 735, 315));
    cmbStartupTriggerInputNumber_ = AddControl<QComboBox>(
        frameStartupTrigger_, "cmbStartupTriggerInputNumber", TwipRect(2400, 480, 975, 315));
    lblStartupTriggerNetwork_ =
        AddListLabel(frameStartupTrigger_, "lblStartupTriggerNetwork", TwipRect(360, 240, 855, 255),
                     QStringLiteral("&Network"), cmbStartupTriggerNetwork_);
    lblStartupTriggerUnitID_ =
        AddListLabel(frameStartupTrigger_, "lblStartupTriggerUnitID", TwipRect(1560, 240, 615, 285),
                     QStringLiteral("&Unit ID"), cmbStartupTriggerUnitID_);
    lblStartupTriggerInputNumber_ = AddListLabel(
        frameStartupTrigger_, "lblStartupTriggerInputNumber", TwipRect(2400, 240, 1095, 285),
        QStringLiteral("&Input Number"), cmbStartupTriggerInputNumber_);
    LibDropdown::AddDropdownItems(*cmbStartupTriggerNetwork_, LibDropdown::NetworkTexts());

    frameSequenceLoading_ =
        AddControl<CaptionFrame>(this, "frameSequenceLoading", TwipRect(120, 2640, 4455, 855));
    frameSequenceLoading_->setTitle(QStringLiteral("Sequence Loading"));
    optSequenceLoading_[0] = AddControl<WrappingRadioButton>(
        frameSequenceLoading_, "optSequenceLoading0", TwipRect(240, 240, 4095, 255));
    optSequenceLoading_[0]->setText(QStringLiteral("Sequences are loaded &when they are needed"));
    optSequenceLoading_[1] = AddControl<WrappingRadioButton>(
        frameSequenceLoading_, "optSequenceLoading1", TwipRect(240, 480, 4095, 255));
    optSequenceLoading_[1]->setText(QStringLiteral("Sequences are loaded be&fore any are played"));
    optSequenceLoading_[0]->setChecked(true);

    cmdOK_ = AddControl<QPushButton>(this, "cmdOK", TwipRect(1320, 3600, 975, 375));
    cmdOK_->setText(QStringLiteral("OK"));
    cmdOK_->setDefault(true);
    cmdCancel_ = AddControl<QPushButton>(this, "cmdCancel", TwipRect(2520, 3600, 975, 375));
    cmdCancel_->setText(QStringLiteral("Cancel"));
}

void frmOptions::SetTabOrder() {
    SetTabChain({optStartupType_[0], optStartupType_[1], optStartupType_[2],
                 cmbStartupTriggerNetwork_, cmbStartupTriggerUnitID_, cmbStartupTriggerInputNumber_,
                 optSequenceLoading_[0], optSequenceLoading_[1], cmdOK_, cmdCancel_});
}

void frmOptions::SetShow(ShowPtr show) {
    show_ = std::move(show);
    LoadFromShow();
    UpdateEnabling();
}

void frmOptions::LoadFromShow() {
    using LibDropdown::SelectPosition;
    if (!show_) {
        optStartupType_[0]->setChecked(true);
        SelectPosition(*cmbStartupTriggerNetwork_, 0);
        SelectPosition(*cmbStartupTriggerUnitID_, 0);
        SelectPosition(*cmbStartupTriggerInputNumber_, 0);
        return;
    }

    const int startupType = show_->StartupType();
    const bool knownType = startupType == Show::StartsOnTrigger ||
                           startupType == Show::BackgroundImmediatelyRestOnTrigger;
    optStartupType_[knownType ? startupType : Show::StartsImmediately]->setChecked(true);

    // A value that has no entry leaves its list without a selection.
    if (const TriggerPtr& trigger = show_->StartupTrigger()) {
        SelectPosition(*cmbStartupTriggerNetwork_, trigger->Network());
        SelectPosition(*cmbStartupTriggerUnitID_, trigger->UnitId() - 1);
        SelectPosition(*cmbStartupTriggerInputNumber_, trigger->InputNumber() - 1);
    } else {
        SelectPosition(*cmbStartupTriggerNetwork_, 0);
        SelectPosition(*cmbStartupTriggerUnitID_, 0);
        SelectPosition(*cmbStartupTriggerInputNumber_, 0);
    }

    if (show_->PreloadSequences())
        optSequenceLoading_[1]->setChecked(true);
}

void frmOptions::UpdateEnabling() {
    const bool startupEnabled = show_ != nullptr;
    const bool triggerEnabled = startupEnabled && !optStartupType_[0]->isChecked();
    frameStartupType_->setEnabled(startupEnabled);
    for (QRadioButton* option : optStartupType_)
        option->setEnabled(startupEnabled);
    const std::initializer_list<QWidget*> triggerControls = {
        frameStartupTrigger_,         lblStartupTriggerNetwork_, cmbStartupTriggerNetwork_,
        lblStartupTriggerUnitID_,     cmbStartupTriggerUnitID_,  lblStartupTriggerInputNumber_,
        cmbStartupTriggerInputNumber_};
    for (QWidget* control : triggerControls)
        control->setEnabled(triggerEnabled);
}

// Writes in the order the options appear; a list without a selection leaves its field as it is.
void frmOptions::WriteToShow() {
    for (int type = 0; type < static_cast<int>(optStartupType_.size()); ++type) {
        if (optStartupType_[static_cast<std::size_t>(type)]->isChecked()) {
            show_->SetStartupType(type);
            break;
        }
    }

    TriggerPtr trigger = show_->StartupTrigger();
    if (!trigger) {
        trigger = std::make_shared<Trigger>();
        show_->SetStartupTrigger(trigger);
    }
    if (const int position = cmbStartupTriggerNetwork_->currentIndex(); position >= 0)
        trigger->SetNetwork(position);
    if (const int position = cmbStartupTriggerUnitID_->currentIndex(); position >= 0)
        trigger->SetUnitId(position + 1);
    if (const int position = cmbStartupTriggerInputNumber_->currentIndex(); position >= 0)
        trigger->SetInputNumber(position + 1);

    show_->SetPreloadSequences(optSequenceLoading_[1]->isChecked());
    host_.SetUnsavedInfo();
}

void frmOptions::cmdOK_Click() {
    if (show_) {
        try {
            WriteToShow();
        } catch (const Error& error) {
            LibErr::ShowErrorMessage(host_.Prompts(), this, ErrorTitle(), error);
            return;
        } catch (const std::exception& error) {
            LibErr::ShowErrorMessage(host_.Prompts(), this, ErrorTitle(),
                                     QString::fromStdString(error.what()));
            return;
        }
    }
    accept();
}

} // namespace bw
