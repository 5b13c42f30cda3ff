#pragma once

#include <QWidget>

#include <functional>

class Runtime;
class frmVorlina;

// The menu between games.
class frmMenu : public QWidget
{
    Q_OBJECT
public:
    // openWeb sets the web page window's starting address and shows it.
    frmMenu(Runtime &rt, frmVorlina &table, std::function<void(const QString &)> openWeb);

private:
    Runtime &m_rt;
    frmVorlina &m_table;
    std::function<void(const QString &)> m_openWeb;
};
