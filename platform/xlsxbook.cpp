// The spreadsheet module (analyze_xlsx): SpreadsheetBook on libxlsxwriter. It uses nothing of
// the program's own, so that any program or test linking the program's code can open it.

#include "platform/spreadsheetbook.h"

#include <xlsxwriter.h>

#include <cerrno>
#include <vector>

namespace {

class XlsxBook final : public SpreadsheetBook
{
public:
    explicit XlsxBook(lxw_workbook *book)
        : m_book(book), m_bold(workbook_add_format(book))
    {
        format_set_bold(m_bold);
    }
    ~XlsxBook() override
    {
        if (m_book)
            lxw_workbook_free(m_book);
    }

    int addSheet(const char *utf8Name) override
    {
        lxw_worksheet *sheet = workbook_add_worksheet(m_book, utf8Name);
        if (!sheet) {
            keep(LXW_ERROR_SHEETNAME_ALREADY_USED);
            return -1;
        }
        m_sheets.push_back(sheet);
        return int(m_sheets.size()) - 1;
    }
    void text(int sheet, int row, int column, const char *utf8, bool bold) override
    {
        if (lxw_worksheet *s = at(sheet))
            keep(worksheet_write_string(s, lxw_row_t(row), lxw_col_t(column), utf8, bold ? m_bold : nullptr));
    }
    void number(int sheet, int row, int column, double value) override
    {
        if (lxw_worksheet *s = at(sheet))
            keep(worksheet_write_number(s, lxw_row_t(row), lxw_col_t(column), value, nullptr));
    }
    void columnWidth(int sheet, int column, double characters) override
    {
        if (lxw_worksheet *s = at(sheet))
            keep(worksheet_set_column(s, lxw_col_t(column), lxw_col_t(column), characters, nullptr));
    }
    bool close(std::string *libraryReason, int *systemError) override
    {
        errno = 0;
        const lxw_error closed = workbook_close(m_book);
        const int closeErrno = errno;
        m_book = nullptr;
        m_sheets.clear();
        *systemError = 0;
        if (m_error != LXW_NO_ERROR) {
            *libraryReason = lxw_strerror(m_error);
            return false;
        }
        if (closed != LXW_NO_ERROR) {
            *libraryReason = lxw_strerror(closed);
            *systemError = closeErrno;
            return false;
        }
        return true;
    }

private:
    lxw_worksheet *at(int sheet)
    {
        if (sheet < 0 || size_t(sheet) >= m_sheets.size()) {
            keep(LXW_ERROR_PARAMETER_VALIDATION);
            return nullptr;
        }
        return m_sheets[size_t(sheet)];
    }
    void keep(lxw_error error)
    {
        if (m_error == LXW_NO_ERROR)
            m_error = error;
    }

    lxw_workbook *m_book;
    lxw_format *m_bold;
    std::vector<lxw_worksheet *> m_sheets;
    lxw_error m_error = LXW_NO_ERROR;
};

} // namespace

extern "C" Q_DECL_EXPORT SpreadsheetBook *analyzeCreateSpreadsheetBook(const char *path, const char *temporaryFolder)
{
    static_assert(std::is_same_v<decltype(&analyzeCreateSpreadsheetBook), SpreadsheetBook::Factory>);
    lxw_workbook_options options{};
    options.tmpdir = const_cast<char *>(temporaryFolder);
    lxw_workbook *book = workbook_new_opt(path, &options);
    return book ? new XlsxBook(book) : nullptr;
}
