#pragma once

#include <QWidget>

class Runtime;
class frmVorlina;

// The top-ten score table.
class frmHiScores : public QWidget
{
    Q_OBJECT
public:
    frmHiScores(Runtime &rt, frmVorlina &table);

    void ClearScores();
    void GetScores();
    void HighScores(qint32 &Score, qint32 &HighScore);

private:
    Runtime &m_rt;
    frmVorlina &m_table;
};
