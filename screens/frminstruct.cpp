#include "screens/frminstruct.h"

#include "images/pictures.h"
#include "runtime/forms.h"
#include "table/frmvorlina.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr TwipsRect ClientArea = {3960, 2895, 4680, 3165};
constexpr TwipsLine Frame[] = {
    {0, 15, 4680, 15}, {0, 3135, 4680, 3135}, {15, 0, 15, 3165}, {4650, 0, 4650, 3165}};
constexpr double DialogPoints = 8;
constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignTop;

struct LabelSpec
{
    QLabel *frmInstruct::*label;
    const char *caption;
    TwipsRect rect;
    Face face;
    double points;
    unsigned fore;
    Qt::Alignment align;
};

const LabelSpec Labels[] = {
    {&frmInstruct::Label2, "INSTRUCTIONS", {720, 120, 3375, 375}, Face::FuturaMdBT, 15.75,
     Bgr::Red, Qt::AlignHCenter | Qt::AlignTop},
    {&frmInstruct::Label1,
     "Click on the Deal button to begin.  Then click on the face-up cards that are either one "
     "greater or one less than the face up card at the bottom. Example - You can put a seven or "
     "a five on a six. A king or a two can go on an ace. Click on the face down deck to get a "
     "new card.",
     {1920, 600, 2415, 1815}, Face::Dialog, DialogPoints, Bgr::WindowBackground, Left},
    {&frmInstruct::Label3, "Get 12,000 in two rounds and you get a bonus round.",
     {1920, 2520, 2535, 495}, Face::Dialog, DialogPoints, Bgr::WindowBackground, Left},
};

} // namespace

frmInstruct::frmInstruct(frmVorlina &table)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_table(table)
{
    setWindowTitle(QStringLiteral("Instructions"));
    setWindowIcon(skullIcon());
    setFixedSize(fromTwips(ClientArea.width), fromTwips(ClientArea.height));
    setBackColour(this, Bgr::Blue);

    for (const LabelSpec &spec : Labels) {
        this->*spec.label = makeLabel(this, QString::fromLatin1(spec.caption), spec.rect,
                                      spec.face, spec.points, false, spec.fore, Bgr::Blue,
                                      spec.align);
    }
    Image1 = new ImageControl(this);
    Image1->setGeometry(fromTwips(TwipsRect{240, 600, 1125, 1500}));
    Image1->setPicture(cardBack(0));
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setGeometry(fromTwips(TwipsRect{120, 2520, 1215, 495}));
    Command1->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, &frmInstruct::Command1_Click);
}

void frmInstruct::Command1_Click()
{
    emit finished();
    hide();
}

void frmInstruct::showEvent(QShowEvent *event)
{
    placeLikeStored(this, QPoint(ClientArea.left, ClientArea.top), &m_table);
    Command1->setFocus();
    QWidget::showEvent(event);
}

void frmInstruct::paintEvent(QPaintEvent *)
{
    drawLines(this, Frame, 5);
}

void frmInstruct::closeEvent(QCloseEvent *event)
{
    // Closing is OK: the menu comes back.
    event->ignore();
    Command1_Click();
}
