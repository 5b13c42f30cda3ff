#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class Registry;
class Runtime;
class frmVorlina;

// The About box, which can also start the system information program.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    // How a registry lookup ended. Error: the value is there but holds no bytes to take.
    enum class KeyLookup { Found, Missing, Error };

    static constexpr int VersionMajor = VORLINA_VERSION_MAJOR;
    static constexpr int VersionMinor = VORLINA_VERSION_MINOR;
    static constexpr int VersionRevision = VORLINA_VERSION_PATCH;

    frmAbout(Runtime &rt, Registry &registry, frmVorlina &table);

    QPushButton *cmdOK = nullptr;
    QLabel *picIcon = nullptr;
    QPushButton *cmdSysInfo = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *lblDisclaimer = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;

    void StartSysInfo();
    KeyLookup GetKeyValue(quint32 KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                          QString &KeyVal);

public slots:
    void cmdOK_Click();
    void cmdSysInfo_Click();
    // Esc.
    void reject() override;

signals:
    // OK: whoever owns the box destroys it now, so that the next showing loads it afresh.
    void unloaded();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();

    Runtime &m_rt;
    Registry &m_registry;
    frmVorlina &m_table;
};
