#include "editor/frmShow.h"

#include "dialogs/EditorIcons.h"
#include "dialogs/LibErr.h"
#include "dialogs/Twips.h"
#include "dialogs/UserPrompts.h"
#include "dialogs/frmOptions.h"
#include "editor/TitleWithVersion.h"
#include "editor/UpDown.h"
#include "editor/WrapCheckBox.h"
#include "listtext/Error.h"
#include "showfile/DamagedNames.h"
#include "showfile/File.h"
#include "showfile/ShowFunctions.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QSessionManager>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

#include <array>

namespace bw {

namespace {

const QString EditorTitle = QStringLiteral("BW Show Editor");
const QString ShowFileDialogTitle = QStringLiteral("Select a show file");
const QString ShowFileFilter = QStringLiteral("All Files|*.*|Shows|*.kss");
constexpr int ShowFileFilterIndex = 2;
constexpr int ShowEditorHelpTopic = 4;

struct ToolbarButton {
    const char* key;
    const char* caption;
    const char* toolTip;
    const char* iconKey;
};

constexpr std::array<ToolbarButton, 7> ToolbarButtons{{
    {"New", "New", "Create a new show", "New"},
    {"Open", "Open", "Open a show file", "Open"},
    {"Options", "Options", "Configure show options", "Options"},
    {"Save", "Save", "Save this show", "Save"},
    {"SaveAs", "Save As", "Save this this show to a new file", "Rectangle"},
    {"Help", "Help", "Launch the Help Menu", "HelpLarge"},
    {"Exit", "Exit", "Close the Show Editor", "Quit"},
}};

constexpr std::array<const char*, 8> ImageListKeys{"New",  "Open",      "Save", "Rectangle",
                                                   "Help", "HelpLarge", "Quit", "Options"};

struct TabCaption {
    const char* caption;
    const char* toolTip;
};

constexpr std::array<TabCaption, 6> Tabs{{
    {"Background", "Edit the background animation playlist"},
    {"Startup", "Edit the startup index"},
    {"Animation", "Edit the animation sequence playlist"},
    {"Musical", "Edit the musical  playlist"},
    {"Interactive", "Edit the interactive groups"},
    {"Shutdown", "Edit the shutdown animation playlist"},
}};

const QString DelayToolTip = QStringLiteral("The delay time between musical sequences");
const QString LightsOffCaption = QStringLiteral("Turn used lights off at the end of each sequence");
const QString DelayCaption = QStringLiteral("   Delay (in seconds)");

// The part of a show file's path between its last folder separator and its last ".", both
// looked for from the end of the whole path. Without a "." after the last separator the name is
// empty. Paths written on either system are taken apart alike.
QString ShowNameOf(const QString& path) {
    const qsizetype separator =
        std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot < separator)
        return {};
    return path.mid(separator + 1, dot - separator - 1);
}

// The frame under the tabs that the section's list and options stand on.
class TabPane : public QWidget {
public:
    TabPane(QTabBar& tabBar, QWidget* parent) : QWidget(parent), tabBar_(tabBar) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionTabWidgetFrame option;
        option.initFrom(this);
        option.shape = tabBar_.shape();
        option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
        option.tabBarSize = tabBar_.sizeHint();
        const QPoint offset = tabBar_.pos() - pos();
        option.tabBarRect = QRect(offset, tabBar_.sizeHint());
        if (tabBar_.currentIndex() >= 0)
            option.selectedTabRect = tabBar_.tabRect(tabBar_.currentIndex()).translated(offset);
        painter.drawPrimitive(QStyle::PE_FrameTabWidget, option);
    }

private:
    QTabBar& tabBar_;
};

// The layout gives the option buttons a height of 13 pixels, a little less than the round
// indicator of some styles; there the indicator is drawn to fit instead of being cut off.
class FittedIndicatorStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int size = QProxyStyle::pixelMetric(metric, option, widget);
        if (widget &&
            (metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight))
            return std::min(size, widget->height());
        return size;
    }
};

QFrame* MakeFrame(QWidget* parent, const char* name, const QRect& place) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::NoFrame);
    frame->setGeometry(place);
    return frame;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    return label;
}

QPushButton* MakeIconButton(QWidget* parent, const char* name, const QString& iconKey,
                            const QString& toolTip, const QRect& place) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(EditorIcons::Icon(iconKey));
    button->setIconSize(QSize(32, 32));
    button->setToolTip(toolTip);
    button->setGeometry(place);
    return button;
}

// The captions that must fit on one line in the places that the layout gives them, with the
// width of each place.
struct OneLineText {
    QString text;
    int width;
    bool bold;
};

// Whether the window's texts fit their fixed places in the given font.
bool FitsLayout(const QFont& font, const QStyle& style) {
    const QFontMetrics metrics(font);
    QFont boldFont = font;
    boldFont.setBold(true);
    const QFontMetrics boldMetrics(boldFont);

    const int optionText = TwipsToPixels(1575) -
                           style.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) -
                           style.pixelMetric(QStyle::PM_RadioButtonLabelSpacing) - 2;
    const std::array<OneLineText, 11> texts{{
        {QStringLiteral("Play concurrently"), optionText, false},
        {QStringLiteral("Play sequentially"), optionText, false},
        {QStringLiteral("Play in order"), optionText, false},
        {QStringLiteral("Sequential"), optionText, false},
        {QStringLiteral("Concurrent"), optionText, false},
        {DelayCaption, TwipsToPixels(1455), false},
        {QStringLiteral("Cleanup Sequence:"), TwipsToPixels(3135), false},
        {QStringLiteral("Background Sequences"), TwipsToPixels(3255), true},
        {QStringLiteral("Animation Sequences"), TwipsToPixels(3255), true},
        {QStringLiteral("Shutdown Sequences"), TwipsToPixels(3255), true},
        {QStringLiteral("Interactive Groups"), TwipsToPixels(3255), true},
    }};
    for (const OneLineText& entry : texts) {
        const QFontMetrics& used = entry.bold ? boldMetrics : metrics;
        if (used.horizontalAdvance(entry.text) > entry.width)
            return false;
    }

    // The check box captions take two lines in a place made for two.
    const int checkText = TwipsToPixels(2535) - style.pixelMetric(QStyle::PM_IndicatorWidth) -
                          style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    const QRect checkArea(0, 0, checkText, 1000);
    for (const QString& caption :
         {LightsOffCaption, QStringLiteral("Songs can be repeated before all have been played"),
          QStringLiteral("The same song can be played back-to-back")}) {
        const int lines = metrics.boundingRect(checkArea, Qt::TextWordWrap, caption).height() /
                          metrics.lineSpacing();
        if (lines > 2)
            return false;
    }
    return 2 * metrics.lineSpacing() <= TwipsToPixels(375) + 1;
}

// The window's font: the system's, at the size the layout was made for, made smaller or
// narrower only as far as the fixed places of the captions require.
QFont LayoutFont(const QFont& systemFont, const QStyle& style) {
    QFont font = systemFont;
    for (double pointSize = 8.0; pointSize >= 7.0; pointSize -= 0.25) {
        for (int stretch : {int(QFont::Unstretched), int(QFont::SemiCondensed)}) {
            font.setPointSizeF(pointSize);
            font.setStretch(stretch);
            if (FitsLayout(font, style))
                return font;
        }
    }
    return font;
}

} // namespace

frmShow::frmShow(UserPrompts& prompts, frmShowEnvironment environment, QWidget* parent)
    : QWidget(parent), prompts_(prompts), environment_(std::move(environment)) {
    setObjectName(QStringLiteral("frmShow"));
    setFont(LayoutFont(QApplication::font(this), *style()));
    setFixedSize(TwipsToPixels(7740), TwipsToPixels(6795));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);

    for (const char* key : ImageListKeys)
        imlToolbarIcons.insert(QString::fromLatin1(key),
                               EditorIcons::Icon(QString::fromLatin1(key)));

    CreateToolbar();
    CreateTabStrip();
    CreateListEditor();
    CreateOptions();
    CreateCleanup();
    ConnectHandlers();
    SetUpKeysAndDrops();

    // Loading: a new empty show on the Background tab.
    show_ = std::make_shared<Show>();
    hasUnsavedChanges_ = false;
    showFileName_.clear();
    CreateHistory();
    tsMain->setCurrentIndex(BackgroundTab - 1);
    ShowCurrentTab();
    SetSaveButton();
    SetCaption();
}

frmShow::~frmShow() = default;

void frmShow::CreateToolbar() {
    Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setGeometry(TwipRect(0, 0, 7740, 660));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Toolbar1->setIconSize(QSize(20, 20));
    for (const ToolbarButton& button : ToolbarButtons) {
        const QString key = QString::fromLatin1(button.key);
        QAction* action =
            Toolbar1->addAction(imlToolbarIcons.value(QString::fromLatin1(button.iconKey)),
                                QString::fromLatin1(button.caption));
        action->setObjectName(key);
        action->setData(key);
        action->setToolTip(QString::fromLatin1(button.toolTip));
        toolbarButtons_.insert(key, action);
    }
}

void frmShow::CreateTabStrip() {
    tsMain = new QTabBar(this);
    tsMain->setObjectName(QStringLiteral("tsMain"));
    tsMain->setDrawBase(false);
    tsMain->setExpanding(false);
    tsMain->setUsesScrollButtons(false);
    for (const TabCaption& tab : Tabs) {
        const int index = tsMain->addTab(QString::fromLatin1(tab.caption));
        tsMain->setTabToolTip(index, QString::fromLatin1(tab.toolTip));
        tsMain->setTabData(index, QString::fromLatin1(tab.caption));
    }
    const QRect strip = TwipRect(0, 600, 7695, 6135);
    const int barHeight = tsMain->sizeHint().height();
    tsMain->setGeometry(strip.left(), strip.top(), strip.width(), barHeight);

    tsMainPane_ = new TabPane(*tsMain, this);
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, tsMain);
    const int paneTop = strip.top() + barHeight - overlap;
    tsMainPane_->setGeometry(strip.left(), paneTop, strip.width(), strip.bottom() + 1 - paneTop);
    tsMainPane_->lower();
    tsMain->raise();
}

void frmShow::CreateListEditor() {
    lbSequences = new QListWidget(this);
    lbSequences->setObjectName(QStringLiteral("lbSequences"));
    lbSequences->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every entry is one line of text; telling the list so keeps filling long sections quick.
    lbSequences->setUniformItemSizes(true);
    lbSequences->setGeometry(TwipRect(120, 1200, 3255, 5325));

    frameInstructions = MakeFrame(this, "frameInstructions", TwipRect(3480, 1200, 3975, 1815));
    lblTabDescription = MakeLabel(frameInstructions, "lblTabDescription",
                                  QStringLiteral("Tab description"), TwipRect(0, 120, 3255, 255));
    QFont bold;
    bold.setBold(true);
    lblTabDescription->setFont(bold);
    lblTabInstructions = MakeLabel(frameInstructions, "lblTabInstructions",
                                   QStringLiteral("The instructions for this frame go here."),
                                   TwipRect(0, 360, 3495, 1455));
    lblTabInstructions->setWordWrap(true);
    lblTabInstructions->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    frameListEditor = MakeFrame(this, "frameListEditor", TwipRect(3360, 3120, 855, 2775));
    btAdd = MakeIconButton(frameListEditor, "btAdd", QStringLiteral("Add"),
                           QStringLiteral("Add a sequence"), TwipRect(120, 240, 615, 495));
    btRemove = MakeIconButton(frameListEditor, "btRemove", QStringLiteral("Remove"),
                              QStringLiteral("Remove a sequence"), TwipRect(120, 880, 615, 495));
    btUp = MakeIconButton(frameListEditor, "btUp", QStringLiteral("Up"),
                          QStringLiteral("Move sequence up"), TwipRect(120, 1520, 615, 495));
    btDown = MakeIconButton(frameListEditor, "btDown", QStringLiteral("Down"),
                            QStringLiteral("Move sequence down"), TwipRect(120, 2160, 615, 495));
    btEdit = new QPushButton(QStringLiteral("Edit"), frameListEditor);
    btEdit->setObjectName(QStringLiteral("btEdit"));
    btEdit->setGeometry(TwipRect(120, 1520, 615, 495));
    btEdit->hide();
}

void frmShow::CreateOptions() {
    frameOptions = MakeFrame(this, "frameOptions", TwipRect(4320, 3000, 3135, 2895));
    chkLightsOffAtEnd = new WrapCheckBox(LightsOffCaption, frameOptions);
    chkLightsOffAtEnd->setObjectName(QStringLiteral("chkLightsOffAtEnd"));
    chkLightsOffAtEnd->setGeometry(TwipRect(120, 240, 2895, 375));

    frameOptionsRadio =
        MakeFrame(frameOptions, "frameOptionsRadio", TwipRect(120, 720, 2895, 1575));
    opStandard = new QRadioButton(QStringLiteral("Sequential"), frameOptionsRadio);
    opStandard->setObjectName(QStringLiteral("opStandard"));
    opStandard->setGeometry(TwipRect(0, 120, 1575, 195));
    opVariant = new QRadioButton(QStringLiteral("Concurrent"), frameOptionsRadio);
    opVariant->setObjectName(QStringLiteral("opVariant"));
    opVariant->setGeometry(TwipRect(0, 360, 1575, 195));
    auto* optionStyle = new FittedIndicatorStyle;
    optionStyle->setParent(this);
    opStandard->setStyle(optionStyle);
    opVariant->setStyle(optionStyle);
    chkVariantOption1 = new WrapCheckBox(
        QStringLiteral("Songs can be repeated before all have been played"), frameOptionsRadio);
    chkVariantOption1->setObjectName(QStringLiteral("chkVariantOption1"));
    chkVariantOption1->setGeometry(TwipRect(360, 600, 2535, 375));
    chkVariantOption2 = new WrapCheckBox(QStringLiteral("The same song can be played back-to-back"),
                                         frameOptionsRadio);
    chkVariantOption2->setObjectName(QStringLiteral("chkVariantOption2"));
    chkVariantOption2->setGeometry(TwipRect(360, 1080, 2535, 375));

    // The frame has no border of its own; it is as tall as the text box it holds, so that the
    // box is not cut off at the bottom.
    frameDelay = MakeFrame(frameOptions, "frameDelay", TwipRect(120, 2520, 2895, 285));
    frameDelay->setToolTip(DelayToolTip);
    txtDelay = new QLineEdit(QStringLiteral("0"), frameDelay);
    txtDelay->setObjectName(QStringLiteral("txtDelay"));
    txtDelay->setGeometry(TwipRect(0, 0, 480, 285));
    UpDown1 = new UpDown(txtDelay, 0, 999, frameDelay);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setGeometry(TwipRect(480, 0, 255, 255));
    lblDelay = MakeLabel(frameDelay, "lblDelay", DelayCaption, TwipRect(735, 0, 1455, 255));
    lblDelay->setToolTip(DelayToolTip);
    lblDelay->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void frmShow::CreateCleanup() {
    frameCleanup = MakeFrame(this, "frameCleanup", TwipRect(3480, 6000, 3975, 615));
    lblCleanup = MakeLabel(frameCleanup, "lblCleanup", QStringLiteral("Cleanup Sequence:"),
                           TwipRect(0, 0, 3135, 255));
    txtCleanup = new QLineEdit(frameCleanup);
    txtCleanup->setObjectName(QStringLiteral("txtCleanup"));
    txtCleanup->setGeometry(TwipRect(0, 240, 3015, 285));
    btCleanup = new QPushButton(QStringLiteral("..."), frameCleanup);
    btCleanup->setObjectName(QStringLiteral("btCleanup"));
    btCleanup->setGeometry(TwipRect(3015, 240, 255, 285));
}

void frmShow::ConnectHandlers() {
    connect(Toolbar1, &QToolBar::actionTriggered, this,
            [this](QAction* action) { ToolbarCommand(action->data().toString()); });
    connect(tsMain, &QTabBar::currentChanged, this, [this] {
        tsMainPane_->update();
        ShowCurrentTab();
    });
    connect(lbSequences, &QListWidget::itemSelectionChanged, this, &frmShow::ListSelectionChanged);
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

ShowPtr frmShow::MyShow() const {
    return show_;
}

QString frmShow::DefaultPath() const {
    return environment_.defaultPath;
}

UserPrompts& frmShow::Prompts() const {
    return prompts_;
}

void frmShow::SetUnsavedInfo() {
    hasUnsavedChanges_ = true;
    sessionEndAgreed_ = false;
    SetSaveButton();
    history_->Changed();
}

void frmShow::SetSaveButton() {
    toolbarButtons_.value(QStringLiteral("Save"))
        ->setEnabled(!showFileName_.isEmpty() && hasUnsavedChanges_);
}

void frmShow::SetCaption() {
    const QString title = TitleWithVersion(EditorTitle);
    if (showFileName_.isEmpty())
        setWindowTitle(title);
    else
        setWindowTitle(title + QStringLiteral(" - ") + ShowNameOf(showFileName_));
}

bool frmShow::ConfirmDiscardChanges() {
    if (!hasUnsavedChanges_)
        return true;
    return prompts_.Question(
        this,
        QStringLiteral("Warning.  You have unsaved changes to this show.  If you proceed, these "
                       "changes will be lost.  Do you wish to continue without saving these "
                       "changes?"),
        QStringLiteral("Unsaved Changes"));
}

void frmShow::EditShowOptions() {
    if (!show_)
        return;
    try {
        frmOptions dialog(*this, this);
        dialog.SetShow(show_);
        RunModal(dialog);
    } catch (const Error& error) {
        LibErr::ShowErrorMessage(prompts_, this, QStringLiteral("Cannot Set Show Options"), error);
    } catch (const std::exception& error) {
        LibErr::ShowErrorMessage(prompts_, this, QStringLiteral("Cannot Set Show Options"),
                                 QString::fromLocal8Bit(error.what()));
    }
}

void frmShow::RunModal(QDialog& dialog) {
    dialog.exec();
    RefreshOnActivate();
}

void frmShow::RefreshOnActivate() {
    ShowCurrentTab();
    SetSaveButton();
    SetCaption();
}

void frmShow::ToolbarCommand(const QString& key) {
    bool closeAfterwards = false;
    try {
        if (key == QLatin1String("Help")) {
            if (environment_.showHelpTopic)
                environment_.showHelpTopic(this, ShowEditorHelpTopic);
        } else if (key == QLatin1String("Exit")) {
            closeAfterwards = true;
        } else if (key == QLatin1String("New")) {
            NewShow();
        } else if (key == QLatin1String("Options")) {
            EditShowOptions();
        } else if (key == QLatin1String("Open")) {
            OpenShow();
        } else if (key == QLatin1String("Save")) {
            SaveShow();
        } else if (key == QLatin1String("SaveAs")) {
            SaveShowAs();
        }
    } catch (const std::exception&) {
        // A failing command ends where it failed; the window is brought up to date below.
    }
    ShowCurrentTab();
    SetSaveButton();
    SetCaption();
    if (closeAfterwards)
        close();
}

void frmShow::NewShow() {
    if (!ConfirmDiscardChanges())
        return;
    show_ = std::make_shared<Show>();
    showFileName_.clear();
    hasUnsavedChanges_ = false;
    history_->Start();
}

void frmShow::OpenShow() {
    if (!ConfirmDiscardChanges())
        return;
    FileDialogRequest request;
    request.title = ShowFileDialogTitle;
    request.filter = ShowFileFilter;
    request.filterIndex = ShowFileFilterIndex;
    request.startFolder = environment_.defaultPath;
    const std::optional<QStringList> chosen = prompts_.OpenFiles(this, request);
    if (!chosen || chosen->isEmpty())
        return;
    ReadShowFile(chosen->constFirst());
}

void frmShow::ReadShowFile(const QString& path) {
    std::string text;
    const QString unableToOpen = QStringLiteral("Unable to open ") + path;
    TextEncoding::Encoding encoding{};
    if (File::ReadWholeFile(path.toStdString(), text, encoding) != 0) {
        prompts_.Message(this, unableToOpen, ProgramTitle, UserPrompts::Icon::None);
        return;
    }
    // A text that is no list at all raises here, and the command ends without a word.
    ShowPtr opened = ShowFunctions::ShowFromText(text);
    // A list from which no show can be built is refused like a file that cannot be read: the
    // window always keeps a show to work on.
    if (!opened) {
        prompts_.Message(this, unableToOpen, ProgramTitle, UserPrompts::Icon::None);
        return;
    }
    show_ = std::move(opened);
    hasUnsavedChanges_ = false;
    showFileName_ = path;
    history_->Start();
    // Names with bytes that were not valid in the file's encoding are kept; the person is told.
    if (const std::string damaged = DamagedNames::Notice(text, encoding); !damaged.empty())
        prompts_.Message(this, QString::fromStdString(damaged), ProgramTitle,
                         UserPrompts::Icon::Exclamation);
}

void frmShow::SaveShow() {
    const std::string text = ShowFunctions::ShowToText(*show_);
    if (File::WriteWholeFile(showFileName_.toStdString(), text) != 0) {
        prompts_.Message(this, QStringLiteral("Unable to write to ") + showFileName_, ProgramTitle,
                         UserPrompts::Icon::None);
        hasUnsavedChanges_ = true;
        return;
    }
    hasUnsavedChanges_ = false;
}

void frmShow::SaveShowAs() {
    FileDialogRequest request;
    request.title = ShowFileDialogTitle;
    request.filter = ShowFileFilter;
    request.filterIndex = ShowFileFilterIndex;
    request.startFolder = environment_.defaultPath;

    QString chosen;
    QString target;
    for (;;) {
        const std::optional<QString> answer = prompts_.SaveFile(this, request);
        if (!answer)
            return;
        chosen = *answer;
        // The last "." of the whole path decides, even when it lies in a folder's name.
        const qsizetype dot = chosen.lastIndexOf(QLatin1Char('.'));
        if (dot < 0) {
            target = chosen + QStringLiteral(".kss");
            // The dialog asked about the name as typed; the completed name is asked about here,
            // and No goes back to the dialog, as there.
            const QFileInfo existing(target);
            if (!existing.exists() || existing.isDir() ||
                prompts_.ConfirmReplace(this, target, ShowFileDialogTitle))
                break;
            request.fileName = chosen;
            continue;
        }
        if (chosen.mid(dot + 1) == QLatin1String("kss")) {
            target = chosen;
            break;
        }
        prompts_.Message(this, QStringLiteral("Your file name must end in .kss"),
                         QStringLiteral("Brightwave"), UserPrompts::Icon::None);
        request.fileName = chosen;
    }

    const std::string text = ShowFunctions::ShowToText(*show_);
    if (File::WriteWholeFile(target.toStdString(), text) != 0) {
        prompts_.Message(this, QStringLiteral("Unable to write to ") + chosen, ProgramTitle,
                         UserPrompts::Icon::None);
        hasUnsavedChanges_ = true;
    } else {
        hasUnsavedChanges_ = false;
    }
    // The new name is kept even when the write failed, so that Save tries the same file again.
    showFileName_ = target;
}

void frmShow::closeEvent(QCloseEvent* event) {
    if (sessionEndAgreed_ || ConfirmDiscardChanges())
        event->accept();
    else
        event->ignore();
}

void frmShow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownBefore_) {
        shownBefore_ = true;
        RefreshOnActivate();
    }
}

bool frmShow::AgreeToEndSession() {
    sessionEndAgreed_ = ConfirmDiscardChanges();
    return sessionEndAgreed_;
}

void frmShow::CommitDataRequested(QSessionManager& manager) {
    // Changes are never given up without asking; when the session does not let us ask, it does
    // not end.
    if (hasUnsavedChanges_ && !manager.allowsInteraction()) {
        manager.cancel();
        return;
    }
    const bool agreed = AgreeToEndSession();
    if (hasUnsavedChanges_)
        manager.release();
    if (!agreed)
        manager.cancel();
}

} // namespace bw
