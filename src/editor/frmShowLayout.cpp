// How the main window is laid out: its controls in their fixed places, and the font in which
// their captions fit those places.

#include "editor/frmShow.h"

#include "document/QtText.h"
#include "editor/SectionListModel.h"
#include "editor/SectionListView.h"
#include "editor/ShowSections.h"
#include "widgets/EditorIcons.h"
#include "widgets/MissingFileMark.h"
#include "widgets/Twips.h"
#include "widgets/UpDown.h"
#include "widgets/WrappingButton.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

#include <array>

namespace bw {

namespace {

const QString DelayToolTip = QStringLiteral("The delay time between musical sequences");
const QString LightsOffCaption = QStringLiteral("Turn used lights off at the end of each sequence");
const QString DelayCaption = QStringLiteral("   Delay (in seconds)");

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

void frmShow::FitFontToLayout() {
    setFont(LayoutFont(QApplication::font(this), *style()));
}

void frmShow::CreateTabStrip() {
    tsMain = new QTabBar(this);
    tsMain->setObjectName(QStringLiteral("tsMain"));
    tsMain->setDrawBase(false);
    tsMain->setExpanding(false);
    tsMain->setUsesScrollButtons(false);
    for (const ShowSectionInfo& section : ShowSections) {
        const int index = tsMain->addTab(QString::fromLatin1(section.caption));
        tsMain->setTabToolTip(index, QString::fromLatin1(section.toolTip));
        tsMain->setTabData(index, QString::fromLatin1(section.caption));
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
    lbSequences = new SectionListView(this);
    lbSequences->setObjectName(QStringLiteral("lbSequences"));
    lbSequences->setSelectionMode(QAbstractItemView::SingleSelection);
    lbSequences->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The sequence folder does not change while the program runs; names are resolved against it
    // as the show check resolves them.
    entries_ = new SectionListModel(*document_, QtText::ToBytes(environment_.defaultPath), this);
    lbSequences->setModel(entries_);
    MissingFileMark::FitToLines(*lbSequences);
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
    // The mark's icon is loaded when a file is first found missing, not at start.
    cleanupMark_ = txtCleanup->addAction(QIcon(), QLineEdit::TrailingPosition);
    cleanupMark_->setObjectName(QStringLiteral("cleanupMissing"));
    cleanupMark_->setVisible(false);
    btCleanup = new QPushButton(QStringLiteral("..."), frameCleanup);
    btCleanup->setObjectName(QStringLiteral("btCleanup"));
    btCleanup->setGeometry(TwipRect(3015, 240, 255, 285));
}

} // namespace bw
