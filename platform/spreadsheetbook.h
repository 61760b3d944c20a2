#pragma once

#include <QString>

#include <string>

// A workbook being written (.xlsx), as the results export sees it. The writer, libxlsxwriter
// with the compression and crypto libraries it needs, lives in a module of its own
// (analyze_xlsx), opened at the first export so that none of it is loaded at start-up.
class SpreadsheetBook
{
public:
    virtual ~SpreadsheetBook() = default;

    // The new sheet's number, or -1 when the book refuses its name.
    virtual int addSheet(const char *utf8Name) = 0;
    // The first failure of any write is kept for close() to report.
    virtual void text(int sheet, int row, int column, const char *utf8, bool bold) = 0;
    virtual void number(int sheet, int row, int column, double value) = 0;
    virtual void columnWidth(int sheet, int column, double characters) = 0;
    // Writes the file. On failure, the library's words in *libraryReason and, when the system
    // refused the file, its errno in *systemError (else 0).
    virtual bool close(std::string *libraryReason, int *systemError) = 0;

    // A new book writing path, its scratch files in temporaryFolder; nullptr when the library
    // cannot start one.
    using Factory = SpreadsheetBook *(*)(const char *path, const char *temporaryFolder);
    static constexpr char FactoryName[] = "analyzeCreateSpreadsheetBook";

    // The module's maker, the module opened first if need be; nullptr with *reason when it
    // cannot be opened.
    static Factory factory(QString *reason);
};
