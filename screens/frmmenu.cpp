#include "screens/frmmenu.h"

#include "images/pictures.h"
#include "runtime/forms.h"
#include "screens/frmabout.h"
#include "screens/frmcredits.h"
#include "screens/frminstruct.h"
#include "screens/registry.h"
#include "table/frmbacks.h"
#include "table/frmvorlina.h"
#include "web/site.h"

#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

constexpr TwipsRect ClientArea = {4110, 3360, 4395, 1605};
constexpr TwipsLine Frame[] = {
    {0, 30, 4395, 30}, {0, 1560, 4395, 1560}, {30, 0, 30, 1560}, {4350, 0, 4350, 1560}};

struct ButtonSpec
{
    QPushButton *frmMenu::*button;
    const char *caption;
    QPoint place;
    void (frmMenu::*handler)();
};

// In tab order: Credits has the focus when the menu first opens.
const ButtonSpec Buttons[] = {
    {&frmMenu::cmdCredits, "Credits", {120, 240}, &frmMenu::cmdCredits_Click},
    {&frmMenu::cmdInst, "Instructions", {1575, 240}, &frmMenu::cmdInst_Click},
    {&frmMenu::cmdAbout, "About", {3030, 240}, &frmMenu::cmdAbout_Click},
    {&frmMenu::cmdWeb, "Visit Me On The Web", {120, 960}, &frmMenu::cmdWeb_Click},
    {&frmMenu::cmdBacks, "Change Cardbacks", {1575, 960}, &frmMenu::cmdBacks_Click},
    {&frmMenu::cmdClose, "Close", {3030, 960}, &frmMenu::cmdClose_Click},
};

// Two captions are wider than their buttons: like the forms' buttons, these wrap a long
// caption onto a second line instead of cutting it off.
class WrappingButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        // Wrap short of the frame, or a line as wide as the button runs into it.
        constexpr int Inset = 3;
        const QRect inside = style()
                                 ->subElementRect(QStyle::SE_PushButtonContents, &option, this)
                                 .adjusted(Inset, 0, -Inset, 0);
        painter.drawItemText(inside, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                             palette(), isEnabled(), text(), QPalette::ButtonText);
    }
};

} // namespace

frmMenu::frmMenu(Runtime &rt, frmVorlina &table, std::function<void(const QString &)> openWeb)
    : FramedPanel(ClientArea, Frame, &table),
      m_rt(rt), m_table(table), m_openWeb(std::move(openWeb)),
      m_registry(std::make_unique<LinuxRegistry>())
{
    setWindowTitle(QStringLiteral("Menu"));
    setWindowIcon(heartIcon());

    QWidget *previous = nullptr;
    for (const ButtonSpec &design : Buttons) {
        auto *button = new WrappingButton(QString::fromLatin1(design.caption), this);
        button->setGeometry(fromTwips(TwipsRect{design.place.x(), design.place.y(), 1215, 495}));
        // Not the Enter button, but Enter presses it while it has the focus.
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, design.handler);
        this->*design.button = button;
        if (previous)
            setTabOrder(previous, button);
        previous = button;
    }
    cmdCredits->setFocus();

    connect(&m_table.backs(), &frmBacks::finished, this, &QWidget::show);
}

frmMenu::~frmMenu() = default;

void frmMenu::cmdCredits_Click()
{
    if (!m_credits) {
        m_credits = std::make_unique<frmCredits>(m_table);
        connect(m_credits.get(), &frmCredits::finished, this, &QWidget::show);
    }
    m_credits->show();
    hide();
}

void frmMenu::cmdInst_Click()
{
    if (!m_instruct) {
        m_instruct = std::make_unique<frmInstruct>(m_table);
        connect(m_instruct.get(), &frmInstruct::finished, this, &QWidget::show);
    }
    m_instruct->show();
    hide();
}

void frmMenu::cmdAbout_Click()
{
    if (!m_about) {
        m_about = std::make_unique<frmAbout>(m_rt, *m_registry, m_table);
        connect(m_about.get(), &frmAbout::unloaded, this, [this] {
            // The box is still in its own OK handler: destroy it once that has returned.
            m_about.release()->deleteLater();
            show();
        });
    }
    m_about->show();
    hide();
}

void frmMenu::cmdWeb_Click()
{
    m_openWeb(QString::fromLatin1(Site::HomeAddress));
}

void frmMenu::cmdBacks_Click()
{
    m_table.backs().show();
    hide();
}

void frmMenu::cmdClose_Click()
{
    m_table.setEnabled(true);
    hide();
    m_table.show();
}

void frmMenu::closeCommand()
{
    // Closing the menu is its Close: the table is switched on again.
    cmdClose_Click();
}
