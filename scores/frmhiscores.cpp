#include "scores/frmhiscores.h"

frmHiScores::frmHiScores(Runtime &rt, frmVorlina &table) : m_rt(rt), m_table(table)
{
}

void frmHiScores::ClearScores()
{
}

void frmHiScores::GetScores()
{
}

void frmHiScores::HighScores(qint32 &, qint32 &)
{
}
