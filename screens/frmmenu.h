#pragma once

#include "runtime/forms.h"

#include <QWidget>

#include <functional>
#include <memory>

class QPushButton;
class LinuxRegistry;
class Runtime;
class frmAbout;
class frmCredits;
class frmInstruct;
class frmVorlina;

// The menu between games.
class frmMenu : public FramedPanel
{
    Q_OBJECT
public:
    // openWeb sets the web page window's starting address and shows it.
    frmMenu(Runtime &rt, frmVorlina &table, std::function<void(const QString &)> openWeb);
    ~frmMenu() override;

    // In tab order.
    QPushButton *cmdCredits = nullptr;
    QPushButton *cmdInst = nullptr;
    QPushButton *cmdAbout = nullptr;
    QPushButton *cmdWeb = nullptr;
    QPushButton *cmdBacks = nullptr;
    QPushButton *cmdClose = nullptr;

    // The screens made so far; the About box only while it is loaded.
    frmCredits *credits() const { return m_credits.get(); }
    frmInstruct *instruct() const { return m_instruct.get(); }
    frmAbout *about() const { return m_about.get(); }

public slots:
    void cmdCredits_Click();
    void cmdInst_Click();
    void cmdAbout_Click();
    void cmdWeb_Click();
    void cmdBacks_Click();
    void cmdClose_Click();

protected:
    void closeCommand() override;

private:
    Runtime &m_rt;
    frmVorlina &m_table;
    std::function<void(const QString &)> m_openWeb;
    std::unique_ptr<LinuxRegistry> m_registry;
    std::unique_ptr<frmCredits> m_credits;
    std::unique_ptr<frmInstruct> m_instruct;
    std::unique_ptr<frmAbout> m_about;
};
