#include "editor/frmShow.h"

#include "editor/KeyboardCommands.h"
#include "editor/SectionListModel.h"
#include "widgets/EditorIcons.h"
#include "widgets/Twips.h"
#include "widgets/UpDown.h"
#include "widgets/UserPrompts.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QToolBar>
#include <QUndoStack>

#include <array>

namespace bw {

namespace {

constexpr std::array<const char*, 8> ImageListKeys{"New",  "Open",      "Save", "Rectangle",
                                                   "Help", "HelpLarge", "Quit", "Options"};

} // namespace

frmShow::frmShow(UserPrompts& prompts, frmShowEnvironment environment, QWidget* parent)
    : QWidget(parent), prompts_(prompts), environment_(std::move(environment)),
      document_(new ShowDocument(this)) {
    setObjectName(QStringLiteral("frmShow"));
    FitFontToLayout();
    setFixedSize(TwipsToPixels(7740), TwipsToPixels(6795));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);

    for (const char* key : ImageListKeys)
        imlToolbarIcons.insert(QString::fromLatin1(key),
                               EditorIcons::Icon(QString::fromLatin1(key)));

    CreateActions();
    CreateToolbar();
    CreateTabStrip();
    CreateListEditor();
    CreateOptions();
    CreateCleanup();
    ConnectHandlers();
    SetUpKeysAndDrops();
    CreateHistoryCommands();
    ConnectDocument();
    CreateRecentShows();

    // Loading: the document's new empty show on the Background tab.
    tsMain->setCurrentIndex(BackgroundTab - 1);
    ShowCurrentTab();
    UpdateActions();
    SetCaption();
}

frmShow::~frmShow() = default;

// One action per command, named after its toolbar button's key, with its standard keys named in
// its tooltip. Save As has no standard key on every system; Ctrl+Shift+S is the one people know.
void frmShow::CreateActions() {
    struct Command {
        QAction** action;
        const char* key;
        const char* caption;
        const char* toolTip;
        const char* iconKey;
        QList<QKeySequence> keys;
        void (frmShow::*run)();
    };
    using KS = QKeySequence;
    const std::array<Command, 8> commands{{
        {&actNew_, "New", "New", "Create a new show", "New", KS::keyBindings(KS::New),
         &frmShow::NewShow},
        {&actOpen_, "Open", "Open", "Open a show file", "Open", KS::keyBindings(KS::Open),
         &frmShow::OpenShow},
        {&actOptions_,
         "Options",
         "Options",
         "Configure show options",
         "Options",
         {},
         &frmShow::EditShowOptions},
        {&actSave_, "Save", "Save", "Save this show", "Save", KS::keyBindings(KS::Save),
         &frmShow::SaveShow},
        {&actSaveAs_,
         "SaveAs",
         "Save As",
         "Save this this show to a new file",
         "Rectangle",
         {KS(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
         &frmShow::SaveShowAs},
        {&actHelp_, "Help", "Help", "Launch the Help Menu", "HelpLarge",
         KS::keyBindings(KS::HelpContents), &frmShow::ShowHelp},
        {&actExit_, "Exit", "Exit", "Close the Show Editor", "Quit", KS::keyBindings(KS::Quit),
         &frmShow::Exit},
        {&actCheck_,
         "CheckShow",
         "Check Show",
         "Check the show for problems",
         "",
         {KS(Qt::Key_F7)},
         &frmShow::OpenCheckWindow},
    }};
    for (const Command& command : commands) {
        auto* action = new QAction(imlToolbarIcons.value(QString::fromLatin1(command.iconKey)),
                                   QString::fromLatin1(command.caption), this);
        // The button's key names the action and stays its data, as the toolbar's buttons carry it.
        action->setObjectName(QString::fromLatin1(command.key));
        action->setData(action->objectName());
        QString toolTip = QString::fromLatin1(command.toolTip);
        if (!command.keys.isEmpty()) {
            action->setShortcuts(command.keys);
            toolTip += QStringLiteral(" (%1)").arg(
                command.keys.constFirst().toString(QKeySequence::NativeText));
        }
        action->setToolTip(toolTip);
        connect(action, &QAction::triggered, this, [this, run = command.run] { RunCommand(run); });
        *command.action = action;
    }
}

void frmShow::CreateToolbar() {
    Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setGeometry(TwipRect(0, 0, 7740, 660));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Toolbar1->setIconSize(QSize(20, 20));
    Toolbar1->addActions(
        {actNew_, actOpen_, actOptions_, actSave_, actSaveAs_, actHelp_, actExit_});
    // The Tab key reaches the toolbar's buttons too.
    for (QAction* action : Toolbar1->actions())
        Toolbar1->widgetForAction(action)->setFocusPolicy(Qt::TabFocus);
}

void frmShow::ConnectDocument() {
    document_->SetPlaceSource([this] { return CurrentPlace(); });
    connect(document_, &ShowDocument::modifiedChanged, this, &frmShow::UpdateActions);
    connect(document_, &ShowDocument::fileNameChanged, this, &frmShow::UpdateActions);
    connect(document_, &ShowDocument::fileNameChanged, this, &frmShow::SetCaption);
    connect(document_, &ShowDocument::showReplaced, this, &frmShow::ShowReplaced);
    // Each edit reaches the list as the change it made, so that the selection keeps its entry.
    connect(document_, &ShowDocument::changed, entries_, &SectionListModel::Update);
    // The user let the changes go when the desktop session asked to end; any later edit takes
    // that back.
    connect(document_, &ShowDocument::changed, this, [this] { sessionEndAgreed_ = false; });
}

ShowPtr frmShow::MyShow() const {
    return document_->MyShow();
}

QString frmShow::DefaultPath() const {
    return environment_.defaultPath;
}

UserPrompts& frmShow::Prompts() const {
    return prompts_;
}

void frmShow::SetUnsavedInfo() {
    document_->Changed();
}

void frmShow::RunModal(QDialog& dialog) {
    // Whatever the dialog changes while it is open is one step of the history.
    {
        const ShowDocument::Action action(*document_);
        dialog.exec();
    }
    RefreshOnActivate();
}

void frmShow::RefreshOnActivate() {
    ShowCurrentTab();
    UpdateActions();
    SetCaption();
}

void frmShow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownBefore_) {
        shownBefore_ = true;
        RefreshOnActivate();
    }
}

ShowPlace frmShow::CurrentPlace() const {
    return {CurrentTabIndex(), SelectedPosition()};
}

void frmShow::ShowReplaced(const ShowPlace& place) {
    if (place.tab > 0 && CurrentTabIndex() != place.tab)
        tsMain->setCurrentIndex(place.tab - 1);
    else
        ShowCurrentTab();
    if (place.selection >= 0 && place.selection < entries_->rowCount())
        SelectEntry(place.selection);
}

void frmShow::CreateHistoryCommands() {
    QUndoStack& stack = document_->UndoStack();
    actUndo_ = stack.createUndoAction(this);
    actUndo_->setObjectName(QStringLiteral("actionUndo"));
    actUndo_->setShortcuts(QKeySequence::Undo);
    actRedo_ = stack.createRedoAction(this);
    actRedo_->setObjectName(QStringLiteral("actionRedo"));
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence& key :
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)})
        if (!redoKeys.contains(key))
            redoKeys.append(key);
    actRedo_->setShortcuts(redoKeys);
    addActions({actNew_, actOpen_, actOptions_, actSave_, actSaveAs_, actHelp_, actExit_, actUndo_,
                actRedo_, actCheck_});
    // Check Show has no place on the toolbar; the mouse finds it on the list's context menu.
    lbSequences->setContextMenuPolicy(Qt::ActionsContextMenu);
    lbSequences->addAction(actCheck_);

    for (QLineEdit* textBox : findChildren<QLineEdit*>())
        textBox->installEventFilter(this);
}

bool frmShow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && qobject_cast<QLineEdit*>(watched)) {
        document_->EndTyping();
    } else if (event->type() == QEvent::ShortcutOverride && qobject_cast<QLineEdit*>(watched)) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        // Left unaccepted, the key goes on to the window's Undo or Redo instead of the text
        // box's own.
        if (actUndo_->shortcuts().contains(pressed) || actRedo_->shortcuts().contains(pressed)) {
            event->ignore();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmShow::ConnectHandlers() {
    connect(tsMain, &QTabBar::currentChanged, this, [this] {
        tsMainPane_->update();
        QWidget* focused = QApplication::focusWidget();
        ShowCurrentTab();
        // A box that the new section hides hands the keyboard to the list, not to the next
        // control in the chain, the first toolbar button, where Space would start New.
        if (focused && isAncestorOf(focused) && !focused->isVisible())
            lbSequences->setFocus();
    });
    connect(lbSequences->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frmShow::ListSelectionChanged);
    connect(btAdd, &QPushButton::clicked, this, &frmShow::AddClicked);
    connect(btRemove, &QPushButton::clicked, this, &frmShow::RemoveClicked);
    connect(btUp, &QPushButton::clicked, this, &frmShow::UpClicked);
    connect(btDown, &QPushButton::clicked, this, &frmShow::DownClicked);
    connect(btEdit, &QPushButton::clicked, this, &frmShow::EditClicked);

    // Only what the user does counts as an edit: clicks and typing, never the filling of a
    // control by a tab setup.
    connect(chkLightsOffAtEnd, &QCheckBox::clicked, this, &frmShow::LightsOffClicked);
    connect(opStandard, &QRadioButton::clicked, this, &frmShow::StandardClicked);
    connect(opVariant, &QRadioButton::clicked, this, &frmShow::VariantClicked);
    connect(chkVariantOption1, &QCheckBox::clicked, this, &frmShow::VariantOption1Clicked);
    connect(chkVariantOption2, &QCheckBox::clicked, this, &frmShow::VariantOption2Clicked);
    connect(txtDelay, &QLineEdit::textEdited, this, &frmShow::DelayEdited);
    connect(UpDown1, &UpDown::Stepped, this, &frmShow::DelayEdited);
    connect(txtCleanup, &QLineEdit::textEdited, this, &frmShow::CleanupEdited);
    connect(btCleanup, &QPushButton::clicked, this, &frmShow::CleanupClicked);

    connect(qApp, &QGuiApplication::commitDataRequest, this, &frmShow::CommitDataRequested);
}

} // namespace bw
