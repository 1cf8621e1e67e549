#include "frmManual.h"

#include "AppInfo.h"
#include "Dialogs.h"
#include "HelpTopic.h"
#include "Labels.h"
#include "Links.h"
#include "MenuKeys.h"
#include "PrintWrapped.h"
#include "PrinterSurface.h"
#include "StringResources.h"
#include "TilePicture.h"
#include "WindowSize.h"
#include "modStandard.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QShortcut>
#include <QStyleOptionMenuItem>

using modFadeInOut::FadeEnabled;

namespace {

struct Item {
    const char *caption;
    int number; // -1 for a separator
};

const Item Items[] = {
    {"", -1},
    {QT_TRANSLATE_NOOP("frmManual", "Overview"), 1000},
    {"-", -1},
    {QT_TRANSLATE_NOOP("frmManual", "The Main Lobby"), 3000},
    {QT_TRANSLATE_NOOP("frmManual", "Quote List Maintenance"), 4000},
    {QT_TRANSLATE_NOOP("frmManual", "Encrypting && Printing a Quote"), 5000},
    {QT_TRANSLATE_NOOP("frmManual", "Solving a Quote On-Screen"), 6000},
    {"-", -1},
    {QT_TRANSLATE_NOOP("frmManual", "About Cipherly"), 7777},
    {QT_TRANSLATE_NOOP("frmManual", "About KEL Software"), 8000},
    {"-", -1},
    {QT_TRANSLATE_NOOP("frmManual", "Email KEL Software"), 1111},
    {QT_TRANSLATE_NOOP("frmManual", "Visit KEL Software's Web Page"), 2222},
    {QT_TRANSLATE_NOOP("frmManual", "Order Cipherly Online (w/ Credit Card)"), 3333},
    {"-", -1},
    {QT_TRANSLATE_NOOP("frmManual", "Exit this Menu"), 0},
    // The additions' topics, shown after the design's solving topic.
    {QT_TRANSLATE_NOOP("frmManual", "Quote Collections"), 6100},
    {QT_TRANSLATE_NOOP("frmManual", "Statistics"), 6200},
    {QT_TRANSLATE_NOOP("frmManual", "Solver's Aids"), 6300},
    {QT_TRANSLATE_NOOP("frmManual", "Difficulty and Teaching Hints"), 6400}};

// Where the quote list is: the game works in the list's folder, so the help
// names the folder it really uses, the home folder written as "~".
QString ListFolderShown() {
    const QString folder = QDir::currentPath(), home = QDir::homePath();
    if (folder == home) return QStringLiteral("~");
    if (folder.startsWith(home + QLatin1Char('/')))
        return QDir::toNativeSeparators(QStringLiteral("~") + folder.mid(home.size()));
    return QDir::toNativeSeparators(folder);
}

constexpr int ItemCount = 15;                       // the design's items
constexpr int AllItems = int(std::size(Items)) - 1; // with the additions' topics
static_assert(std::size(Items) == frmManual::TopicItems, "an action for every item of the menu");
constexpr int FirstAddition = 16;

// The topic menu shows a tick on the topic shown and nothing in front of any
// other item; a style would otherwise draw an empty box in front of every
// topic that is not shown, and none in front of the other items.
class TopicMenuStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override {
        const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
        if (element != CE_MenuItem || !item ||
            item->checkType == QStyleOptionMenuItem::NotCheckable) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        QStyleOptionMenuItem plain(*item);
        plain.checkType = QStyleOptionMenuItem::NotCheckable;
        plain.checked = false;
        QProxyStyle::drawControl(element, &plain, painter, widget);
        if (!item->checked) return;
        // A plain tick in front of the caption.
        const QRectF r(item->rect.left() + 6, item->rect.top(), item->rect.height() * 0.8,
                       item->rect.height());
        const QColor ink = item->palette.color(
            item->state & State_Selected ? QPalette::HighlightedText : QPalette::Text);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPolygonF tick{
            QPointF(r.left() + r.width() * 0.2, r.center().y()),
            QPointF(r.left() + r.width() * 0.42, r.center().y() + r.height() * 0.2),
            QPointF(r.left() + r.width() * 0.8, r.center().y() - r.height() * 0.22)};
        painter->drawPolyline(tick);
        painter->restore();
    }
};

} // namespace

int frmManual::itemNumber(int index) {
    return index >= 1 && index <= AllItems ? Items[index].number : -1;
}

QString frmManual::topicTitle(int index) {
    return itemCaption(index).replace(QLatin1String("&&"), QLatin1String("&"));
}

QString frmManual::itemCaption(int index) {
    return index >= 1 && index <= AllItems ? tr(Items[index].caption) : QString();
}

frmManual::frmManual(QWidget *parent)
    : DesignedWindow(QStringLiteral("frmManual"), Frame::Captioned, {}, parent) {
    cmdHelpTopic = designed(QStringLiteral("cmdHelpTopic"));
    cmdPrintHelp = designed(QStringLiteral("cmdPrintHelp"));
    cmdReturn = designed(QStringLiteral("cmdReturn"));
    cmdReturn->setCancel(true);
    labelHelpTopic = NewLabel(this, 210, 840, 6000, 330);
    QFont bold(QStringLiteral("MS Sans Serif"));
    bold.setPointSizeF(9.75);
    bold.setBold(true);
    labelHelpTopic->setFont(bold);
    txtManual = new QPlainTextEdit(this);
    txtManual->setReadOnly(true);
    txtManual->setFont(QFont(QStringLiteral("Arial"), 9));
    txtManual->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtManual->setTabChangesFocus(true);
    QPalette pal = txtManual->palette();
    pal.setColor(QPalette::Base, QColor(192, 255, 192));
    txtManual->setPalette(pal);
    PlaceTwips(txtManual, 210, 1155, 6000, 4845);
    labelHelpTopic->setBuddy(txtManual);

    menuHelpMenu = new QMenu(tr("Help Topics"), this);
    auto *menuStyle = new TopicMenuStyle;
    menuStyle->setParent(menuHelpMenu);
    menuHelpMenu->setStyle(menuStyle);
    for (int i = 1; i <= ItemCount; ++i) {
        if (Items[i].number < 0) {
            menuHelpTopic[i] = menuHelpMenu->addSeparator();
            continue;
        }
        QAction *a = menuHelpMenu->addAction(itemCaption(i));
        a->setData(Items[i].number);
        const int number = Items[i].number;
        a->setCheckable(number != 0 && number != 1111 && number != 2222 && number != 3333 &&
                        number != 7777);
        connect(a, &QAction::triggered, this, [this, i] { menuHelpTopic_Click(i); });
        menuHelpTopic[i] = a;
    }
    menuHelpTopic[13]->setVisible(false); // ordering stays out of the menu
    // The additions' topics follow the design's topic on solving.
    for (int i = FirstAddition; i <= AllItems; ++i) {
        QAction *a = new QAction(itemCaption(i), menuHelpMenu);
        a->setData(Items[i].number);
        a->setCheckable(true);
        menuHelpMenu->insertAction(menuHelpTopic[7], a);
        connect(a, &QAction::triggered, this, [this, i] { menuHelpTopic_Click(i); });
        menuHelpTopic[i] = a;
    }

    connect(cmdHelpTopic, &KelButton::Click, this, &frmManual::cmdHelpTopic_Click);
    connect(cmdPrintHelp, &KelButton::Click, this, &frmManual::cmdPrintHelp_Click);
    connect(cmdReturn, &KelButton::Click, this, &frmManual::cmdReturn_Click);
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, [this] {
        cmdHelpTopic_Click();
        StandOnFirstItem(*menuHelpMenu);
    });
    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setContext(Qt::WindowShortcut);
    connect(esc, &QShortcut::activated, cmdReturn, &KelButton::PerformClick);
    Form_Load();
}

void frmManual::Form_Load() {
    FadeEnabled = modFadeInOut::SetFormAlpha(this, 0, false);
    SetDesignedSize(this, 6525, 6585);
    setWindowTitle(tr("%1 - Help Window").arg(AppInfo::Title));
    modStandard::TilePicture(QStringLiteral(":/pictures/tiles/manual.png"), this);
}

void frmManual::Form_Activate() {
    if (!beginActivation()) return;
    cmdPrintHelp->setCaption(tr("&Print"));
    cmdPrintHelp->setToolTip(tr(" Be sure your printer is ready! "));
    cmdHelpTopic->setCaption(KelButton::CaptionLines(tr("Help Topics\n(F1)")));
    cmdReturn->setCaption(KelButton::CaptionLines(tr("&Return\n(Esc)")));
    for (KelButton *b : {cmdPrintHelp, cmdHelpTopic, cmdReturn})
        b->Refresh();
    aboutText =
        AppInfo::Title + QStringLiteral("\r\n") +
        tr("Version w%1.%2.%3").arg(AppInfo::Major).arg(AppInfo::Minor).arg(AppInfo::Revision) +
        QStringLiteral("\r\n\r\n") + AppInfo::description() + QStringLiteral("\r\n\u00A9") +
        AppInfo::Copyright + QStringLiteral("\r\n\r\n");
    menuHelpTopic_Click(HelpTopic);
    // With a screen reader the topic is where the player is: read at once,
    // with a caret to go through it line by line.
    if (QAccessible::isActive()) {
        txtManual->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                           Qt::TextSelectableByKeyboard);
        txtManual->setFocus();
    }
    FadeInIfEnabled();
}

void frmManual::cmdHelpTopic_Click() {
    const QPoint at(cmdHelpTopic->x() + 700 / 15, cmdHelpTopic->y() + 340 / 15);
    menuHelpMenu->popup(mapToGlobal(at));
}

void frmManual::menuHelpTopic_Click(int index) {
    const int number = itemNumber(index);
    if (number == 1111 || number == 2222 || number == 3333) {
        modStandard::OpenLink(qint16(number / 1111), this, QString());
        return;
    }
    if (number == 7777) {
        QString text = aboutText;
        dialogs::message(this, itemCaption(index),
                         text.replace(QLatin1String("\r\n"), QLatin1String("\n")).trimmed(),
                         dialogs::Icon::Information);
        return;
    }
    if (index != ItemCount && index != currentTopic && number > 0) {
        currentTopic = qint16(index);
        // The heading is the text box's buddy, so it reads "&&" as one "&".
        labelHelpTopic->setText(itemCaption(index));
        QString text = LoadResString(number);
        text.replace(QLatin1String("%LISTFOLDER%"), ListFolderShown());
        txtManual->setPlainText(text.replace(QLatin1String("\r\n"), QLatin1String("\n")));
        txtManual->setAccessibleName(topicTitle(index));
        if (QAccessible::isActive() && isVisible()) txtManual->setFocus(); // the new topic read
    }
    // Only the shown topic carries the tick, whatever a click on a menu item toggled.
    for (int i = 1; i <= AllItems; ++i)
        if (menuHelpTopic[i]->isCheckable()) menuHelpTopic[i]->setChecked(i == currentTopic);
}

void frmManual::cmdPrintHelp_Click() {
    auto surface = PrinterSurface::open();
    surface->setDocumentName(QCoreApplication::translate("printing", "help"));
    surface->setFontName(QStringLiteral("Arial"));
    surface->setFontSize(10);
    surface->setFontBold(false);
    surface->setFontItalic(false);
    QString text = txtManual->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    modStandard::PrintWrapped(
        *surface, this, text,
        tr("%1, Help Section: %2").arg(AppInfo::Title, topicTitle(currentTopic)), true, false);
    modStandard::ReportPrinting(this, *surface);
}

void frmManual::cmdReturn_Click() {
    FadeOutOrEnd();
}
