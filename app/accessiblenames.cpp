#include "app/accessiblenames.h"

#include "app/mainform.h"
#include "app/controlcolours.h"
#include "app/windowfont.h"
#include "platform/accessiblesupport.h"
#include "platform/readablecolours.h"
#include "platform/stringgrid.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QStyle>

namespace {

const char Context[] = "Accessibility";

constexpr int ResultPageIndex = 4;

struct ControlName
{
    const char *objectName;
    const char *name;
};

// Controls that show no caption of their own, or whose caption does not say what they hold.
const ControlName ControlNames[] = {
    {"StudentName", QT_TRANSLATE_NOOP("Accessibility", "Пользователь")},
    {"DataStamp", QT_TRANSLATE_NOOP("Accessibility", "Дата")},
    {"Kriters", QT_TRANSLATE_NOOP("Accessibility", "Количество критериев")},
    {"UpDownKrit", QT_TRANSLATE_NOOP("Accessibility", "Изменить количество критериев, от 3 до 15")},
    {"Alters", QT_TRANSLATE_NOOP("Accessibility", "Количество альтернатив")},
    {"UpDownAlt", QT_TRANSLATE_NOOP("Accessibility", "Изменить количество альтернатив, от 3 до 10")},
    {"PrintBtn", QT_TRANSLATE_NOOP("Accessibility", "Печать страницы")},
    {"Choices", QT_TRANSLATE_NOOP("Accessibility", "Критерии")},
    {"ChoiceName", QT_TRANSLATE_NOOP("Accessibility", "Название критерия")},
    {"SubcriteriaBtn", QT_TRANSLATE_NOOP("Accessibility", "Подкритерии выбранного критерия")},
    {"AltList", QT_TRANSLATE_NOOP("Accessibility", "Альтернативы")},
    {"ChoiceAlt", QT_TRANSLATE_NOOP("Accessibility", "Название альтернативы")},
    {"ChoiceTab", QT_TRANSLATE_NOOP("Accessibility", "Сравнение критериев")},
    {"GlobTab", QT_TRANSLATE_NOOP("Accessibility", "Локальные приоритеты альтернатив по критериям")},
    {"Globales", QT_TRANSLATE_NOOP("Accessibility", "Глобальные приоритеты альтернатив")},
    {"PriorMatrixBtn", QT_TRANSLATE_NOOP("Accessibility", "Предыдущий критерий")},
    {"NextMatrixBtn", QT_TRANSLATE_NOOP("Accessibility", "Следующий критерий")},
    {"ChoiceTabWords", QT_TRANSLATE_NOOP("Accessibility", "Суждение словами")},
    {"CompTabWords", QT_TRANSLATE_NOOP("Accessibility", "Суждение словами")},
    {"LeafWeightsArea", QT_TRANSLATE_NOOP("Accessibility", "Веса критериев")},
    {"StatusLine", QT_TRANSLATE_NOOP("Accessibility", "Строка состояния")},
};
const char CompTabName[] = QT_TRANSLATE_NOOP("Accessibility", "Сравнение альтернатив по критерию «%1»");
const char InconsistentSign[] = QT_TRANSLATE_NOOP("Accessibility", "Отношение согласованности больше допустимого");

QString translated(const char *text)
{
    return QCoreApplication::translate(Context, text);
}

// Every background of the window is fixed by its design; the texts drawn straight on them are
// fixed with them, so that a dark palette's light text never lands on a light background.
// Controls that paint their own background (edits, lists, buttons) keep following the palette.
void fixTextColour(QWidget *widget, const QColor &background)
{
    const QColor text = ReadableColours::textOn(background);
    if (widget->palette().isBrushSet(QPalette::Active, QPalette::WindowText) && widget->palette().color(QPalette::WindowText) != text)
        return;
    QPalette palette = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::WindowText, text);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x60, 0x60, 0x60));
    widget->setPalette(palette);
}

// The revision panels fill their background from the palette, and their texts follow it.
bool onOwnBackground(const QWidget *widget, const QWidget *window)
{
    for (const QWidget *w = widget->parentWidget(); w && w != window; w = w->parentWidget())
        if (w->autoFillBackground() && w->objectName().endsWith(QLatin1String("Revisions")))
            return true;
    return false;
}

void fixTextColours(TMainForm *form)
{
    // The warning's red on yellow: a darker red reads at more than 4.5:1.
    if (auto *warning = form->findChild<QLabel *>(QStringLiteral("WarnMess"))) {
        QPalette colours = warning->palette();
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            colours.setColor(group, QPalette::WindowText, QColor(0xb0, 0x00, 0x00));
        warning->setPalette(colours);
    }
    const QColor background = form->palette().color(QPalette::Window);
    for (QLabel *label : form->findChildren<QLabel *>())
        if (label->objectName() != QLatin1String("WarnMess") && !onOwnBackground(label, form))
            fixTextColour(label, background);
    for (const char *name : {"GroupBox1", "GroupBox2", "StatusLine"})
        if (auto *widget = form->findChild<QWidget *>(QLatin1String(name)))
            fixTextColour(widget, background);
}

// Names the controls, speaks what appears on its own, and keeps the sign of an inconsistent
// ratio beside its colour. Lives as long as the form.
class WindowDescription : public QObject
{
public:
    explicit WindowDescription(TMainForm *form)
        : QObject(form)
        , m_form(form)
    {
        setObjectName(QStringLiteral("WindowDescription"));
        form->installEventFilter(this);
        if (auto *status = form->findChild<QStatusBar *>(QStringLiteral("StatusLine")))
            connect(status, &QStatusBar::messageChanged, this,
                    [status](const QString &message) { AccessibleSupport::announce(status, message); });
        if (auto *warning = form->findChild<QLabel *>(QStringLiteral("WarnMess")))
            warning->installEventFilter(this);
        if (auto *pages = form->findChild<QStackedWidget *>(QStringLiteral("Notebook")))
            connect(pages, &QStackedWidget::currentChanged, this, [this](int page) {
                nameControls();
                if (page == ResultPageIndex)
                    if (auto *decision = m_form->findChild<QLabel *>(QStringLiteral("Decision")))
                        AccessibleSupport::announce(decision, decision->text());
            });
        watchPages();
    }

    // The later pages' controls, once built; nothing is watched twice.
    void watchPages()
    {
        auto *criterion = m_form->findChild<QLineEdit *>(QStringLiteral("ChoiceName2"));
        if (!criterion || m_signs.size() > 0)
            return;
        connect(criterion, &QLineEdit::textChanged, this, &WindowDescription::nameCompTab);
        for (const char *name : {"RatioCoordEdit", "RatioCoordEdit2"})
            if (auto *ratio = m_form->findChild<QLineEdit *>(QLatin1String(name))) {
                // The style's picture is looked up when the sign first shows: at start-up it
                // costs memory for a sign most sessions never see.
                auto *sign = ratio->addAction(QIcon(), QLineEdit::TrailingPosition);
                sign->setObjectName(ratio->objectName() + QStringLiteral("Sign"));
                sign->setVisible(false);
                m_signs.insert(ratio, sign);
                ratio->installEventFilter(this);
            }
    }

    void nameControls()
    {
        for (const ControlName &control : ControlNames)
            if (auto *widget = m_form->findChild<QWidget *>(QLatin1String(control.objectName)))
                widget->setAccessibleName(translated(control.name));
        nameCompTab();
        // Once shown: the style sheets' polish has been and gone, and the words lines exist.
        fixTextColours(m_form);
        for (auto it = m_signs.cbegin(); it != m_signs.cend(); ++it)
            showSign(it.key());
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_form && (event->type() == QEvent::Show || event->type() == QEvent::LanguageChange)) {
            nameControls();
            if (event->type() == QEvent::LanguageChange)
                QTimer::singleShot(0, this, &WindowDescription::describeAnewQuietly);
        }
        else if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("WarnMess"))
            AccessibleSupport::announce(static_cast<QLabel *>(watched), static_cast<QLabel *>(watched)->text());
        else if (event->type() == QEvent::PaletteChange)
            if (auto *ratio = qobject_cast<QLineEdit *>(watched); ratio && m_signs.contains(ratio))
                showSign(ratio);
        return QObject::eventFilter(watched, event);
    }

private:
    // What was last said is described again in the new language, once the form has written its
    // texts anew, without saying it again.
    void describeAnewQuietly()
    {
        for (const char *name : {"Decision", "WarnMess"})
            if (auto *label = m_form->findChild<QLabel *>(QLatin1String(name)); label && !label->accessibleDescription().isEmpty())
                label->setAccessibleDescription(label->text());
        if (auto *status = m_form->findChild<QStatusBar *>(QStringLiteral("StatusLine")))
            status->setAccessibleDescription(status->currentMessage());
    }

    void nameCompTab()
    {
        auto *grid = m_form->findChild<QWidget *>(QStringLiteral("CompTab"));
        auto *criterion = m_form->findChild<QLineEdit *>(QStringLiteral("ChoiceName2"));
        if (grid && criterion)
            grid->setAccessibleName(translated(CompTabName).arg(criterion->text().simplified()));
    }

    // The window draws an inconsistent ratio red; the sign says the same to those who cannot
    // tell the colour, and its text to a screen reader.
    void showSign(QLineEdit *ratio)
    {
        const bool inconsistent = ratio->palette().color(QPalette::Text) == ReadableColours::alarmOn(ratio->palette().color(QPalette::Base));
        QAction *sign = m_signs.value(ratio);
        if (inconsistent && sign->icon().isNull())
            sign->setIcon(m_form->style()->standardIcon(QStyle::SP_MessageBoxWarning));
        sign->setVisible(inconsistent);
        sign->setToolTip(translated(InconsistentSign));
        // Every page change repaints the ratio; only a change of its meaning is told.
        const QString description = inconsistent ? translated(InconsistentSign) : QString();
        if (ratio->accessibleDescription() != description)
            ratio->setAccessibleDescription(description);
    }

    TMainForm *m_form;
    QHash<QLineEdit *, QAction *> m_signs;
};

}

namespace Accessibility {

void describe(TMainForm *form)
{
    AccessibleSupport::install();
    ControlColours::keepDesktopColours(form);
    fixTextColours(form);
    WindowFont::fit(form);
    new WindowDescription(form);
    describePages(form);
}

void describePages(TMainForm *form)
{
    if (!form->pagesBuilt())
        return;
    for (StringGrid *grid : form->findChildren<StringGrid *>())
        grid->setRowsFitFont(true);
    ControlColours::keepDesktopColours(form);
    fixTextColours(form);
    for (QWidget *page : form->findChild<QStackedWidget *>(QStringLiteral("Notebook"))->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (page->objectName() != QLatin1String("TitlePage"))
            WindowFont::fitPage(page);
    // The description is the form's one child of that name.
    if (QObject *description = form->findChild<QObject *>(QStringLiteral("WindowDescription"), Qt::FindDirectChildrenOnly))
        static_cast<WindowDescription *>(description)->watchPages();
}

}
