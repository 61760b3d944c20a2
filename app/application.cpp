#include "app/application.h"

#include "app/commandline.h"
#include "app/documentcontroller.h"
#include "app/buttonicons.h"
#include "app/mainform.h"
#include "app/overflowarrowstyle.h"
#include "app/translations.h"
#include "app/windowfont.h"
#include "platform/altletters.h"
#include "platform/errordisplay.h"
#include "platform/heappolicy.h"
#include "platform/helpviewer.h"
#include "platform/platformerror.h"
#include "platform/programidentity.h"
#include "platform/startuptrace.h"
#include "report/repform.h"

#include <QApplication>
#include <QFont>
#include <QTimer>

#include <memory>

namespace {
const QString HelpFileName = QStringLiteral("Analyze.hlp");
const QString DesktopEntryId = QStringLiteral("ru.orvasta.Analyze");
}

void prepareApplication(QApplication &)
{
    HeapPolicy::returnLargeBlocks();
    HeapPolicy::keepPixmapCacheEmpty();
    OverflowArrowStyle::install();
    AltLetters::refuseUnanswered();
    QApplication::setOrganizationName(ProgramIdentity::OrganizationName);
    QApplication::setApplicationName(ProgramIdentity::ApplicationName);
    HelpViewer::setHelpFile(HelpViewer::locateHelpFile(HelpFileName));
    StartupTrace::mark("help file located");
    // Desktops find the entry, its icon and its name through this id.
    QGuiApplication::setDesktopFileName(DesktopEntryId);
    QApplication::setWindowIcon(ButtonIcons::program());
    StartupTrace::mark("program icon");

    // The forms name the faces of their design; these are the installed faces with the same
    // metrics.
    const QStringList sansSerif = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sansSerif);
    QFont::insertSubstitutions(QStringLiteral("Arial"), sansSerif);
    WindowFont::applyToApplication();

    // The title and Qt's own dialogs (the Yes and No of a question) speak the chosen language too.
    Translations::applyChosen();
    StartupTrace::mark("language chosen, translations loaded");
}

std::unique_ptr<TMainForm> startWindow(QApplication &app, const QString &file)
{
    prepareApplication(app);
    // The later pages are built when first needed, so that the window shows sooner.
    auto mainForm = std::make_unique<TMainForm>(nullptr, TMainForm::PageBuilding::LaterPagesWhenNeeded);
    StartupTrace::mark("main window built");
    StartupTrace::watchFirstPaint(mainForm.get(), "first paint of the main window");
    mainForm->show();
    StartupTrace::mark("main window shown");
    // A file named on the command line opens as "Открыть…" would; otherwise the session of a
    // window that never closed normally is offered back, once the window is on the screen
    // rather than before its first picture.
    if (!file.isEmpty()) {
        mainForm->openDecisionFile(file);
        StartupTrace::mark("file opened");
    } else {
        TMainForm *form = mainForm.get();
        QTimer::singleShot(0, form, [form] {
            ErrorDisplay::guarded([form] { form->documents()->offerRecovery(); });
            StartupTrace::mark("recovered sessions offered");
        });
    }
    return mainForm;
}

int runApplication(int argc, char *argv[])
{
    // --results, --report, --merge, the help and a wrong command line end here, before (and
    // without) any window or display.
    StartupTrace::start();
    if (const std::optional<int> status = runCommandLine(argc, argv))
        return *status;
    StartupTrace::mark("command line read");

    QApplication app(argc, argv);
    StartupTrace::mark("application object");
    try {
        const std::unique_ptr<TMainForm> mainForm = startWindow(app, windowFileArgument(QApplication::arguments()));
        // The report page's template, made once the window has been drawn so that it does not
        // hold back the first picture; every print makes its own fresh copy.
        std::unique_ptr<TRepForm> repForm;
        QTimer::singleShot(50, mainForm.get(), [&repForm] {
            repForm = std::make_unique<TRepForm>();
            StartupTrace::mark("report template made");
        });
        return app.exec();
    } catch (const PlatformError &error) {
        ErrorDisplay::show(error.message());
    } catch (const std::exception &error) {
        ErrorDisplay::show(QString::fromUtf8(error.what()));
    } catch (...) {
        ErrorDisplay::show(QString());
    }
    return 1;
}
