#include "screens/frmmenu.h"

frmMenu::frmMenu(Runtime &rt, frmVorlina &table, std::function<void(const QString &)> openWeb)
    : m_rt(rt), m_table(table), m_openWeb(std::move(openWeb))
{
}
