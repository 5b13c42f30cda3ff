#pragma once

#include "runtime/scriptedruntime.h"
#include "screens/frmmenu.h"
#include "table/frmvorlina.h"

#include <QStringList>

// The table with its menu up, as the table's Menu button leaves them. Make it inside a
// fresh working directory: the table reads its files at start-up.
struct MenuFixture
{
    MenuFixture()
    {
        table.show();
        menu.show();
        table.setEnabled(false);
    }

    ScriptedRuntime rt;
    frmVorlina table{rt};
    QStringList addresses; // every start address handed to the web page window
    frmMenu menu{rt, table, [this](const QString &address) { addresses << address; }};
};
