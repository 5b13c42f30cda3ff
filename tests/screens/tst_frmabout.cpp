#include "screens/frmabout.h"

#include "menufixture.h"
#include "screens/registry.h"
#include "testsupport.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using KeyLookup = frmAbout::KeyLookup;

namespace {

const QByteArray SysInfoPath = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QByteArray LocationPath = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");

// Grants read access only, as the machine key does to a player's account, and keeps track
// of which keys were opened and how many are still open.
class CountingRegistry : public MemoryRegistry
{
public:
    CountingRegistry() : MemoryRegistry(ReadAccess) {}

    qint32 openKey(Handle root, const QByteArray &path, quint32 access, Handle &key) override
    {
        opened << path;
        const qint32 status = MemoryRegistry::openKey(root, path, access, key);
        stillOpen += status == Success;
        return status;
    }
    qint32 closeKey(Handle key) override
    {
        const qint32 status = MemoryRegistry::closeKey(key);
        stillOpen -= status == Success;
        return status;
    }

    QList<QByteArray> opened;
    int stillOpen = 0;
};

QByteArray bytes(const char *hex)
{
    return QByteArray::fromHex(hex);
}

} // namespace

Q_DECLARE_METATYPE(KeyLookup)

class tst_frmAbout : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_dir = std::make_unique<WorkingDirectory>(); }
    void cleanup() { m_dir.reset(); }

    void getKeyValue_data();
    void getKeyValue();
    void startSysInfo_data();
    void startSysInfo();
    void startsProgramFoundOnPath_data();
    void startsProgramFoundOnPath();
    void keysLeadBackOrStart_data();
    void keysLeadBackOrStart();
    void tabStepsThroughPictureToSysInfo();
    void filledAfreshAtEveryShowing();

private:
    std::unique_ptr<WorkingDirectory> m_dir;
};

// type -1: the key holds no such value; -2: there is no such key.
void tst_frmAbout::getKeyValue_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<KeyLookup>("result");
    QTest::addColumn<QString>("keyVal");

    const QString before = QStringLiteral("before");
    QTest::newRow("text with NUL") << 1 << QByteArray("C:\\WIN\\MSINFO32.EXE\0", 20)
                                   << KeyLookup::Found << QStringLiteral("C:\\WIN\\MSINFO32.EXE");
    QTest::newRow("text without NUL") << 1 << QByteArray("C:\\X.EXE") << KeyLookup::Found
                                      << QStringLiteral("C:\\X.EXE");
    QTest::newRow("single-byte code page") << 1 << bytes("4361669c00") << KeyLookup::Found
                                           << QStringLiteral("Caf\u0153");
    QTest::newRow("1024 without NUL") << 1 << QByteArray(1024, 'x') << KeyLookup::Found
                                      << QString(1024, QLatin1Char('x'));
    QTest::newRow("1024 ending in NUL") << 1 << QByteArray(1023, 'x') + '\0' << KeyLookup::Found
                                        << QString(1023, QLatin1Char('x'));
    QTest::newRow("1025 bytes") << 1 << QByteArray(1025, 'x') << KeyLookup::Missing << QString("");
    QTest::newRow("zero length") << 1 << QByteArray("") << KeyLookup::Error << before;
    QTest::newRow("number 0x105") << 4 << bytes("05010000") << KeyLookup::Found
                                  << QStringLiteral("&h000105");
    QTest::newRow("number 0x12345678") << 4 << bytes("78563412") << KeyLookup::Found
                                       << QStringLiteral("&h12345678");
    QTest::newRow("number 0xFE00AB0C") << 4 << bytes("0cab00fe") << KeyLookup::Found
                                       << QStringLiteral("&hFE00AB0C");
    QTest::newRow("expandable text") << 2 << QByteArray("%X%\0", 4) << KeyLookup::Found
                                     << before;
    QTest::newRow("missing value") << -1 << QByteArray() << KeyLookup::Missing << QString("");
    QTest::newRow("missing key") << -2 << QByteArray() << KeyLookup::Missing << QString("");
}

void tst_frmAbout::getKeyValue()
{
    QFETCH(int, type);
    QFETCH(QByteArray, data);
    QFETCH(KeyLookup, result);
    QFETCH(QString, keyVal);
    CountingRegistry registry;
    if (type >= 0)
        registry.setValue(Registry::LocalMachine, SysInfoPath, "PATH", type, data);
    else if (type == -1)
        registry.setValue(Registry::LocalMachine, SysInfoPath, "OTHER", 1, "x");
    ScriptedRuntime rt;
    frmVorlina table(rt);
    frmAbout about(rt, registry, table);

    QString value = QStringLiteral("before");
    QCOMPARE(about.GetKeyValue(Registry::LocalMachine, QString::fromLatin1(SysInfoPath),
                               QStringLiteral("PATH"), value),
             result);
    QCOMPARE(value, keyVal);
    QCOMPARE(registry.stillOpen, 0);
}

void tst_frmAbout::startSysInfo_data()
{
    QTest::addColumn<QByteArray>("path");     // the PATH value; null: none
    QTest::addColumn<QByteArray>("location"); // the MSINFO value; null: none
    QTest::addColumn<int>("type");            // of both values
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QStringList>("startable");
    QTest::addColumn<QStringList>("started");
    QTest::addColumn<bool>("message");
    QTest::addColumn<int>("keysRead");

    const QByteArray program("C:\\WINDOWS\\MSINFO32.EXE\0", 24);
    const QString programName = QStringLiteral("C:\\WINDOWS\\MSINFO32.EXE");
    const QByteArray folder("C:\\SHARED\0", 10);
    const QString inFolder = QStringLiteral("C:\\SHARED\\MSINFO32.EXE");
    const QStringList none;

    QTest::newRow("path starts") << program << folder << 1 << none << QStringList{programName}
                                 << QStringList{programName} << false << 1;
    QTest::newRow("path cannot start") << program << folder << 1 << QStringList{inFolder}
                                       << QStringList{inFolder} << QStringList{programName}
                                       << true << 1;
    QTest::newRow("path of zero length") << QByteArray("") << folder << 1 << QStringList{inFolder}
                                         << QStringList{inFolder} << none << true << 1;
    QTest::newRow("path a number") << bytes("05010000") << folder << 4 << none << none
                                   << QStringList{QStringLiteral("&h000105")} << true << 1;
    QTest::newRow("path of another type") << program << QByteArray() << 2 << none << none
                                          << QStringList{QString()} << true << 1;
    QTest::newRow("folder holds the program") << QByteArray() << folder << 1
                                              << QStringList{inFolder} << QStringList{inFolder}
                                              << QStringList{inFolder} << false << 2;
    QTest::newRow("folder lacks the program") << QByteArray() << folder << 1 << none
                                              << QStringList{inFolder} << none << true << 2;
    QTest::newRow("folder program cannot start") << QByteArray() << folder << 1
                                                 << QStringList{inFolder} << none
                                                 << QStringList{inFolder} << true << 2;
    QTest::newRow("folder of another type")
        << QByteArray() << folder << 2 << QStringList{QStringLiteral("\\MSINFO32.EXE")}
        << QStringList{QStringLiteral("\\MSINFO32.EXE")}
        << QStringList{QStringLiteral("\\MSINFO32.EXE")} << false << 2;
    QTest::newRow("neither") << QByteArray() << QByteArray() << 1 << none << none << none << true
                             << 2;
}

void tst_frmAbout::startSysInfo()
{
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, location);
    QFETCH(int, type);
    QFETCH(QStringList, existing);
    QFETCH(QStringList, startable);
    QFETCH(QStringList, started);
    QFETCH(bool, message);
    QFETCH(int, keysRead);
    CountingRegistry registry;
    if (!path.isNull())
        registry.setValue(Registry::LocalMachine, SysInfoPath, "PATH", type, path);
    if (!location.isNull())
        registry.setValue(Registry::LocalMachine, LocationPath, "MSINFO", type, location);
    ScriptedRuntime rt;
    rt.existingFiles = existing;
    rt.startablePrograms = startable;
    frmVorlina table(rt);
    frmAbout about(rt, registry, table);
    about.show();

    // Every press is a lookup of its own, and the box stays up.
    for (int press = 1; press <= 2; ++press) {
        QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);
        QCOMPARE(registry.opened, (QList<QByteArray>{SysInfoPath, LocationPath}.mid(0, keysRead)));
        QCOMPARE(registry.stillOpen, 0);
        QCOMPARE(rt.started, started);
        // Every start is in a normal window that takes the focus.
        QCOMPARE(rt.startedStyles, QList<int>(started.size(), 1));
        QCOMPARE(rt.messages, message ? QStringList{Unavailable} : QStringList());
        // OK only, no icon.
        QCOMPARE(rt.messageButtons, message ? QList<int>{0} : QList<int>());
        QVERIFY(about.isVisible());
        registry.opened.clear();
        rt.started.clear();
        rt.startedStyles.clear();
        rt.messages.clear();
        rt.messageButtons.clear();
    }
}

void tst_frmAbout::startsProgramFoundOnPath_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("started"); // empty: the message

    QTest::newRow("none") << QStringList() << QString();
    QTest::newRow("not executable") << QStringList{QStringLiteral("-hardinfo")} << QString();
    QTest::newRow("hardinfo2") << QStringList{QStringLiteral("hardinfo2")}
                               << QStringLiteral("hardinfo2");
    QTest::newRow("hardinfo before the monitor")
        << QStringList{QStringLiteral("gnome-system-monitor"), QStringLiteral("hardinfo")}
        << QStringLiteral("hardinfo");
}

void tst_frmAbout::startsProgramFoundOnPath()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, started);
    QTemporaryDir bin;
    for (QString name : installed) {
        const bool executable = !name.startsWith(QLatin1Char('-'));
        name.remove(QLatin1Char('-'));
        writeFile(bin.filePath(name), "#!/bin/sh\n");
        QFile::setPermissions(bin.filePath(name),
                              executable ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner);
    }
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()));
    LinuxRegistry registry;
    ScriptedRuntime rt;
    rt.startablePrograms << bin.filePath(started);
    frmVorlina table(rt);
    frmAbout about(rt, registry, table);
    about.StartSysInfo();
    qputenv("PATH", oldPath);

    if (started.isEmpty()) {
        QCOMPARE(rt.started, QStringList());
        QCOMPARE(rt.messages, QStringList{Unavailable});
        QCOMPARE(rt.messageOwners, QList<QWidget *>{&about});
    } else {
        QCOMPARE(rt.started, QStringList{bin.filePath(started)});
        QCOMPARE(rt.messages, QStringList());
    }
}

void tst_frmAbout::keysLeadBackOrStart_data()
{
    QTest::addColumn<bool>("onSysInfo"); // where the focus is
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("unloads"); // otherwise the lookup runs

    QTest::newRow("Enter on OK") << false << int(Qt::Key_Return) << true;
    QTest::newRow("keypad Enter on OK") << false << int(Qt::Key_Enter) << true;
    QTest::newRow("Esc on OK") << false << int(Qt::Key_Escape) << true;
    QTest::newRow("Enter on System Info") << true << int(Qt::Key_Return) << false;
    QTest::newRow("Esc on System Info") << true << int(Qt::Key_Escape) << true;
}

void tst_frmAbout::keysLeadBackOrStart()
{
    QFETCH(bool, onSysInfo);
    QFETCH(int, key);
    QFETCH(bool, unloads);
    MemoryRegistry registry;
    ScriptedRuntime rt;
    frmVorlina table(rt);
    frmAbout about(rt, registry, table);
    QSignalSpy unloaded(&about, &frmAbout::unloaded);
    about.show();
    QCOMPARE(about.focusWidget(), about.cmdOK);
    if (onSysInfo)
        about.cmdSysInfo->setFocus();

    QTest::keyClick(about.focusWidget(), Qt::Key(key));
    QCOMPARE(unloaded.count(), unloads ? 1 : 0);
    QCOMPARE(about.isVisible(), !unloads);
    QCOMPARE(rt.messages, unloads ? QStringList() : QStringList{Unavailable});
}

// The picture box takes the focus between the two buttons; Enter there is still OK.
void tst_frmAbout::tabStepsThroughPictureToSysInfo()
{
    MemoryRegistry registry;
    ScriptedRuntime rt;
    frmVorlina table(rt);
    frmAbout about(rt, registry, table);
    QSignalSpy unloaded(&about, &frmAbout::unloaded);
    about.show();
    QCOMPARE(about.focusWidget(), about.cmdOK);

    const QList<QWidget *> order = {about.picIcon, about.cmdSysInfo, about.cmdOK};
    for (QWidget *next : order) {
        QTest::keyClick(about.focusWidget(), Qt::Key_Tab);
        QCOMPARE(about.focusWidget(), next);
    }
    about.cmdSysInfo->setFocus();
    QTest::mouseClick(about.picIcon, Qt::LeftButton);
    QCOMPARE(about.focusWidget(), about.picIcon);
    QTest::keyClick(about.focusWidget(), Qt::Key_Return);
    QCOMPARE(unloaded.count(), 1);
    QCOMPARE(rt.messages, QStringList());
}

void tst_frmAbout::filledAfreshAtEveryShowing()
{
    MenuFixture f;
    for (int showing = 1; showing <= 2; ++showing) {
        QTest::mouseClick(f.menu.cmdAbout, Qt::LeftButton);
        QPointer<frmAbout> about = f.menu.about();
        QVERIFY(about && about->isVisible());
        QCOMPARE(about->windowTitle(), QStringLiteral("About pelmora"));
        QCOMPARE(about->lblVersion->text(), QStringLiteral("Version 1.1.5"));
        QCOMPARE(about->lblTitle->text(), QStringLiteral("pelmora"));
        QCOMPARE(about->focusWidget(), about->cmdOK);
        // Anything left on the box must be gone at the next showing.
        about->lblVersion->setText(QStringLiteral("stale"));
        about->lblTitle->setText(QStringLiteral("stale"));
        about->setWindowTitle(QStringLiteral("stale"));

        QTest::mouseClick(about->cmdOK, Qt::LeftButton);
        QVERIFY(!f.menu.about());
        QVERIFY(f.menu.isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(about.isNull());
    }
}

QTEST_MAIN(tst_frmAbout)
#include "tst_frmabout.moc"
