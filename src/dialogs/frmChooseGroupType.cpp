#include "dialogs/frmChooseGroupType.h"

#include "dialogs/frmInteractiveGroupEditor.h"
#include "widgets/FormControls.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include <memory>

namespace bw {

namespace {

// The group type texts break their paragraphs with CR LF; a label wants a plain line feed.
QString LabelText(const char* text) {
    return QString::fromUtf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QLabel* AddDescriptionLabel(QWidget* parent, const char* objectName, const QRect& place) {
    auto* label = AddControl<QLabel>(parent, objectName, place);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

frmChooseGroupType::frmChooseGroupType(ShowEditorHost& host, QWidget* parent)
    : QDialog(parent), host_(host) {
    setWindowTitle(QStringLiteral("Interactive Group -- Choose a type"));
    UseFormLook(*this);
    CreateControls();
    SetTabChain({OKButton_, CancelButton_, opNonIndependentNonInterruptible_,
                 opNonIndependentInterruptible_, opIndependentInterruptible_});
    setFixedSize(TwipsToPixels(7455), TwipsToPixels(6780));
    SetTypeTexts();
    SelectJukebox();

    connect(OKButton_, &QPushButton::clicked, this, &frmChooseGroupType::OKButton_Click);
    connect(CancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void frmChooseGroupType::CreateControls() {
    Label4_ = AddControl<QLabel>(this, "Label4", TwipRect(120, 120, 5775, 495));
    Label4_->setText(QStringLiteral(
        "Please choose the type of interactive group you want to create, and click 'OK'."));
    Label4_->setWordWrap(true);
    Label4_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    OKButton_ = AddControl<QPushButton>(this, "OKButton", TwipRect(6120, 120, 1215, 375));
    OKButton_->setText(QStringLiteral("OK"));
    OKButton_->setDefault(true);
    CancelButton_ = AddControl<QPushButton>(this, "CancelButton", TwipRect(6120, 600, 1215, 375));
    CancelButton_->setText(QStringLiteral("Cancel"));

    opNonIndependentNonInterruptible_ = AddControl<QRadioButton>(
        this, "opNonIndependentNonInterruptible", TwipRect(120, 840, 3015, 255));
    lblNonIndependentNonInterruptible_ = AddDescriptionLabel(
        this, "lblNonIndependentNonInterruptible", TwipRect(480, 1140, 6855, 1695));
    opNonIndependentInterruptible_ = AddControl<QRadioButton>(this, "opNonIndependentInterruptible",
                                                              TwipRect(120, 2940, 3015, 255));
    lblNonIndependentInterruptible_ = AddDescriptionLabel(this, "lblNonIndependentInterruptible",
                                                          TwipRect(480, 3240, 6855, 1695));
    opIndependentInterruptible_ = AddControl<QRadioButton>(this, "opIndependentInterruptible",
                                                           TwipRect(120, 5040, 3015, 255));
    lblIndependentInterruptible_ =
        AddDescriptionLabel(this, "lblIndependentInterruptible", TwipRect(480, 5340, 6855, 1335));
}

void frmChooseGroupType::SelectJukebox() {
    opNonIndependentNonInterruptible_->setChecked(true);
}

void frmChooseGroupType::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        SetTypeTexts();
}

void frmChooseGroupType::SetTypeTexts() {
    using namespace GroupTypeTexts;
    opNonIndependentNonInterruptible_->setText(QStringLiteral("&") +
                                               QString::fromUtf8(JukeboxName));
    lblNonIndependentNonInterruptible_->setText(LabelText(JukeboxDescription));
    opNonIndependentInterruptible_->setText(QStringLiteral("&") +
                                            QString::fromUtf8(SoundboardName));
    lblNonIndependentInterruptible_->setText(LabelText(SoundboardDescription));
    opIndependentInterruptible_->setText(QStringLiteral("&") + QString::fromUtf8(MagicToyName));
    lblIndependentInterruptible_->setText(LabelText(MagicToyDescription));
}

// The chooser steps aside for the group editor, which opens over the chooser's owner.
void frmChooseGroupType::OKButton_Click() {
    auto group = std::make_shared<InteractiveGroup>();
    if (opNonIndependentNonInterruptible_->isChecked()) {
        group->SetIndependent(false);
        group->SetInterruptible(false);
        group->SetMusicalAllowed(true);
    } else if (opNonIndependentInterruptible_->isChecked()) {
        group->SetIndependent(false);
        group->SetInterruptible(true);
        group->SetMusicalAllowed(true);
    } else if (opIndependentInterruptible_->isChecked()) {
        group->SetIndependent(true);
        group->SetInterruptible(true);
        group->SetMusicalAllowed(false);
    }

    frmInteractiveGroupEditor editor(host_, parentWidget());
    editor.SetEditMode(false);
    editor.SetIG(std::move(group));
    editor.SetOldIG(std::make_shared<InteractiveGroup>());
    hide();
    editor.exec();
    accept();
}

} // namespace bw
