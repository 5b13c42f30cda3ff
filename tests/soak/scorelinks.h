#pragma once

#include "runtime/scriptedruntime.h"
#include "scores/frmhiscores.h"
#include "scores/names.h"
#include "table/frmvorlina.h"
#include "table/tablelinks.h"

#include <QList>

#include <memory>

// The score window and the default names, made and reached as the program does.
class ScoreLinks : public TableLinks
{
public:
    explicit ScoreLinks(ScriptedRuntime &rt) : m_rt(rt) {}

    void attach(frmVorlina *table) { m_table = table; }
    frmHiScores &scores()
    {
        if (!m_scores)
            m_scores = std::make_unique<frmHiScores>(m_rt, *m_table);
        return *m_scores;
    }
    bool scoresShown() const { return m_scores && m_scores->isVisible(); }
    void close() { m_scores.reset(); }

    void LoadNames() override { Names::LoadNames(); }
    void showMenu() override {}
    void showScores() override
    {
        scores().show();
        scores().GetScores();
    }
    void HighScores(qint32 &score, qint32 &highScore) override
    {
        offered << score;
        scores().HighScores(score, highScore);
    }

    // Every score a finished game offered to the top ten.
    QList<qint32> offered;

private:
    ScriptedRuntime &m_rt;
    frmVorlina *m_table = nullptr;
    std::unique_ptr<frmHiScores> m_scores;
};
