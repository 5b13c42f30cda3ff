#include "screens/frminstruct.h"

#include "images/pictures.h"
#include "runtime/forms.h"
#include "table/frmvorlina.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr TwipsRect ClientArea = {3960, 2895, 4680, 3165};
constexpr TwipsLine Frame[] = {
    {0, 15, 4680, 15}, {0, 3135, 4680, 3135}, {15, 0, 15, 3165}, {4650, 0, 4650, 3165}};
constexpr double DialogPoints = 8;
constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignTop;

const LabelDesign<frmInstruct> Labels[] = {
    {&frmInstruct::Label2, "INSTRUCTIONS", {720, 120, 3375, 375}, Face::FuturaMdBT, 15.75,
     false, Bgr::Red},
    {&frmInstruct::Label1,
     "Click on the Deal button to begin.  Then click on the face-up cards that are either one "
     "greater or one less than the face up card at the bottom. Example - You can put a seven or "
     "a five on a six. A king or a two can go on an ace. Click on the face down deck to get a "
     "new card.",
     {1920, 600, 2415, 1815}, Face::Dialog, DialogPoints, false, Bgr::WindowBackground, Left},
    {&frmInstruct::Label3, "Get 12,000 in two rounds and you get a bonus round.",
     {1920, 2520, 2535, 495}, Face::Dialog, DialogPoints, false, Bgr::WindowBackground, Left},
};

} // namespace

frmInstruct::frmInstruct(frmVorlina &table)
    : FramedPanel(ClientArea, Frame, &table)
{
    setWindowTitle(QStringLiteral("Instructions"));
    setWindowIcon(skullIcon());

    makeLabels(this, Labels, Bgr::Blue);
    Image1 = new ImageControl(this);
    Image1->setGeometry(fromTwips(TwipsRect{240, 600, 1125, 1500}));
    Image1->setPicture(cardBack(0));
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setGeometry(fromTwips(TwipsRect{120, 2520, 1215, 495}));
    // Not the Enter button, but Enter presses it while it has the focus.
    Command1->setAutoDefault(true);
    connect(Command1, &QPushButton::clicked, this, &frmInstruct::Command1_Click);
    setFirstFocus(Command1);
}

void frmInstruct::Command1_Click()
{
    emit finished();
    hide();
}

void frmInstruct::closeCommand()
{
    // Closing is OK: the menu comes back.
    Command1_Click();
}
