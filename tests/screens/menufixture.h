#pragma once

#include "runtime/scriptedruntime.h"
#include "screens/frmmenu.h"
#include "table/frmvorlina.h"

#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <functional>

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

// A screen whose one OK button leads back to the menu: OK is not the Enter button, but as the
// one control with the focus it takes Enter and Space.
inline void okKeyRows()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("back"); // the menu is up again

    QTest::newRow("Enter") << int(Qt::Key_Return) << true;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true;
    QTest::newRow("Space") << int(Qt::Key_Space) << true;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << false;
}

// Opens the screen by its menu button and presses key on the control that has the focus.
inline void checkOkKey(MenuFixture &f, QPushButton *opener,
                       const std::function<QWidget *()> &screen)
{
    QFETCH(int, key);
    QFETCH(bool, back);
    QTest::mouseClick(opener, Qt::LeftButton);
    QWidget *w = screen();
    QTest::keyClick(w->focusWidget(), Qt::Key(key));
    QCOMPARE(w->isVisible(), !back);
    QCOMPARE(f.menu.isVisible(), back);
    QVERIFY(!f.table.isEnabled());
}
