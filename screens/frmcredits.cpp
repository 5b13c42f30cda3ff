#include "screens/frmcredits.h"

#include "images/pictures.h"
#include "runtime/forms.h"
#include "table/frmvorlina.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr TwipsRect ClientArea = {3825, 2190, 4680, 4095};
constexpr TwipsLine Frame[] = {
    {0, 30, 4680, 30}, {0, 4050, 4680, 4050}, {15, 0, 15, 4095}, {4650, 0, 4650, 4095}};

constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment Right = Qt::AlignRight | Qt::AlignTop;
constexpr Qt::Alignment Centre = Qt::AlignHCenter | Qt::AlignTop;

const LabelDesign<frmCredits> Labels[] = {
    {&frmCredits::Label1, "Written By:", {240, 240, 1935, 375}, Face::FuturaMdBT, 12, false,
     Bgr::WindowBackground, Left},
    {&frmCredits::Label2, "Orrin Tavish", {2280, 240, 1935, 375}, Face::FuturaMdBT, 14.25, false,
     Bgr::Red, Right},
    {&frmCredits::Label3, "Playtesters:", {240, 720, 1935, 375}, Face::MSSansSerif, 13.5, false,
     Bgr::WindowBackground, Left},
    {&frmCredits::Label4, "Della Farrow", {2280, 840, 1935, 375}, Face::MSSansSerif, 13.5, false,
     Bgr::Red, Right},
    {&frmCredits::Label5, "Nessa Crane", {2280, 1320, 1935, 375}, Face::MSSansSerif, 13.5, false,
     Bgr::Red, Right},
    {&frmCredits::Label6, "Electro Skull By:", {2160, 1800, 2175, 375}, Face::MSSansSerif, 13.5, false,
     Bgr::WindowBackground, Centre},
    {&frmCredits::Label7, "Lamar Quell", {2160, 2280, 2055, 375}, Face::MSSansSerif, 18, false,
     Bgr::Cyan, Centre},
    {&frmCredits::Label8, "lquell@example.org", {2040, 2880, 2415, 255}, Face::MSSansSerif,
     9.75, false, Bgr::WindowBackground, Centre},
};

} // namespace

frmCredits::frmCredits(frmVorlina &table)
    : FramedPanel(ClientArea, Frame, &table)
{
    setWindowTitle(QStringLiteral("Credits"));
    setWindowIcon(skullIcon());

    makeLabels(this, Labels, Bgr::Blue);
    Image1 = new ImageControl(this);
    Image1->setGeometry(fromTwips(TwipsRect{480, 1560, 1125, 1500}));
    Image1->setPicture(skullPicture());
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setGeometry(fromTwips(TwipsRect{1680, 3360, 1215, 495}));
    // Not the Enter button, but Enter presses it while it has the focus.
    Command1->setAutoDefault(true);
    connect(Command1, &QPushButton::clicked, this, &frmCredits::Command1_Click);
    setFirstFocus(Command1);
}

void frmCredits::Command1_Click()
{
    emit finished();
    hide();
}

void frmCredits::closeCommand()
{
    // Closing is OK: the menu comes back.
    Command1_Click();
}
