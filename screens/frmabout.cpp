#include "screens/frmabout.h"

#include "images/pictures.h"
#include "runtime/convert.h"
#include "runtime/forms.h"
#include "runtime/runtime.h"
#include "screens/registry.h"
#include "table/frmvorlina.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr TwipsRect ClientArea = {3240, 2415, 5730, 3555};
constexpr double DialogPoints = 8;
constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignTop;

// In tab order, after the buttons and the picture. All black on blue: the version's
// button-text colour is black too.
const LabelDesign<frmAbout> Labels[] = {
    {&frmAbout::lblDescription,
     "Vorlina  is another simple card game that requires a little forethought before making "
     "your moves.",
     {1620, 1125, 3315, 1170}, Face::Dialog, DialogPoints, false, Bgr::Black, Left},
    {&frmAbout::lblDisclaimer, "", {255, 2625, 3750, 825}, Face::Dialog, DialogPoints, false,
     Bgr::Black, Left},
    {&frmAbout::lblTitle, "", {1680, 240, 2085, 480}, Face::FuturaMdBT, 12, true, Bgr::Black,
     Left},
    {&frmAbout::lblVersion, "", {1650, 780, 3285, 225}, Face::Dialog, DialogPoints, false,
     Bgr::Black, Left},
};

// The etched rule between the description and the buttons: a grey line over a white one.
struct RuleLine
{
    TwipsLine line;
    unsigned bgr;
    int widthPixels;
};
constexpr RuleLine Rule[] = {
    {{90, 2445, 5654, 2445}, Bgr::Grey, 1},
    {{105, 2460, 5654, 2460}, Bgr::White, 2},
};

constexpr quint32 KeyBufferSize = 1024;
constexpr int NormalFocus = 1; // window style: a normal window that takes the focus

constexpr const char *SysInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char *SysInfoLocationValue = "MSINFO";
constexpr const char *SysInfoProgram = "\\MSINFO32.EXE";

} // namespace

frmAbout::frmAbout(Runtime &rt, Registry &registry, frmVorlina &table)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_rt(rt), m_registry(registry), m_table(table)
{
    setWindowIcon(programIcon());
    setFixedSize(fromTwips(ClientArea.width), fromTwips(ClientArea.height));
    setBackColour(this, Bgr::Blue);
    // The buttons' standard font; "&System Info..." fits its button only in this one.
    setFont(formsFont(Face::Dialog, DialogPoints));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setGeometry(fromTwips(TwipsRect{4245, 2625, 1260, 345}));
    cmdOK->setDefault(true);

    // The picture in a sunken one-pixel border, on the window-background colour.
    picIcon = new QLabel(this);
    picIcon->setGeometry(fromTwips(TwipsRect{240, 240, 1155, 1530}));
    picIcon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picIcon->setLineWidth(1);
    picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picIcon->setPixmap(cardBack(0));
    setBackColour(picIcon, Bgr::WindowBackground);
    // A picture box takes the focus by Tab or click, though it shows none.
    picIcon->setFocusPolicy(Qt::StrongFocus);

    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setGeometry(fromTwips(TwipsRect{4260, 3075, 1245, 345}));
    setTabOrder(cmdOK, picIcon);
    setTabOrder(picIcon, cmdSysInfo);

    makeLabels(this, Labels, Bgr::Blue);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    Form_Load();
}

void frmAbout::Form_Load()
{
    const QString title = QString::fromLatin1(Runtime::AppTitle);
    setWindowTitle(QStringLiteral("About ") + title);
    lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(VersionMajor)
                            .arg(VersionMinor)
                            .arg(VersionRevision));
    lblTitle->setText(title);
}

void frmAbout::cmdOK_Click()
{
    hide();
    emit unloaded();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::reject()
{
    cmdOK_Click();
}

void frmAbout::StartSysInfo()
{
    QString path;
    const KeyLookup first = GetKeyValue(Registry::LocalMachine, QLatin1String(SysInfoKey),
                                        QLatin1String(SysInfoPathValue), path);
    if (first == KeyLookup::Found) {
        // Started as the value gives it: a program that cannot start gets the message.
        if (m_rt.Shell(path, NormalFocus))
            return;
    } else if (first == KeyLookup::Missing
               && GetKeyValue(Registry::LocalMachine, QLatin1String(SysInfoLocationKey),
                              QLatin1String(SysInfoLocationValue), path)
                      == KeyLookup::Found) {
        const QString program = path + QLatin1String(SysInfoProgram);
        if (m_rt.FileExists(program) && m_rt.Shell(program, NormalFocus))
            return;
    }
    m_rt.MsgBox(this, QStringLiteral("System Information Is Unavailable At This Time"));
}

frmAbout::KeyLookup frmAbout::GetKeyValue(quint32 KeyRoot, const QString &KeyName,
                                          const QString &SubKeyRef, QString &KeyVal)
{
    Registry::Handle key = 0;
    quint32 type = 0;
    QByteArray buffer(KeyBufferSize, '\0');
    quint32 size = KeyBufferSize;

    // Read access is all a lookup needs; asking for more fails on keys a player cannot write.
    if (m_registry.openKey(KeyRoot, toAnsi(KeyName), Registry::ReadAccess, key)
            != Registry::Success
        || m_registry.queryValue(key, toAnsi(SubKeyRef), type, buffer.data(), size)
               != Registry::Success
        || size > KeyBufferSize) {
        KeyVal.clear();
        m_registry.closeKey(key);
        return KeyLookup::Missing;
    }
    if (size == 0) {
        m_registry.closeKey(key);
        return KeyLookup::Error;
    }

    // A text's terminating NUL is dropped; data stored without one is taken whole.
    const QByteArray data = buffer.left(buffer.at(size - 1) == '\0' ? size - 1 : size);
    if (type == Registry::TypeText) {
        KeyVal = fromAnsi(data);
    } else if (type == Registry::TypeNumber) {
        KeyVal = QStringLiteral("&h");
        for (auto byte = data.crbegin(); byte != data.crend(); ++byte)
            KeyVal += QStringLiteral("%1").arg(uchar(*byte), 2, 16, QLatin1Char('0')).toUpper();
    }
    m_registry.closeKey(key);
    return KeyLookup::Found;
}

void frmAbout::showEvent(QShowEvent *event)
{
    placeLikeStored(this, QPoint(ClientArea.left, ClientArea.top), &m_table);
    cmdOK->setFocus();
    QDialog::showEvent(event);
}

void frmAbout::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (const RuleLine &rule : Rule) {
        const QPoint from(fromTwips(rule.line.x1), fromTwips(rule.line.y1));
        const QPoint to(fromTwips(rule.line.x2), fromTwips(rule.line.y2));
        painter.fillRect(QRect(from, QPoint(to.x(), to.y() + rule.widthPixels - 1)),
                         fromBgr(rule.bgr));
    }
}

void frmAbout::closeEvent(QCloseEvent *event)
{
    // Closing the box is its OK: the menu comes back.
    event->ignore();
    cmdOK_Click();
}
