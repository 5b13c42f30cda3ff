#pragma once

#include "app/webmodule.h"
#include "table/tablelinks.h"

#include <QString>

#include <memory>

class Runtime;
class frmHiScores;
class frmMenu;
class frmVorlina;

// Owns the windows above the table and makes each on first use.
class Windows : public TableLinks
{
public:
    // The web page window's module is looked for in webPlaces.
    explicit Windows(Runtime &rt, QStringList webPlaces = WebModule::programPlaces());
    ~Windows() override;

    void setTable(frmVorlina *table) { m_table = table; }

    void LoadNames() override;
    void showMenu() override;
    void showScores() override;
    void HighScores(qint32 &score, qint32 &highScore) override;

private:
    frmHiScores &scores();
    frmMenu &menu();
    void showBrowser(const QString &address);

    Runtime &m_rt;
    frmVorlina *m_table = nullptr;
    std::unique_ptr<frmHiScores> m_scores;
    std::unique_ptr<frmMenu> m_menu;
    WebModule m_web;
};
