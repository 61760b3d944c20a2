#include "platform/spreadsheetbook.h"

#include "platform/programmodule.h"
#include "platform/startuptrace.h"

#include <QCoreApplication>

#ifndef ANALYZE_XLSX_MODULE
#define ANALYZE_XLSX_MODULE "libanalyze_xlsx.so"
#endif

namespace {
const char *const CannotOpenText = QT_TRANSLATE_NOOP("SpreadsheetBook", "модуль книг Excel не открыт: %1");
}

SpreadsheetBook::Factory SpreadsheetBook::factory(QString *reason)
{
    static Factory factory = nullptr;
    if (factory)
        return factory;
    QString why;
    factory = reinterpret_cast<Factory>(ProgramModule::resolve(QStringLiteral(ANALYZE_XLSX_MODULE), FactoryName, &why));
    if (!factory) {
        *reason = QCoreApplication::translate("SpreadsheetBook", CannotOpenText).arg(why);
        return nullptr;
    }
    StartupTrace::mark("spreadsheet module opened");
    return factory;
}
