#include "table/frmteampic.h"

#include "images/pictures.h"
#include "runtime/forms.h"
#include "table/frmvorlina.h"

#include <QPushButton>

namespace {

constexpr TwipsRect ClientArea = {3945, 2355, 4785, 4020};
constexpr TwipsLine Frame[] = {
    {0, 30, 4755, 30}, {0, 3975, 4755, 3975}, {30, 0, 30, 3990}, {4740, 0, 4740, 3990}};

} // namespace

frmTeamPic::frmTeamPic(frmVorlina &table)
    : FramedPanel(ClientArea, Frame, &table), m_table(table)
{
    setWindowIcon(programIcon());

    Image1 = new ImageControl(this);
    Image1->setGeometry(fromTwips(TwipsRect{120, 120, 4500, 3120}));
    Image1->setPicture(teamPhoto());
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setGeometry(fromTwips(TwipsRect{1680, 3360, 1215, 495}));
    // Enter clicks the focused OK, as Space does.
    cmdOK->setAutoDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmTeamPic::cmdOK_Click);
    setFirstFocus(cmdOK);
}

void frmTeamPic::cmdOK_Click()
{
    m_table.setEnabled(true);
    hide();
    m_table.TeamPicDone = 1;
}

void frmTeamPic::closeCommand()
{
    // Any other way out releases the game as OK does.
    cmdOK_Click();
}
